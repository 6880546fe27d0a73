#include "HostDailyLimit.h"

#include "HostOverviewDatabase.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace zt {

HostDailyLimitCalculator::HostDailyLimitCalculator(std::shared_ptr<HostDatabase> database,
                                                   std::set<std::string> accountIds)
    : database_(std::move(database)), accountIds_(std::move(accountIds)) {}

double HostDailyLimitCalculator::dailyBudget() const {
    return limitFor(Environment::current().now());
}

double HostDailyLimitCalculator::remainingBudget(Date date) {
    return limitFor(date);
}

void HostDailyLimitCalculator::updateExpenses(double, Date) {}

double HostDailyLimitCalculator::limitFor(Date date) const {
    if (accountIds_.empty())
        return 0;
    const auto calendar = Calendar::current();
    const Date dayStart = calendar.startOfDay(date);
    // The balances now, less what was booked from the day's start on: the money at that start.
    std::string placeholders;
    for (std::size_t i = 0; i < accountIds_.size(); ++i)
        placeholders += (i ? ", ?" : "?") + std::to_string(i + 2);
    auto statement = database_->connection().prepare(
        "SELECT (SELECT coalesce(sum(balance * exchange_rate), 0) FROM accounts WHERE id IN (" +
        placeholders +
        ")) - (SELECT coalesce(sum(CASE WHEN is_expense THEN -amount_app ELSE amount_app END), 0) "
        "FROM transactions WHERE date >= ?1 AND account_id IN (" +
        placeholders + "))");
    statement.bind(1, dayStart.secondsSinceReferenceDate);
    int index = 2;
    for (const auto& id : accountIds_)
        statement.bind(index++, id);
    statement.step();
    const double money = statement.real(0);
    const int days =
        calendar.daysInMonth(date).value_or(30) - calendar.component(CalendarComponent::day, date) + 1;
    return std::max(0.0, money / std::max(days, 1));
}

HostDailyLimitStorage::HostDailyLimitStorage(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)) {}

std::optional<double> HostDailyLimitStorage::customAmount() const {
    if (type() != DailyLimitCalculationType::custom)
        return std::nullopt;
    const auto text = database_->value(HostOverviewDatabase::dailyLimitAmountKey);
    if (!text)
        return std::nullopt;
    double amount = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), amount);
    if (error != std::errc{} || end != text->data() + text->size() || !std::isfinite(amount))
        return std::nullopt;
    return amount;
}

DailyLimitCalculationType HostDailyLimitStorage::type() const {
    const auto text = database_->value(HostOverviewDatabase::dailyLimitTypeKey);
    return text
               ? fromRawValue<DailyLimitCalculationType>(*text).value_or(DailyLimitCalculationType::automatic)
               : DailyLimitCalculationType::automatic;
}

void HostDailyLimitStorage::updateAmount(double amount) {
    if (!std::isfinite(amount))
        return;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, amount);
    database_->setValue(HostOverviewDatabase::dailyLimitAmountKey, std::string(buffer, end));
}

void HostDailyLimitStorage::updateDailyLimitCalculationType(DailyLimitCalculationType type) {
    database_->setValue(HostOverviewDatabase::dailyLimitTypeKey, std::string(rawValue(type)));
}

} // namespace zt
