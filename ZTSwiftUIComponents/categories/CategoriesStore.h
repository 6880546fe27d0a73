#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/Published.h"

#include <memory>
#include <string>

namespace zt {

/// What the category screens read from the host.
class CategoriesStoreDataSource {
public:
    virtual ~CategoriesStoreDataSource() = default;

    /// The transactions booked on the category.
    virtual ReportTransactionList transactions(const WidgetCategory& category) const = 0;
    /// The locale amounts of the category screens are formatted in.
    virtual std::string locale() const = 0;
    /// Every transaction the host would show for the whole category list; for hosts that add
    /// screens of their own.
    virtual ReportTransactionList allTransactions() const = 0;
};

/// What the category screens ask the host to do.
class CategoriesStoreDelegate {
public:
    virtual ~CategoriesStoreDelegate() = default;
    /// "View transactions" on a category's details.
    virtual void showTransactions(const std::shared_ptr<WidgetCategory>& category) = 0;
};

/// The host's store behind the category screens. It holds its data source and delegate weakly:
/// once the host lets one go, queries yield nothing and requests are skipped.
class CategoriesStore final : public ObservableObject {
public:
    /// A store over the host's data source; the delegate is set afterwards.
    explicit CategoriesStore(std::weak_ptr<CategoriesStoreDataSource> dataSource);

    /// Answers the screens' queries.
    std::weak_ptr<CategoriesStoreDataSource> dataSource;
    /// Hears what the user does on the screens.
    std::weak_ptr<CategoriesStoreDelegate> delegate;

    /// The data source's transactions of the category; none without a data source.
    ReportTransactionList transactions(const WidgetCategory& category) const;
    /// The data source's locale; the environment's without one.
    std::string locale() const;
    /// Hands "View transactions" to the delegate; nothing without one.
    void showTransactions(const std::shared_ptr<WidgetCategory>& category) const;
};

} // namespace zt
