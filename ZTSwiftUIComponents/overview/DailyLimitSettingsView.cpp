#include "DailyLimitSettingsView.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

#include <utility>

namespace zt {

struct DailyLimitSettingsView::State {
    NumberFormatter formatter;
    NumberFormatter decimal;
    double recommendedLimit;
    DailyLimitCalculationType calculationType;
    std::string amountText;
    SaveAction onSave;
    std::function<void()> onClose;

    // The typed amount as a plain number ("12.5") or as the currency formatter writes it.
    std::optional<double> enteredAmount() const {
        if (auto value = decimal.number(amountText))
            return value;
        return formatter.number(amountText);
    }

    // What saving hands over: nothing for the automatic limit, the amount for a custom one. A
    // custom limit whose text is not a number cannot be saved.
    struct Choice {
        bool canSave;
        std::optional<double> value;
    };
    Choice choice() const {
        if (calculationType == DailyLimitCalculationType::automatic)
            return {true, std::nullopt};
        const auto amount = enteredAmount();
        return {amount.has_value(), amount};
    }
};

DailyLimitSettingsView::DailyLimitSettingsView(NumberFormatter formatter, double recommendedLimit,
                                               double amount, DailyLimitCalculationType calculationType,
                                               SaveAction onSave, std::function<void()> onClose) {
    // The field edits a plain number in the formatter's locale, without grouping.
    NumberFormatter decimal = NumberFormatter::decimal(formatter.localeIdentifier());
    decimal.setUsesGroupingSeparator(false).setMaximumFractionDigits(formatter.maximumFractionDigits());
    std::string text = decimal.string(amount).value_or("");
    state_ = std::make_shared<State>(State{std::move(formatter), std::move(decimal), recommendedLimit,
                                           calculationType, std::move(text), std::move(onSave),
                                           std::move(onClose)});
}

ui::View DailyLimitSettingsView::body() const {
    const auto state = state_;
    const bool isCustom = state->calculationType == DailyLimitCalculationType::custom;

    std::vector<ui::View> options{
        ui::picker({},
                   {{std::string(rawValue(DailyLimitCalculationType::automatic)),
                     L("Automatic", "Daily limit option: computed from the remaining balance")},
                    {std::string(rawValue(DailyLimitCalculationType::custom)),
                     L("Custom...", "Daily limit option: an amount the user types")}},
                   std::string(rawValue(state->calculationType)),
                   [state](const std::string& id) {
                       if (auto type = fromRawValue<DailyLimitCalculationType>(id))
                           state->calculationType = *type;
                   })
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
            ui::text(state->formatter.stringOrDash(state->recommendedLimit)).bold().id("recommendedLimit"));
    }

    std::vector<ui::View> content{ui::section(
        L("Calculation Options", "Daily limit settings: section with the choice automatic or custom"),
        std::move(options))};
    if (isCustom)
        content.push_back(
            ui::section(L("Your Daily Budget", "Daily limit settings: section with the amount field"),
                        {ui::textField(L("Amount", "Placeholder of an amount field"), state->amountText,
                                       [state](const std::string& text) { state->amountText = text; })
                             .id("amount")},
                        L("Note: The amount you enter here will be the same every day and it will not change "
                          "based on your "
                          "remaining balance for the period.")));

    const auto choice = state->choice();
    return ui::group({
                         ui::list(std::move(content)),
                         ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                                              [state] {
                                                                  if (state->onClose)
                                                                      state->onClose();
                                                              })
                                                       .role(ui::ButtonRole::cancel)),
                         ui::toolbarItem("save", ui::button(L("Save"),
                                                            [state] {
                                                                const auto choice = state->choice();
                                                                if (!choice.canSave)
                                                                    return;
                                                                Environment::current().userDefaults().set(
                                                                    hasSetDailyLimitAmountKey,
                                                                    UserDefaults::Value{true});
                                                                if (state->onSave)
                                                                    state->onSave(choice.value);
                                                                if (state->onClose)
                                                                    state->onClose();
                                                            })
                                                     .disabled(!choice.canSave)),
                     })
        .navigationTitle(L("Daily Limit Settings", "Title of the daily limit settings screen"));
}

} // namespace zt
