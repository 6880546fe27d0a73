#include "HostCategoriesStore.h"

#include "HostWrite.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <map>
#include <utility>

namespace zt {

HostCategoriesStore::HostCategoriesStore(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)) {}

WidgetCategoryList HostCategoriesStore::categories(TransactionType type) {
    auto& sql = database_->connection();
    WidgetCategoryList list;
    std::map<std::string, std::shared_ptr<WidgetCategory>> byId;
    auto rows = sql.prepare("SELECT id, name, image_name, sort_order, is_favorite FROM categories WHERE type "
                            "= ?1 ORDER BY sort_order, name");
    rows.bind(1, rawValue(type));
    while (rows.step()) {
        auto category = std::make_shared<WidgetCategory>(rows.text(0), rows.text(1), rows.text(2), type,
                                                         static_cast<int>(rows.integer(3)),
                                                         std::vector<std::shared_ptr<WidgetSubcategory>>{});
        category->isFavorite = rows.integer(4) != 0;
        byId[category->id] = category;
        list.push_back(std::move(category));
    }
    auto subs = sql.prepare(
        "SELECT s.id, s.name, s.image_name, s.sort_order, s.category_id FROM subcategories s "
        "JOIN categories c ON c.id = s.category_id WHERE c.type = ?1 ORDER BY s.sort_order, s.name");
    subs.bind(1, rawValue(type));
    while (subs.step())
        byId.at(subs.text(4))
            ->subcategories->push_back(std::make_shared<WidgetSubcategory>(
                subs.text(0), subs.text(1), subs.text(2), static_cast<int>(subs.integer(3))));
    return list;
}

std::shared_ptr<CategoriesListModelData> HostCategoriesStore::makeModel() {
    auto model = std::make_shared<CategoriesListModelData>(categories(TransactionType::income),
                                                           categories(TransactionType::expense));
    attach(model);
    return model;
}

bool HostCategoriesStore::store(const char* what, const std::function<void(SqliteConnection&)>& write) {
    const bool stored = writeOrLog(*database_, what, write);
    if (const auto model = model_.lock())
        model->reload(categories(TransactionType::income), categories(TransactionType::expense));
    return stored;
}

ReportTransactionList HostCategoriesStore::query(const std::string& where, const std::string& id) const {
    auto rows = database_->connection().prepare(std::string("SELECT ") + reportTransactionColumns + " FROM " +
                                                reportTransactionJoins + where + " ORDER BY t.date DESC");
    if (!id.empty())
        rows.bind(1, id);
    ReportTransactionList list;
    while (rows.step())
        list.push_back(reportTransactionFromRow(rows));
    return list;
}

ReportTransactionList HostCategoriesStore::transactions(const WidgetCategory& category) const {
    return query(" WHERE t.category_id = ?1", category.id);
}

std::string HostCategoriesStore::locale() const {
    return Environment::current().localeIdentifier();
}

std::size_t HostCategoriesStore::numberOfTransactions(const WidgetCategoryList& categories) const {
    auto count = database_->connection().prepare("SELECT count(*) FROM transactions WHERE category_id = ?1");
    std::size_t total = 0;
    for (const auto& category : categories) {
        count.bind(1, category->id);
        if (count.step())
            total += static_cast<std::size_t>(count.integer(0));
        count.reset();
    }
    return total;
}

ReportTransactionList HostCategoriesStore::allTransactions() const {
    return query(" WHERE t.category_id IS NOT NULL", {});
}

void HostCategoriesStore::addCategory(TransactionType type) {
    if (onAddCategory)
        onAddCategory(type);
}

void HostCategoriesStore::editCategory(const std::shared_ptr<WidgetCategory>& category) {
    if (onEditCategory)
        onEditCategory(category);
}

void HostCategoriesStore::addSubcategory(const std::shared_ptr<WidgetCategory>& category) {
    if (onAddSubcategory)
        onAddSubcategory(category);
}

void HostCategoriesStore::editSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory) {
    if (onEditSubcategory)
        onEditSubcategory(subcategory);
}

void HostCategoriesStore::showTransactions(const std::shared_ptr<WidgetCategory>& category) {
    if (onShowTransactions)
        onShowTransactions(category);
}

void HostCategoriesStore::updateCategory(const std::shared_ptr<WidgetCategory>& category) {
    store("favourite", [&](SqliteConnection& sql) {
        // One favourite of each kind: setting one clears the others.
        if (category->isFavorite) {
            auto clear = sql.prepare("UPDATE categories SET is_favorite = 0 WHERE type = ?1 AND id <> ?2");
            clear.bind(1, rawValue(category->type)).bind(2, category->id).run();
        }
        auto set = sql.prepare("UPDATE categories SET is_favorite = ?2 WHERE id = ?1");
        set.bind(1, category->id).bind(2, category->isFavorite).run();
    });
}

void HostCategoriesStore::saveOrder(const WidgetCategoryList& categories) {
    store("category order", [&](SqliteConnection& sql) {
        auto update = sql.prepare("UPDATE categories SET sort_order = ?2 WHERE id = ?1");
        for (const auto& c : categories) {
            update.bind(1, c->id).bind(2, c->order).run();
        }
    });
}

void HostCategoriesStore::deleteCategories(const std::vector<std::string>& identifiers) {
    store("category deletion", [&](SqliteConnection& sql) {
        // The transactions stay, uncategorised (the schema clears their references).
        auto remove = sql.prepare("DELETE FROM categories WHERE id = ?1");
        for (const auto& id : identifiers) {
            remove.bind(1, id).run();
        }
    });
}

void HostCategoriesStore::saveSubcategoryOrder(const WidgetSubcategoryList& subcategories,
                                               const std::shared_ptr<WidgetCategory>& category) {
    store("subcategory order", [&](SqliteConnection& sql) {
        auto update =
            sql.prepare("UPDATE subcategories SET sort_order = ?2 WHERE id = ?1 AND category_id = ?3");
        for (const auto& s : subcategories) {
            update.bind(1, s->id).bind(2, s->order).bind(3, category->id).run();
        }
    });
}

void HostCategoriesStore::moveSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory,
                                          const std::shared_ptr<WidgetCategory>& destination) {
    store("subcategory move", [&](SqliteConnection& sql) {
        auto move = sql.prepare("UPDATE subcategories SET category_id = ?2 WHERE id = ?1");
        move.bind(1, subcategory->id).bind(2, destination->id).run();
        // Its transactions go with it, so category and subcategory of each still agree.
        auto follow = sql.prepare("UPDATE transactions SET category_id = ?2 WHERE subcategory_id = ?1");
        follow.bind(1, subcategory->id).bind(2, destination->id).run();
    });
}

void HostCategoriesStore::deleteSubcategories(const std::vector<std::string>& identifiers,
                                              const std::string& categoryId) {
    store("subcategory deletion", [&](SqliteConnection& sql) {
        // Their transactions stay in the category.
        auto remove = sql.prepare("DELETE FROM subcategories WHERE id = ?1 AND category_id = ?2");
        for (const auto& id : identifiers) {
            remove.bind(1, id).bind(2, categoryId).run();
        }
    });
}

void HostCategoriesStore::mergeCategories(const WidgetCategoryList& categories,
                                          const std::shared_ptr<WidgetCategory>& destination,
                                          std::function<void(bool)> completion) {
    const bool stored = store("category merge", [&](SqliteConnection& sql) {
        auto transactions = sql.prepare("UPDATE transactions SET category_id = ?2 WHERE category_id = ?1");
        auto subcategories =
            sql.prepare("UPDATE subcategories SET category_id = ?2, sort_order = sort_order + "
                        "(SELECT coalesce(max(sort_order) + 1, 0) FROM subcategories WHERE "
                        "category_id = ?2) WHERE category_id = ?1");
        auto remove = sql.prepare("DELETE FROM categories WHERE id = ?1");
        for (const auto& c : categories) {
            if (c->id == destination->id)
                continue;
            transactions.bind(1, c->id).bind(2, destination->id).run();
            subcategories.bind(1, c->id).bind(2, destination->id).run();
            remove.bind(1, c->id).run();
        }
    });
    if (completion)
        MainQueue::main().async([completion = std::move(completion), stored] { completion(stored); });
}

void HostCategoriesStore::mergeSubcategories(const WidgetSubcategoryList& subcategories,
                                             const std::shared_ptr<WidgetSubcategory>& destination) {
    store("subcategory merge", [&](SqliteConnection& sql) {
        auto owner = sql.prepare("SELECT category_id FROM subcategories WHERE id = ?1");
        owner.bind(1, destination->id);
        if (!owner.step())
            throw HostDatabaseError(HostDatabaseError::Reason::storeFailed,
                                    "no subcategory " + destination->id);
        const auto categoryId = owner.text(0);
        auto transactions = sql.prepare(
            "UPDATE transactions SET subcategory_id = ?2, category_id = ?3 WHERE subcategory_id = ?1");
        auto remove = sql.prepare("DELETE FROM subcategories WHERE id = ?1");
        for (const auto& s : subcategories) {
            if (s->id == destination->id)
                continue;
            transactions.bind(1, s->id).bind(2, destination->id).bind(3, categoryId).run();
            remove.bind(1, s->id).run();
        }
    });
}

} // namespace zt
