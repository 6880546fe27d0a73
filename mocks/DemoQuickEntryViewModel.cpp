#include "DemoQuickEntryViewModel.h"

#include "DemoTransactionRecord.h"

namespace zt {

DemoQuickEntryViewModel::DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database)
    : DemoQuickEntryViewModel(std::move(database), excludedArchived(WidgetAccount::demo()),
                              WidgetCategory::demo()) {}

DemoQuickEntryViewModel::DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                                 std::vector<WidgetAccount> accounts,
                                                 std::vector<std::shared_ptr<WidgetCategory>> categories)
    : ParsedQuickEntryViewModel(std::move(accounts), std::move(categories)), database_(std::move(database)) {}

std::vector<std::string> DemoQuickEntryViewModel::recentDescriptions() const {
    std::vector<std::string> descriptions;
    for (const auto& transaction : database_->fetchTransactions())
        if (const auto& description = transaction->descriptionText())
            descriptions.push_back(*description);
    return descriptions;
}

void DemoQuickEntryViewModel::store(const std::vector<QuickEntry>& entries) {
    for (const auto& entry : entries) {
        const auto& account = accountList()[entry.account.value_or(0)];
        const auto category = entry.category ? categoryList()[*entry.category] : nullptr;
        database_->add(demoTransactionRecord(
            account, entry.amount, demoAccountRate(account), !category || !category->isIncome(), false,
            category ? category->name : std::string{}, date(),
            entry.description.empty() ? std::nullopt : std::optional(entry.description)));
    }
}

} // namespace zt
