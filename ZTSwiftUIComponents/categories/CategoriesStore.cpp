#include "CategoriesStore.h"

#include "platform/Environment.h"

namespace zt {

CategoriesStore::CategoriesStore(std::weak_ptr<CategoriesStoreDataSource> dataSource)
    : dataSource(std::move(dataSource)) {}

ReportTransactionList CategoriesStore::transactions(const WidgetCategory& category) const {
    if (const auto source = dataSource.lock())
        return source->transactions(category);
    return {};
}

std::string CategoriesStore::locale() const {
    if (const auto source = dataSource.lock())
        return source->locale();
    return Environment::current().localeIdentifier();
}

void CategoriesStore::showTransactions(const std::shared_ptr<WidgetCategory>& category) const {
    if (const auto target = delegate.lock())
        target->showTransactions(category);
}

} // namespace zt
