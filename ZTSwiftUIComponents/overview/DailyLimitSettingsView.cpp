#include "DailyLimitSettingsView.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

#include <utility>

namespace zt {

struct DailyLimitSettingsView::State {
    NumberFormatter formatter;
    double recommendedLimit;
    DailyLimitCalculationType calculationType;
    AmountField amount;
    SaveAction onSave;
    std::function<void()> onClose;

    // What saving hands over: nothing for the automatic limit, the amount for a custom one. A
    // custom limit that is empty or no number cannot be saved.
    struct Choice {
        bool canSave;
        std::optional<double> value;
    };
    Choice choice() const {
        if (calculationType == DailyLimitCalculationType::automatic)
            return {true, std::nullopt};
        return {amount.value().has_value(), amount.value()};
    }
};

DailyLimitSettingsView::DailyLimitSettingsView(NumberFormatter formatter, double recommendedLimit,
                                               double amount, DailyLimitCalculationType calculationType,
                                               SaveAction onSave, std::function<void()> onClose)
    // The amount is typed in the user's locale, whatever locale formats the currency.
    : state_(State{std::move(formatter), recommendedLimit, calculationType, AmountField::showing(amount),
                   std::move(onSave), std::move(onClose)}) {}

ui::View DailyLimitSettingsView::body() const {
    const State& state = *state_;
    const bool isCustom = state.calculationType == DailyLimitCalculationType::custom;

    std::vector<ui::View> options{
        ui::picker({},
                   {{std::string(rawValue(DailyLimitCalculationType::automatic)),
                     L("Automatic", "Daily limit option: computed from the remaining balance")},
                    {std::string(rawValue(DailyLimitCalculationType::custom)),
                     L("Custom...", "Daily limit option: an amount the user types")}},
                   std::string(rawValue(state.calculationType)),
                   state_.action([](State& s, const std::string& id) {
                       if (auto type = fromRawValue<DailyLimitCalculationType>(id))
                           s.calculationType = *type;
                   }))
            .id("calculationType"),
    };
    if (isCustom) {
        options.push_back(
            ui::text(L("While you can set the limit to whatever you want, please stay within reason so "
                       "you don't overspend."))
                .secondary());
    } else {
        options.push_back(
            ui::text(L("Zentavo will automatically calculate your daily limit based on your remaining "
                       "balance for this period divided by the number of days in this period."))
                .secondary());
        options.push_back(
            ui::text(L("This limit is calculated only once every day and is not affected by past or "
                       "future transactions."))
                .secondary());
        options.push_back(
            ui::text(state.formatter.stringOrDash(state.recommendedLimit)).bold().id("recommendedLimit"));
    }

    std::vector<ui::View> content{ui::section(
        L("Calculation Options", "Daily limit settings: section with the choice automatic or custom"),
        std::move(options))};
    if (isCustom)
        content.push_back(ui::section(
            L("Your Daily Budget", "Daily limit settings: section with the amount field"),
            {ui::amountField(L("Amount", "Placeholder of an amount field"), state.amount,
                             state_.action([](State& s, const std::string& text) { s.amount.setText(text); }))
                 .id("amount")},
            L("Note: The amount you enter here will be the same every day and it will not change based on "
              "your remaining balance for the period.")));

    const auto close = [](const State& s) {
        if (s.onClose)
            s.onClose();
    };
    return ui::group(
               {
                   ui::list(std::move(content)),
                   ui::toolbarItem(
                       "cancel", ui::button(L("Cancel"), state_.action(close)).role(ui::ButtonRole::cancel)),
                   ui::toolbarItem("save", ui::button(L("Save"), state_.action([close](State& s) {
                                               const auto choice = s.choice();
                                               if (!choice.canSave)
                                                   return;
                                               Environment::current().userDefaults().set(
                                                   hasSetDailyLimitAmountKey, UserDefaults::Value{true});
                                               if (s.onSave)
                                                   s.onSave(choice.value);
                                               close(s);
                                           })).disabled(!state.choice().canSave)),
               })
        .navigationTitle(L("Daily Limit Settings", "Title of the daily limit settings screen"));
}

} // namespace zt
