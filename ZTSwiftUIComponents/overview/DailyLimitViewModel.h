#pragma once

#include "ZTSwiftUIComponents/host/DailyLimitCalculationType.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/DailyLimitCalculating.h"
#include "ZTSwiftUIComponents/overview/DailyLimitStorage.h"
#include "platform/Date.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// What the user may spend today: today's expenses of the overview accounts against a limit that
/// is either the host's automatic figure or the user's own. Main thread.
///
/// dailyLimit and calculationType are read-only from outside and change only through their
/// setters: each assignment, changed or not, is reported to the storage, and the limit's
/// recomputes progressValue.
class DailyLimitViewModel : public ObservableObject {
public:
    using DateProvider = std::function<Date()>;

    /// items are today's transactions of the overview accounts; incomes and incoming transfers
    /// are dropped. A custom limit is applied only when type is custom. calculator and storage
    /// must be given; an empty dateProvider means the environment's now.
    DailyLimitViewModel(const ReportTransactionList& items, std::string localeIdentifier,
                        std::optional<double> customDailyLimit, DailyLimitCalculationType type,
                        std::shared_ptr<DailyLimitCalculating> calculator,
                        std::shared_ptr<DailyLimitStorage> storage, DateProvider dateProvider);
    /// The same, formatting in a locale whose own currency is the application currency.
    DailyLimitViewModel(const ReportTransactionList& items, std::optional<double> customDailyLimit,
                        DailyLimitCalculationType type, std::shared_ptr<DailyLimitCalculating> calculator,
                        std::shared_ptr<DailyLimitStorage> storage, DateProvider dateProvider);

    /// The limit in force. Assign with setDailyLimit().
    Published<double, DailyLimitViewModel> dailyLimit{*this, 0.0};
    /// How the limit was set. Assign with setCalculationType().
    Published<DailyLimitCalculationType, DailyLimitViewModel> calculationType{
        *this, DailyLimitCalculationType::automatic};
    /// The share of the limit still available: (limit − spent) ÷ limit, unclamped (negative when
    /// overspent); 0 for a limit of 0.
    Published<float, DailyLimitViewModel> progressValue{*this, 0.0f};

    /// Set by the host; receive the transaction's identifier.
    std::function<void(const std::string&)> onDeleteDidPress;
    std::function<void(const std::string&)> onEditDidPress;

    /// Recomputes the progress and reports the amount to the storage.
    void setDailyLimit(double limit);
    /// Reports the type to the storage.
    void setCalculationType(DailyLimitCalculationType type);
    /// The user's choice from the settings screen: a value makes the limit custom, none hands it
    /// back to the automatic calculation for dateProvider()'s day. The storage hears the type,
    /// then the amount.
    void updateDailyLimit(std::optional<double> value);

    /// Today's expenses that count against the limit, in the order given.
    const ReportTransactionList& items() const { return items_; }
    /// Today's outgoing transfers: listed, never counted.
    const ReportTransactionList& transfers() const { return transfers_; }
    const NumberFormatter& currencyFormatter() const { return currencyFormatter_; }
    DailyLimitCalculating& calculator() const { return *calculator_; }
    DailyLimitStorage& storage() const { return *storage_; }
    const DateProvider& dateProvider() const { return dateProvider_; }

    // Derived on every read.

    /// The sum of the items that are not excluded from calculations.
    double spentToday() const;
    /// The calculator's automatic limit for dateProvider()'s day.
    double automaticDailyBudget() const;
    bool isOverspent() const { return dailyLimit() < spentToday(); }
    /// What is left to spend (0 once overspent), formatted; "--" when it cannot be formatted.
    std::string remainingString() const;
    /// By how much the limit was exceeded, formatted; "--" while not overspent.
    std::string overspentString() const;
    /// Green while money is left; none (the secondary text colour) otherwise.
    std::optional<Color> remainingColor() const;
    /// Red once overspent; none (the secondary text colour) otherwise.
    std::optional<Color> overspentColor() const;
    /// "You can spend", or "No money left to spend" once overspent; localised.
    std::string periodText() const;
    /// The limit and today's spending, formatted ("--" when they cannot be).
    std::string dailyLimitString() const;
    std::string spentTodayString() const;

private:
    void recomputeProgress();

    std::shared_ptr<DailyLimitCalculating> calculator_;
    std::shared_ptr<DailyLimitStorage> storage_;
    NumberFormatter currencyFormatter_;
    DateProvider dateProvider_;
    ReportTransactionList items_;
    ReportTransactionList transfers_;
};

} // namespace zt
