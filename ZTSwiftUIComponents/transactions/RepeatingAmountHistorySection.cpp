#include "RepeatingAmountHistorySection.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

RepeatingAmountHistorySection::RepeatingAmountHistorySection(
    double transactionAmount, std::optional<std::string> currencyCode, std::string newAmountLabel,
    std::function<void(double)> onDidUpdateRepeatingLatestAmount)
    : state_(State{transactionAmount, std::move(currencyCode), std::move(newAmountLabel),
                   std::move(onDidUpdateRepeatingLatestAmount)}) {}

bool RepeatingAmountHistorySection::isEditing() const {
    return state_->isEditing;
}

ui::View RepeatingAmountHistorySection::body() const {
    const auto& state = *state_;
    const auto formatter =
        state.currencyCode ? makeCurrencyFormatter(*state.currencyCode) : makeAppBasedCurrencyFormatter();
    std::vector<ui::View> rows{
        ui::row({ui::text(L("Current", "The present amount of a repeating transaction")),
                 ui::text(formatter.stringOrDash(state.transactionAmount)).id("currentAmount")})};
    if (!state.isEditing) {
        rows.push_back(ui::button(L("Update Amount"), "clock.arrow.circlepath", state_.action([](State& s) {
                           s.newAmount = AmountField();
                           s.isEditing = true;
                       })).id("updateAmount"));
        return ui::section(std::move(rows));
    }
    rows.push_back(
        ui::amountField(state.newAmountLabel, state.newAmount,
                        state_.action([](State& s, const std::string& text) { s.newAmount.setText(text); }))
            .id("newAmount"));
    if (state.newAmount.isInvalid())
        rows.push_back(ui::text(L("Not a valid amount")).font(ui::Font::caption).id("newAmountInvalid"));
    rows.push_back(ui::button(L("Save"), state_.action([](State& s) {
                       const auto value = s.newAmount.value();
                       if (!value)
                           return;
                       s.isEditing = false;
                       if (s.onDidUpdate)
                           s.onDidUpdate(*value);
                   }))
                       .disabled(!state.newAmount.value())
                       .id("saveNewAmount"));
    rows.push_back(ui::button(L("Cancel"), state_.setter(&State::isEditing, false))
                       .role(ui::ButtonRole::cancel)
                       .id("cancelNewAmount"));
    return ui::section(std::move(rows));
}

} // namespace zt
