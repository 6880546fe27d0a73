#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesStore.h"

namespace zt {

/// The demo data source: no transactions, the environment's locale.
class MockCategoriesStoreDataSource final : public CategoriesStoreDataSource {
public:
    ReportTransactionList transactions(const WidgetCategory& category) const override;
    std::string locale() const override;
    ReportTransactionList allTransactions() const override;
};

} // namespace zt
