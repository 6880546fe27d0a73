#include "HostQuickEntryViewModel.h"

#include "HostCategoriesStore.h"
#include "platform/UUID.h"

namespace zt {

namespace {

WidgetCategoryList quickEntryCategories(const std::shared_ptr<HostDatabase>& database) {
    HostCategoriesStore categories(database);
    auto list = categories.categories(TransactionType::expense);
    const auto income = categories.categories(TransactionType::income);
    list.insert(list.end(), income.begin(), income.end());
    return list;
}

} // namespace

HostQuickEntryViewModel::HostQuickEntryViewModel(std::shared_ptr<HostOverviewDatabase> overview)
    : ParsedQuickEntryViewModel(excludedArchived(overview->database()->accounts()),
                                quickEntryCategories(overview->database())),
      overview_(std::move(overview)) {}

std::vector<std::string> HostQuickEntryViewModel::recentDescriptions() const {
    // The newest rows through the date index; the caller skips repeats.
    auto rows = overview_->database()->connection().prepare(
        "SELECT description FROM transactions WHERE description IS NOT NULL ORDER BY date DESC LIMIT ?1");
    rows.bind(1, describedTransactions);
    std::vector<std::string> descriptions;
    while (rows.step())
        descriptions.push_back(rows.text(0));
    return descriptions;
}

void HostQuickEntryViewModel::store(const std::vector<QuickEntry>& entries) {
    auto& database = *overview_->database();
    {
        SqliteTransaction line(database.connection());
        for (const auto& entry : entries) {
            const auto& account = accountList()[entry.account.value_or(0)];
            const auto category = entry.category ? categoryList()[*entry.category] : nullptr;
            auto t = hostTransactionOn(account, entry.amount, !category || !category->isIncome(), date());
            t.id = makeUUIDString();
            if (category)
                t.categoryId = category->id;
            if (!entry.description.empty())
                t.description = entry.description;
            database.insertTransaction(t);
        }
        line.commit();
    }
    overview_->dataDidChange();
}

} // namespace zt
