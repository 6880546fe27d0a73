#include "CreditCardBalanceSection.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"

#include <utility>
#include <vector>

namespace zt {

namespace {

ui::View amountRow(const std::string& title, const AmountBinding& binding, const NumberFormatter& formatter,
                   const NumberFormatter& decimal, std::string id) {
    const auto value = binding.get ? binding.get() : std::nullopt;
    const std::string text = value ? formatter.string(*value).value_or("") : "";
    return ui::row({
        ui::text(title),
        ui::spacer(),
        ui::textField(title, text,
                      [set = binding.set, formatter, decimal](const std::string& typed) {
                          if (!set)
                              return;
                          if (typed.empty()) {
                              set(std::nullopt);
                              return;
                          }
                          // A formatted amount ("$1,200.00") or a plain number ("1200,5").
                          auto value = formatter.number(typed);
                          if (!value)
                              value = decimal.number(typed);
                          if (value)
                              set(*value);
                      })
            .id(std::move(id)),
    });
}

} // namespace

CreditCardBalanceSection::CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit,
                                                   NumberFormatter formatter, std::string localeIdentifier,
                                                   bool isValidationPassed)
    : accountBalance_(std::move(accountBalance)), limit_(std::move(limit)), formatter_(std::move(formatter)),
      localeIdentifier_(std::move(localeIdentifier)), isValidationPassed_(isValidationPassed) {}

ui::View CreditCardBalanceSection::body() const {
    const NumberFormatter decimal = NumberFormatter::decimal(localeIdentifier_);
    std::vector<ui::View> rows{
        amountRow(L("Current balance"), accountBalance_, formatter_, decimal, "accountBalance"),
        amountRow(L("Card limit"), limit_, formatter_, decimal, "cardLimit"),
    };
    if (!isValidationPassed_)
        rows.push_back(ui::text(L("Limit must be greater than current balance."))
                           .font(ui::Font::footnote)
                           .foregroundColor(negativeAmountColor)
                           .id("balanceValidation"));
    return ui::section(std::move(rows)).id("balanceSection");
}

} // namespace zt
