#include "DailyLimitViewModel.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <cmath>
#include <utility>

namespace zt {

DailyLimitViewModel::DailyLimitViewModel(const ReportTransactionList& items, std::string localeIdentifier,
                                         std::optional<double> customDailyLimit,
                                         DailyLimitCalculationType type,
                                         std::shared_ptr<DailyLimitCalculating> calculator,
                                         std::shared_ptr<DailyLimitStorage> storage,
                                         DateProvider dateProvider)
    : calculationType(*this, type), calculator_(std::move(calculator)), storage_(std::move(storage)),
      currencyFormatter_(NumberFormatter::currency(std::move(localeIdentifier))),
      dateProvider_(std::move(dateProvider)) {
    for (const auto& transaction : items) {
        if (!transaction || !transaction->isExpense())
            continue;
        (transaction->isTransfer() ? transfers_ : items_).push_back(transaction);
    }
    dailyLimit.set(calculator_->dailyBudget());
    if (customDailyLimit && type == DailyLimitCalculationType::custom)
        setDailyLimit(*customDailyLimit);
    recomputeProgress();
}

DailyLimitViewModel::DailyLimitViewModel(const ReportTransactionList& items,
                                         std::optional<double> customDailyLimit,
                                         DailyLimitCalculationType type,
                                         std::shared_ptr<DailyLimitCalculating> calculator,
                                         std::shared_ptr<DailyLimitStorage> storage,
                                         DateProvider dateProvider)
    : DailyLimitViewModel(items, localeFor(appCurrencyCode()), customDailyLimit, type, std::move(calculator),
                          std::move(storage), std::move(dateProvider)) {}

void DailyLimitViewModel::setDailyLimit(double limit) {
    dailyLimit.set(limit);
    recomputeProgress();
    storage_->updateAmount(limit);
}

void DailyLimitViewModel::setCalculationType(DailyLimitCalculationType type) {
    calculationType.set(type);
    storage_->updateDailyLimitCalculationType(type);
}

void DailyLimitViewModel::updateDailyLimit(std::optional<double> value) {
    if (value) {
        setCalculationType(DailyLimitCalculationType::custom);
        setDailyLimit(*value);
    } else {
        setCalculationType(DailyLimitCalculationType::automatic);
        setDailyLimit(automaticDailyBudget());
    }
}

void DailyLimitViewModel::recomputeProgress() {
    const double limit = dailyLimit();
    progressValue.set(limit == 0 ? 0.0f : static_cast<float>((limit - spentToday()) / limit));
}

double DailyLimitViewModel::spentToday() const {
    double sum = 0;
    for (const auto& transaction : items_)
        if (transaction->isExpense() && !transaction->isExcludedFromCalculations())
            sum += transaction->amount();
    return sum;
}

double DailyLimitViewModel::automaticDailyBudget() const {
    return calculator_->remainingBudget(dateProvider_ ? dateProvider_() : Environment::current().now());
}

std::string DailyLimitViewModel::remainingString() const {
    const double spent = spentToday();
    const double limit = dailyLimit();
    return currencyFormatter_.stringOrDash(limit < spent ? 0.0 : limit - spent);
}

std::string DailyLimitViewModel::overspentString() const {
    const double spent = spentToday();
    const double limit = dailyLimit();
    return limit < spent ? currencyFormatter_.stringOrDash(std::fabs(limit - spent)) : "--";
}

std::optional<Color> DailyLimitViewModel::remainingColor() const {
    if (dailyLimit() > spentToday())
        return positiveAmountColor;
    return std::nullopt;
}

std::optional<Color> DailyLimitViewModel::overspentColor() const {
    if (isOverspent())
        return negativeAmountColor;
    return std::nullopt;
}

std::string DailyLimitViewModel::periodText() const {
    return isOverspent() ? L("No money left to spend", "Daily limit: the limit for today has been exceeded")
                         : L("You can spend", "Daily limit: followed by the amount still available today");
}

std::string DailyLimitViewModel::dailyLimitString() const {
    return currencyFormatter_.stringOrDash(dailyLimit());
}

std::string DailyLimitViewModel::spentTodayString() const {
    return currencyFormatter_.stringOrDash(spentToday());
}

} // namespace zt
