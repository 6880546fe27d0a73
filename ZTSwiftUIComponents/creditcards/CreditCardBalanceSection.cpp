#include "CreditCardBalanceSection.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"

#include <utility>
#include <vector>

namespace zt {

void AmountBinding::take(const AmountField& field) const {
    if (!set || field.isInvalid())
        return;
    set(field.value());
}

ui::View boundAmountRow(const std::string& title, std::string id, const AmountField& field,
                        const NumberFormatter& formatter, std::function<void(const std::string&)> onType) {
    return ui::row({
        ui::text(title),
        ui::spacer(),
        ui::text(formatter.currencySymbol()).secondary(),
        ui::amountField(title, field, std::move(onType)).id(std::move(id)),
    });
}

CreditCardBalanceSection::CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit,
                                                   NumberFormatter formatter, std::string localeIdentifier,
                                                   std::function<bool()> isValidationPassed)
    : accountBalance_(std::move(accountBalance)), limit_(std::move(limit)), formatter_(std::move(formatter)),
      isValidationPassed_(std::move(isValidationPassed)),
      state_(State{AmountField(std::string{}, localeIdentifier),
                   AmountField(std::string{}, localeIdentifier)}) {}

CreditCardBalanceSection::CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit,
                                                   NumberFormatter formatter, std::string localeIdentifier,
                                                   bool isValidationPassed)
    : CreditCardBalanceSection(std::move(accountBalance), std::move(limit), std::move(formatter),
                               std::move(localeIdentifier),
                               [isValidationPassed] { return isValidationPassed; }) {}

bool CreditCardBalanceSection::hasInvalidAmount() const {
    return state_->balance.isInvalid() || state_->limit.isInvalid();
}

ui::View CreditCardBalanceSection::body() const {
    State& fields = *state_;
    fields.balance.follow(accountBalance_.get ? accountBalance_.get() : std::nullopt);
    fields.limit.follow(limit_.get ? limit_.get() : std::nullopt);
    std::vector<ui::View> rows{
        boundAmountRow(L("Current balance"), "accountBalance", fields.balance, formatter_,
                       state_.action([binding = accountBalance_](State& s, const std::string& text) {
                           s.balance.setText(text);
                           binding.take(s.balance);
                       })),
        boundAmountRow(L("Card limit"), "cardLimit", fields.limit, formatter_,
                       state_.action([binding = limit_](State& s, const std::string& text) {
                           s.limit.setText(text);
                           binding.take(s.limit);
                       })),
    };
    if (isValidationPassed_ && !isValidationPassed_())
        rows.push_back(ui::text(L("Limit must be greater than current balance."))
                           .font(ui::Font::footnote)
                           .foregroundColor(negativeAmountColor)
                           .id("balanceValidation"));
    return ui::section(std::move(rows)).id("balanceSection");
}

} // namespace zt
