#include "CreditCardCellItem.h"

#include "ZTSwiftUIComponents/host/IconImages.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

std::optional<std::string> iconNamed(const std::string& name) {
    // accountImage() falls back to the default symbol for names it does not know.
    if (name.empty() || accountImage(name) != name)
        return std::nullopt;
    return name;
}

} // namespace

CreditCardCellItem::CreditCardCellItem(std::shared_ptr<const AnyCreditCardConformable> card,
                                       NumberFormatter formatter)
    : creditCard(std::move(card)), numberFormatter(std::move(formatter)), title(creditCard->name()),
      dueDate("nothing"), balance(numberFormatter.stringOrDash(creditCard->balance())),
      availableFunds(format(L("%@ available", "Available funds of a credit card. Parameter: the amount"),
                            numberFormatter.stringOrDash(creditCard->availableFunds()))),
      iconImage(iconNamed(creditCard->iconName())) {}

} // namespace zt
