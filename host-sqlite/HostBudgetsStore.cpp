#include "HostBudgetsStore.h"

#include "HostBudgetPeriod.h"
#include "HostCategoriesStore.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Environment.h"
#include "platform/UUID.h"

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

using Reason = HostDatabaseError::Reason;

// The transactions a budget (?1) covers: those of its categories that have no chosen
// subcategory, and those of its chosen subcategories. Each side is one indexed lookup.
constexpr const char* budgetCoverage =
    "(t.category_id IN (SELECT bc.category_id FROM budget_categories bc WHERE bc.budget_id = ?1 "
    "AND NOT EXISTS (SELECT 1 FROM budget_subcategories bs JOIN subcategories s ON s.id = bs.subcategory_id "
    "WHERE bs.budget_id = ?1 AND s.category_id = bc.category_id)) "
    "OR t.subcategory_id IN (SELECT subcategory_id FROM budget_subcategories WHERE budget_id = ?1)) "
    "AND t.is_expense = 1 AND t.is_transfer = 0 AND t.is_excluded = 0";

void requireStorableAmount(double value, const char* what) {
    requireFiniteAmount(value, what);
    if (value < 0)
        throw HostDatabaseError(Reason::invalidRecord, std::string(what) + " is below zero");
}

std::vector<std::string> budgetCategoryIds(SqliteConnection& sql, const std::string& id) {
    auto rows =
        sql.prepare("SELECT category_id FROM budget_categories WHERE budget_id = ?1 ORDER BY position");
    rows.bind(1, id);
    std::vector<std::string> ids;
    while (rows.step())
        ids.push_back(rows.text(0));
    return ids;
}

double budgetSpent(SqliteConnection& sql, const std::string& id, const HostBudgetPeriod& period) {
    auto sum = sql.prepare(std::string("SELECT coalesce(sum(t.amount_app), 0) FROM transactions t WHERE ") +
                           budgetCoverage + " AND t.date >= ?2 AND (?3 IS NULL OR t.date < ?3)");
    sum.bind(1, id).bind(2, period.start.secondsSinceReferenceDate);
    sum.bind(3, period.end ? std::optional(period.end->secondsSinceReferenceDate) : std::nullopt);
    sum.step();
    return sum.real(0);
}

// What a rollover budget brings into its period starting at `until` from the periods that began at
// `starts`: each passes on what it left of its limit and of what it was brought. Overspending is
// not carried: a period never starts below its limit.
double budgetCarriedOver(SqliteConnection& sql, const std::string& id, double limit,
                         const std::vector<Date>& starts, Date until) {
    if (starts.empty())
        return 0;
    auto rows = sql.prepare(std::string("SELECT t.date, t.amount_app FROM transactions t WHERE ") +
                            budgetCoverage + " AND t.date >= ?2 AND t.date < ?3 ORDER BY t.date");
    rows.bind(1, id)
        .bind(2, starts.front().secondsSinceReferenceDate)
        .bind(3, until.secondsSinceReferenceDate);
    double carried = 0;
    double spent = 0;
    std::size_t period = 0;
    const auto close = [&] {
        carried = std::max(0.0, limit + carried - spent);
        spent = 0;
        ++period;
    };
    while (rows.step()) {
        while (period + 1 < starts.size() && rows.real(0) >= starts[period + 1].secondsSinceReferenceDate)
            close();
        spent += rows.real(1);
    }
    while (period < starts.size())
        close();
    return carried;
}

} // namespace

HostBudgetsStore::HostBudgetsStore(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)), formatter_(makeAppBasedCurrencyFormatter()) {}

void HostBudgetsStore::load() {
    auto& sql = database_->connection();
    const auto& environment = Environment::current();
    const Calendar calendar = environment.calendar();
    const Date now = environment.now();
    auto rows =
        sql.prepare("SELECT id, name, emoji, limit_amount, interval, start_date, end_date, is_rollover "
                    "FROM budgets ORDER BY sort_order, name");
    std::vector<WidgetBudget> budgets;
    while (rows.step()) {
        WidgetBudget budget;
        budget.id = rows.text(0);
        budget.name = rows.text(1);
        if (auto emoji = rows.text(2); !emoji.empty())
            budget.emojiAttributed = std::move(emoji);
        budget.limit = rows.real(3);
        const auto interval = fromRawValue<BudgetInterval>(rows.text(4)).value_or(BudgetInterval::month);
        const auto end = rows.optionalReal(6);
        const Date start(rows.real(5));
        const auto period =
            hostBudgetPeriod(interval, start, end ? std::optional(Date(*end)) : std::nullopt, now, calendar);
        if (rows.integer(7) != 0 && period.state != HostBudgetPeriod::State::upcoming)
            budget.limit += budgetCarriedOver(sql, budget.id, budget.limit,
                                              hostBudgetPeriodStarts(interval, start, period.start, calendar),
                                              period.start);
        budget.categoryIds = budgetCategoryIds(sql, budget.id);
        // Nothing can have been spent in a period that has not begun.
        budget.spent =
            period.state == HostBudgetPeriod::State::upcoming ? 0 : budgetSpent(sql, budget.id, period);
        budget.remaining = budget.limit - budget.spent;
        budget.remainingDays = period.remainingDays(now, calendar);
        if (budget.remainingDays && *budget.remainingDays > 0)
            budget.dailyBudget = std::max(0.0, budget.remaining) / *budget.remainingDays;
        budgets.push_back(std::move(budget));
    }
    budgets_.set(std::move(budgets));
}

void HostBudgetsStore::remove(const WidgetBudget& budget) {
    try {
        SqliteTransaction transaction(database_->connection());
        // The category and subcategory rows go with it (ON DELETE CASCADE).
        database_->connection().prepare("DELETE FROM budgets WHERE id = ?1").bind(1, budget.id).run();
        transaction.commit();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot delete the budget: ") + e.what());
    }
    load();
}

ReportTransactionList HostBudgetsStore::transactions(const WidgetBudget& budget, Date from, Date to) {
    auto rows = database_->connection().prepare(std::string("SELECT ") + reportTransactionColumns + " FROM " +
                                                reportTransactionJoins + " WHERE " + budgetCoverage +
                                                " AND t.date BETWEEN ?2 AND ?3 ORDER BY t.date DESC, t.id");
    rows.bind(1, budget.id).bind(2, from.secondsSinceReferenceDate).bind(3, to.secondsSinceReferenceDate);
    ReportTransactionList out;
    while (rows.step())
        out.push_back(reportTransactionFromRow(rows));
    return out;
}

void HostBudgetsStore::save(const NewBudget& budget) {
    requireStorableAmount(budget.limit, "the budget's limit");
    for (const auto& [id, limit] : budget.subcategoryBudgets)
        requireStorableAmount(limit, "a subcategory's limit");
    if (!std::isfinite(budget.startDate.secondsSinceReferenceDate) ||
        (budget.endDate && !std::isfinite(budget.endDate->secondsSinceReferenceDate)))
        throw HostDatabaseError(Reason::invalidRecord, "the budget's dates are not finite");
    const auto id = budget.id.value_or(makeUUIDString());
    auto& sql = database_->connection();
    try {
        SqliteTransaction transaction(sql);
        // An update keeps the budget's place in the list.
        sql.prepare("INSERT INTO budgets (id, budget_type, name, emoji, limit_amount, is_rollover, interval, "
                    "start_date, end_date, sort_order) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                    "(SELECT coalesce(max(sort_order), -1) + 1 FROM budgets)) "
                    "ON CONFLICT(id) DO UPDATE SET budget_type = excluded.budget_type, name = excluded.name, "
                    "emoji = excluded.emoji, limit_amount = excluded.limit_amount, is_rollover = "
                    "excluded.is_rollover, interval = excluded.interval, start_date = excluded.start_date, "
                    "end_date = excluded.end_date")
            .bind(1, id)
            .bind(2, rawValue(budget.budgetType))
            .bind(3, budget.name)
            .bind(4, budget.emoji)
            .bind(5, budget.limit)
            .bind(6, budget.isRollover)
            .bind(7, rawValue(budget.interval))
            .bind(8, budget.startDate.secondsSinceReferenceDate)
            .bind(9, budget.endDate ? std::optional(budget.endDate->secondsSinceReferenceDate) : std::nullopt)
            .run();
        sql.prepare("DELETE FROM budget_categories WHERE budget_id = ?1").bind(1, id).run();
        sql.prepare("DELETE FROM budget_subcategories WHERE budget_id = ?1").bind(1, id).run();
        auto category = sql.prepare("INSERT INTO budget_categories (budget_id, category_id, position) "
                                    "VALUES (?1, ?2, ?3)");
        std::vector<const BudgetCategory*> covered{&budget.categories.category};
        for (const auto& additional : budget.categories.additionalCategories)
            covered.push_back(&additional);
        for (std::size_t position = 0; position < covered.size(); ++position) {
            category.bind(1, id)
                .bind(2, covered[position]->id)
                .bind(3, static_cast<std::int64_t>(position))
                .run();
        }
        auto subcategory =
            sql.prepare("INSERT INTO budget_subcategories (budget_id, subcategory_id, limit_amount) "
                        "VALUES (?1, ?2, ?3)");
        for (const auto& chosen : budget.categories.selectedSubcategories) {
            const auto limit = budget.subcategoryBudgets.find(chosen);
            subcategory.bind(1, id).bind(2, chosen);
            subcategory.bind(3, limit != budget.subcategoryBudgets.end() ? std::optional(limit->second)
                                                                         : std::nullopt);
            subcategory.run();
        }
        transaction.commit();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot store the budget: ") + e.what());
    }
    load();
}

std::vector<BudgetCategory> HostBudgetsStore::categories() const {
    return budgetCategories(HostCategoriesStore(database_).categories(TransactionType::expense));
}

std::optional<NewBudget> HostBudgetsStore::budgetForEditing(const WidgetBudget& stored) const {
    auto& sql = database_->connection();
    auto row =
        sql.prepare("SELECT budget_type, name, emoji, limit_amount, is_rollover, interval, start_date, "
                    "end_date FROM budgets WHERE id = ?1");
    row.bind(1, stored.id);
    if (!row.step())
        return std::nullopt;
    NewBudget budget;
    budget.id = stored.id;
    budget.budgetType = budgetTypeFromRawValue(row.integer(0)).value_or(BudgetType::category);
    budget.name = row.text(1);
    budget.emoji = row.text(2);
    budget.limit = row.real(3);
    budget.isRollover = row.integer(4) != 0;
    budget.interval = fromRawValue<BudgetInterval>(row.text(5)).value_or(BudgetInterval::month);
    budget.startDate = Date(row.real(6));
    if (const auto end = row.optionalReal(7))
        budget.endDate = Date(*end);

    const auto all = categories();
    bool first = true;
    for (const auto& id : budgetCategoryIds(sql, stored.id)) {
        const auto category =
            std::find_if(all.begin(), all.end(), [&](const BudgetCategory& c) { return c.id == id; });
        if (category == all.end())
            continue;
        if (first)
            budget.categories.category = *category;
        else
            budget.categories.additionalCategories.push_back(*category);
        first = false;
    }
    auto subcategories = sql.prepare(
        "SELECT subcategory_id, coalesce(limit_amount, 0) FROM budget_subcategories WHERE budget_id = ?1");
    subcategories.bind(1, stored.id);
    while (subcategories.step()) {
        budget.categories.selectedSubcategories.insert(subcategories.text(0));
        budget.subcategoryBudgets[subcategories.text(0)] = subcategories.real(1);
    }
    return budget;
}

} // namespace zt
