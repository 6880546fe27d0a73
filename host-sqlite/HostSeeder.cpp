#include "HostSeeder.h"

#include "HostCreditCards.h"
#include "ZTSwiftUIComponents/budgets/BudgetInterval.h"
#include "ZTSwiftUIComponents/budgets/BudgetType.h"
#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "mocks/MockAccountListStore.h"
#include "mocks/MockDatabase.h"
#include "mocks/MockTagDatabase.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/UUID.h"

#include <algorithm>
#include <map>

namespace zt {

namespace {

void seedCategories(SqliteConnection& sql) {
    auto category = sql.prepare("INSERT INTO categories (id, name, image_name, type, sort_order, "
                                "is_favorite) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    auto subcategory = sql.prepare("INSERT INTO subcategories (id, category_id, name, image_name, "
                                   "sort_order) VALUES (?1, ?2, ?3, ?4, ?5)");
    for (const auto& c : WidgetCategory::demo()) {
        category.bind(1, c->id).bind(2, c->name).bind(3, c->imageName).bind(4, rawValue(c->type));
        category.bind(5, c->order).bind(6, c->isFavorite).run();
        int order = 0;
        for (const auto& s : c->subcategories.value_or(std::vector<std::shared_ptr<WidgetSubcategory>>{}))
            subcategory.bind(1, s->id)
                .bind(2, c->id)
                .bind(3, s->name)
                .bind(4, s->imageName)
                .bind(5, order++)
                .run();
    }
    const auto& transfer = demo::transferCategory;
    category.bind(1, transfer.id).bind(2, transfer.name).bind(3, transfer.imageName);
    category.bind(4, rawValue(transfer.type)).bind(5, 1000).bind(6, false).run();
}

void seedAccounts(HostDatabase& database) {
    auto& sql = database.connection();
    auto group = sql.prepare("INSERT INTO account_groups (id, name, sort_order) VALUES (?1, ?2, ?3)");
    std::map<std::string, std::string> groupOf;
    int order = 0;
    for (const auto& item : MockAccountListStore::demoGroups()) {
        if (item.isNoGroup())
            continue;
        group.bind(1, item.id).bind(2, item.name).bind(3, order++).run();
        for (const auto& account : item.items)
            groupOf[account.id] = item.id;
    }
    order = 0;
    for (auto account : WidgetAccount::demo()) {
        const auto found = groupOf.find(account.id);
        account.groupId = found == groupOf.end() ? std::nullopt : std::optional(found->second);
        database.insertAccount(account, order++);
    }
}

// The demo's transactions as the host stores them. Of each repeating family (one id slot), the
// oldest occurrence becomes the series, monthly; the later ones stay its occurrences.
std::vector<HostTransaction> demoHostTransactions(SqliteConnection& sql) {
    auto all = ReportTransaction::demo();
    const auto trip = ReportTransaction::demoInMulticurrency();
    all.insert(all.end(), trip.begin(), trip.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return a->date() < b->date(); });

    auto subcategoryId = sql.prepare("SELECT id FROM subcategories WHERE category_id = ?1 AND name = ?2");
    auto categoryExists = sql.prepare("SELECT 1 FROM categories WHERE id = ?1");
    const Date now = Environment::current().now();
    const auto calendar = Calendar::current();
    const Date reviewFrom =
        calendar.startOfDay(calendar.adding(CalendarComponent::day, -6, now).value_or(now));

    std::map<std::string, bool> seriesStarted;
    std::vector<HostTransaction> out;
    for (const auto& r : all) {
        HostTransaction t;
        t.id = r->identifier();
        t.accountId = r->accountId();
        categoryExists.bind(1, r->categoryId());
        if (categoryExists.step())
            t.categoryId = r->categoryId();
        categoryExists.reset();
        if (t.categoryId && r->subcategoryName()) {
            subcategoryId.bind(1, *t.categoryId).bind(2, *r->subcategoryName());
            if (subcategoryId.step())
                t.subcategoryId = subcategoryId.text(0);
            subcategoryId.reset();
        }
        t.amountInAppCurrency = r->amount();
        t.amount = r->amountOriginalCurrency().value_or(r->amount());
        t.currencyCode = r->currencyCode();
        t.exchangeRate = t.amount != 0 ? t.amountInAppCurrency / t.amount : 1;
        t.isExpense = r->isExpense();
        t.isTransfer = r->isTransfer();
        t.date = r->date();
        t.payee = r->payee();
        t.description = r->descriptionText();
        t.isExcludedFromCalculations = r->isExcludedFromCalculations();
        t.isDynamicShortcut = r->isDynamicShortcut();
        t.needsReview = r->date() >= reviewFrom && r->date() <= now;
        if (r->isChildRepeating()) {
            // demo-YYYY-MM-<slot>
            const auto slot = t.id.size() > 13 ? t.id.substr(13) : t.id;
            if (std::exchange(seriesStarted[slot], true))
                t.isChildRepeating = true;
            else
                t.repeatInterval = RepeatingInterval::monthly;
        }
        out.push_back(std::move(t));
    }
    return out;
}

// The demo budgets, monthly for a year now, so the current calendar month is their period.
void seedBudgets(SqliteConnection& sql) {
    const auto calendar = Calendar::current();
    const Date thisMonth = calendar.startOfMonth(Environment::current().now());
    const Date start = calendar.adding(CalendarComponent::month, -11, thisMonth).value_or(thisMonth);
    auto budget = sql.prepare("INSERT INTO budgets (id, budget_type, name, emoji, limit_amount, interval, "
                              "start_date, sort_order) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    auto category =
        sql.prepare("INSERT INTO budget_categories (budget_id, category_id, position) VALUES (?1, ?2, ?3)");
    int order = 0;
    for (const auto& b : WidgetBudget::demoBudgets()) {
        const auto type = b.categoryIds.size() > 1 ? BudgetType::custom : BudgetType::category;
        budget.bind(1, b.id).bind(2, rawValue(type)).bind(3, b.name).bind(4, b.emojiAttributed.value_or(""));
        budget.bind(5, b.limit).bind(6, rawValue(BudgetInterval::month));
        budget.bind(7, start.secondsSinceReferenceDate).bind(8, order++).run();
        int position = 0;
        for (const auto& id : b.categoryIds)
            category.bind(1, b.id).bind(2, id).bind(3, position++).run();
    }
}

} // namespace

bool seedDemoData(HostDatabase& database) {
    auto& sql = database.connection();
    SqliteTransaction write(sql);
    if (sql.integer("SELECT count(*) FROM accounts") > 0)
        return false;
    seedCategories(sql);
    seedAccounts(database);

    auto goal =
        sql.prepare("INSERT INTO goals (id, name, target_amount, saved_amount, target_date, image_name, "
                    "sort_order) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    int order = 0;
    for (const auto& g : WidgetGoal::demoGoals()) {
        goal.bind(1, g.id).bind(2, g.name).bind(3, g.targetAmount).bind(4, g.savedAmount);
        goal.bind(5, g.targetDate ? std::optional(g.targetDate->secondsSinceReferenceDate) : std::nullopt);
        goal.bind(6, g.imageName).bind(7, order++).run();
    }
    auto shortcut = sql.prepare(
        "INSERT INTO shortcuts (id, name, amount, type, category_name, category_image_name, account_name, "
        "currency_code, is_dynamic, sort_order) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    order = 0;
    for (const auto& s : Shortcut::demo()) {
        shortcut.bind(1, s.id)
            .bind(2, s.name)
            .bind(3, s.amount)
            .bind(4, rawValue(s.type))
            .bind(5, s.categoryName);
        shortcut.bind(6, s.categoryImageName).bind(7, s.accountName).bind(8, s.currencyCode);
        shortcut.bind(9, s.isDynamic).bind(10, order++).run();
    }
    auto payee = sql.prepare("INSERT INTO payees (id, name, display_order) VALUES (?1, ?2, ?3)");
    for (const auto& p : MockDatabase().fetchPayees())
        payee.bind(1, p->id().value_or(makeUUIDString())).bind(2, p->name()).bind(3, p->displayOrder()).run();
    auto tag = sql.prepare("INSERT INTO tags (id, name, order_position) VALUES (?1, ?2, ?3)");
    for (const auto& t : MockTagDatabase().fetchTags())
        tag.bind(1, t->id().value_or(makeUUIDString())).bind(2, t->name()).bind(3, t->orderPosition()).run();
    database.importTransactions(demoHostTransactions(sql));
    seedDemoCreditCards(database);
    seedBudgets(sql);
    write.commit();
    return true;
}

} // namespace zt
