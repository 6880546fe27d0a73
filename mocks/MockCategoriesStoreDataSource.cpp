#include "MockCategoriesStoreDataSource.h"

#include "platform/Environment.h"

namespace zt {

ReportTransactionList MockCategoriesStoreDataSource::transactions(const WidgetCategory&) const {
    return {};
}

std::string MockCategoriesStoreDataSource::locale() const {
    return Environment::current().localeIdentifier();
}

ReportTransactionList MockCategoriesStoreDataSource::allTransactions() const {
    return {};
}

} // namespace zt
