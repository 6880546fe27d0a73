#include "HostOverviewDatabase.h"

#include "HostDailyLimit.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/ZTDateIntervalFormatter.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

template <class T> void deliverOnMain(OverviewDatabase::Completion<T> completion, T value) {
    MainQueue::main().async([completion = std::move(completion), value = std::move(value)]() mutable {
        completion(std::move(value));
    });
}

// The current month, from its first instant to its last second.
DateInterval hostCurrentMonth() {
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    return {calendar.startOfMonth(now), calendar.endOfMonth(now)};
}

// Today and the days before it, up to the end of today.
DateInterval hostLastDays(int days) {
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    const Date first =
        calendar.startOfDay(calendar.adding(CalendarComponent::day, 1 - days, now).value_or(now));
    return {first, calendar.endOfDay(now)};
}

DateInterval hostYearSoFar() {
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    const auto start = calendar.date(calendar.component(CalendarComponent::year, now), 1, 1).value_or(now);
    return {start, calendar.endOfDay(now)};
}

// Top categories take the system palette in rank order.
constexpr Color hostCategoryPalette[] = {
    {52.0 / 255.0, 199.0 / 255.0, 89.0 / 255.0},
    {0.0, 122.0 / 255.0, 1.0},
    {1.0, 204.0 / 255.0, 0.0},
    {1.0, 59.0 / 255.0, 48.0 / 255.0},
    {175.0 / 255.0, 82.0 / 255.0, 222.0 / 255.0},
    {1.0, 149.0 / 255.0, 0.0},
};

struct PeriodTotals {
    double expense = 0;
    double income = 0;
};

// Transfers between the user's own accounts and excluded transactions are neither spending nor
// income.
PeriodTotals hostTotals(SqliteConnection& sql, const DateInterval& period) {
    auto statement =
        sql.prepare("SELECT coalesce(sum(CASE WHEN is_expense THEN amount_app END), 0), "
                    "coalesce(sum(CASE WHEN is_expense THEN NULL ELSE amount_app END), 0) FROM transactions "
                    "WHERE date BETWEEN ?1 AND ?2 AND is_transfer = 0 AND is_excluded = 0");
    statement.bind(1, period.start.secondsSinceReferenceDate).bind(2, period.end.secondsSinceReferenceDate);
    statement.step();
    return {statement.real(0), statement.real(1)};
}

SummaryCardItem hostSummaryItem(std::string title, const DateInterval& period, const PeriodTotals& totals) {
    const auto currency = makeAppBasedCurrencyFormatter();
    const auto percent = NumberFormatter::percent(Environment::current().localeIdentifier());
    // The share of the income spent; spending without income fills the bar.
    const double progress = totals.income > 0 ? totals.expense / totals.income : (totals.expense > 0 ? 1 : 0);
    const double difference = totals.income - totals.expense;
    return SummaryCardItem{std::move(title),
                           ZTDateIntervalFormatter().string(period),
                           currency.stringOrDash(totals.expense),
                           currency.stringOrDash(totals.income),
                           percent.string(progress).value_or("--"),
                           progress,
                           signColor(difference),
                           currency.stringOrDash(difference)};
}

ReportTransactionList hostTransactionsBetween(SqliteConnection& sql, const DateInterval& period,
                                              const std::set<std::string>* accountIds) {
    std::string query = std::string("SELECT ") + reportTransactionColumns + " FROM " +
                        reportTransactionJoins + " WHERE t.date BETWEEN ?1 AND ?2";
    if (accountIds) {
        // One placeholder per account: the ids are bound, never written into the SQL.
        query += " AND t.account_id IN (";
        for (std::size_t i = 0; i < accountIds->size(); ++i)
            query += (i ? ", ?" : "?") + std::to_string(i + 3);
        query += ")";
    }
    query += " ORDER BY t.date DESC, t.rowid DESC";
    auto statement = sql.prepare(query);
    statement.bind(1, period.start.secondsSinceReferenceDate).bind(2, period.end.secondsSinceReferenceDate);
    if (accountIds) {
        int index = 3;
        for (const auto& id : *accountIds)
            statement.bind(index++, id);
    }
    ReportTransactionList out;
    while (statement.step())
        out.push_back(reportTransactionFromRow(statement));
    return out;
}

// The longest one unit of a repetition can last: a day or week across a clock change, the longest
// month and year.
double hostLongestStepSeconds(const RepeatingStep& unit) {
    constexpr double day = 86400;
    switch (unit.component) {
    case CalendarComponent::day:
        return day + 3600;
    case CalendarComponent::weekOfYear:
        return 7 * day + 3600;
    case CalendarComponent::month:
        return 31 * day + 3600;
    case CalendarComponent::year:
        return 366 * day + 3600;
    default:
        return 366 * day + 3600;
    }
}

} // namespace

HostOverviewDatabase::HostOverviewDatabase(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)) {
    refreshCachedFigures();
}

void HostOverviewDatabase::refreshCachedFigures() {
    auto& sql = database_->connection();
    auto worth =
        sql.prepare("SELECT coalesce(sum(balance * exchange_rate), 0) FROM accounts WHERE is_archived = 0");
    worth.step();
    const double netWorth = worth.real(0);
    const int needingReview =
        static_cast<int>(sql.integer("SELECT count(*) FROM transactions WHERE needs_review = 1"));
    if (netWorth == netWorth_ && needingReview == needingReview_)
        return;
    objectWillChange.notify();
    netWorth_ = netWorth;
    needingReview_ = needingReview;
}

std::vector<Shortcut> HostOverviewDatabase::shortcuts() const {
    auto statement = database_->connection().prepare(
        "SELECT id, name, amount, type, category_name, category_image_name, account_name, currency_code, "
        "is_dynamic FROM shortcuts ORDER BY sort_order, name");
    std::vector<Shortcut> out;
    while (statement.step())
        out.push_back(
            Shortcut{statement.text(0), statement.text(1), statement.real(2),
                     fromRawValue<TransactionType>(statement.text(3)).value_or(TransactionType::expense),
                     statement.text(4), statement.text(5), statement.text(6), statement.optionalText(7),
                     statement.integer(8) != 0});
    return out;
}

std::vector<UpcomingBill> HostOverviewDatabase::bills() const {
    const auto month = hostCurrentMonth();
    const auto calendar = Calendar::current();
    // Read through the index of the few series: the planner would otherwise walk the date index
    // over every row before the month's end.
    auto statement = database_->connection().prepare(
        "SELECT t.id, coalesce(t.payee, t.description, c.name, ''), t.amount_app, t.date, "
        "coalesce(c.name, ''), coalesce(c.image_name, ''), a.name, t.currency_code, t.repeat_interval, "
        "t.repeat_until FROM transactions t INDEXED BY transactions_repeating "
        "JOIN accounts a ON a.id = t.account_id LEFT JOIN categories c ON c.id = t.category_id "
        "WHERE t.repeat_interval IS NOT NULL AND t.is_expense = 1 AND t.is_child_repeating = 0 "
        "AND t.date <= ?2 AND (t.repeat_until IS NULL OR t.repeat_until >= ?1)");
    statement.bind(1, month.start.secondsSinceReferenceDate).bind(2, month.end.secondsSinceReferenceDate);
    std::vector<UpcomingBill> bills;
    while (statement.step()) {
        const auto interval = fromRawValue<RepeatingInterval>(statement.text(8));
        if (!interval)
            continue;
        const Date first(statement.real(3));
        const Date until = statement.isNull(9) ? month.end : std::min(month.end, Date(statement.real(9)));
        const auto unit = step(*interval);
        // Every occurrence counts from the first one, so month ends do not drift (31st, 28th, 28th…).
        // Skipping ahead by the longest a step can last never passes the month's first occurrence.
        const double longest = hostLongestStepSeconds(unit) * unit.value;
        const int skipped = first < month.start ? static_cast<int>((month.start - first) / longest) : 0;
        for (int k = skipped;; ++k) {
            const auto due = calendar.adding(unit.component, k * unit.value, first);
            if (!due || *due > until)
                break;
            if (*due >= month.start)
                bills.push_back(UpcomingBill{statement.text(0) + "@" + std::to_string(k), statement.text(1),
                                             statement.real(2), *due, statement.text(4), statement.text(5),
                                             statement.text(6), statement.optionalText(7)});
        }
    }
    return upcomingBills(bills);
}

void HostOverviewDatabase::setVisibleAccountsInAccountCard(int count) {
    objectWillChange.notify();
    cardCounts_.setVisibleAccounts(count);
}

void HostOverviewDatabase::setVisibleShortcutsInShortcutCard(int count) {
    objectWillChange.notify();
    cardCounts_.setVisibleShortcuts(count);
}

void HostOverviewDatabase::calculateNetWorth() {
    refreshCachedFigures();
}

void HostOverviewDatabase::fetchGoals(Completion<std::vector<WidgetGoal>> completion) {
    auto statement =
        database_->connection().prepare("SELECT id, name, target_amount, saved_amount, target_date, "
                                        "image_name FROM goals ORDER BY sort_order");
    std::vector<WidgetGoal> goals;
    while (statement.step()) {
        WidgetGoal goal{statement.text(0), statement.text(1), statement.real(2),
                        statement.real(3), std::nullopt,      statement.text(5)};
        if (const auto date = statement.optionalReal(4))
            goal.targetDate = Date(*date);
        goals.push_back(std::move(goal));
    }
    deliverOnMain(std::move(completion), std::move(goals));
}

void HostOverviewDatabase::fetchAccounts(Completion<std::vector<WidgetAccount>> completion) {
    deliverOnMain(std::move(completion), database_->accounts());
}

void HostOverviewDatabase::fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) {
    deliverOnMain(std::move(completion), database_->accountsInOverview());
}

ReportTransactionList HostOverviewDatabase::fetchTransactions() {
    return hostTransactionsBetween(database_->connection(), hostCurrentMonth(), nullptr);
}

void HostOverviewDatabase::fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                                  Completion<ReportTransactionList> completion) {
    deliverOnMain(std::move(completion),
                  hostTransactionsBetween(database_->connection(), hostLastDays(1), &filteredAccountIds));
}

void HostOverviewDatabase::fetchTopCategories(Completion<std::vector<TopCategory>> completion) {
    const auto month = hostCurrentMonth();
    auto statement = database_->connection().prepare(
        "SELECT coalesce(c.name, ''), sum(t.amount_app) AS spent FROM transactions t "
        "LEFT JOIN categories c ON c.id = t.category_id "
        "WHERE t.date BETWEEN ?1 AND ?2 AND t.is_expense = 1 AND t.is_transfer = 0 AND t.is_excluded = 0 "
        "GROUP BY t.category_id ORDER BY spent DESC, c.sort_order");
    statement.bind(1, month.start.secondsSinceReferenceDate).bind(2, month.end.secondsSinceReferenceDate);
    std::vector<TopCategory> categories;
    while (statement.step())
        categories.push_back(
            TopCategory{statement.text(0), statement.real(1),
                        hostCategoryPalette[categories.size() % std::size(hostCategoryPalette)]});
    deliverOnMain(std::move(completion), std::move(categories));
}

void HostOverviewDatabase::reloadSummaryCardItems(Completion<SummaryCardItems> completion) {
    auto& sql = database_->connection();
    const auto month = hostCurrentMonth();
    const auto week = hostLastDays(7);
    const auto year = hostYearSoFar();
    const auto thirtyDays = hostLastDays(30);
    const auto monthTotals = hostTotals(sql, month);
    SummaryCardItems items{
        {SummaryCardItemType::week, hostSummaryItem(L("Week"), week, hostTotals(sql, week))},
        {SummaryCardItemType::month, hostSummaryItem(L("Month"), month, monthTotals)},
        {SummaryCardItemType::year, hostSummaryItem(L("Year"), year, hostTotals(sql, year))},
        {SummaryCardItemType::remainingForPeriod, hostSummaryItem(L("Remaining"), month, monthTotals)},
        {SummaryCardItemType::customPeriod,
         hostSummaryItem(L("Last 30 Days", "Summary card: the 30 days up to today"), thirtyDays,
                         hostTotals(sql, thirtyDays))},
    };
    deliverOnMain(std::move(completion), std::move(items));
}

std::shared_ptr<DailyLimitViewModel>
HostOverviewDatabase::makeDailyLimitViewModel(const std::set<std::string>& filteredAccountIds,
                                              const ReportTransactionList& todayTransactions) {
    auto calculator = std::make_shared<HostDailyLimitCalculator>(database_, filteredAccountIds);
    auto storage = std::make_shared<HostDailyLimitStorage>(database_);
    return std::make_shared<DailyLimitViewModel>(todayTransactions, storage->customAmount(), storage->type(),
                                                 std::move(calculator), std::move(storage),
                                                 [] { return Environment::current().now(); });
}

void HostOverviewDatabase::deleteShortcut(const Shortcut& shortcut) {
    database_->connection().prepare("DELETE FROM shortcuts WHERE id = ?1").bind(1, shortcut.id).run();
    dataDidChange();
}

void HostOverviewDatabase::toggle(bool isDynamic, const Shortcut& shortcut) {
    database_->connection()
        .prepare("UPDATE shortcuts SET is_dynamic = ?2 WHERE id = ?1")
        .bind(1, shortcut.id)
        .bind(2, isDynamic)
        .run();
    dataDidChange();
}

void HostOverviewDatabase::dataDidChange() {
    refreshCachedFigures();
    if (onDataChanged)
        onDataChanged();
}

} // namespace zt
