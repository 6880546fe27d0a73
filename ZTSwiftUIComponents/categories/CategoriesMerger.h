#pragma once

#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/Published.h"

#include <memory>

namespace zt {

/// Answers questions about a pending merge; hosts that show more than the library's screens
/// implement it.
class CategoriesMergerDataSource {
public:
    virtual ~CategoriesMergerDataSource() = default;
    /// How many transactions the merge would move into the destination.
    virtual std::size_t numberOfTransactions(const WidgetCategoryList& categories) const = 0;
};

/// One merge request: the categories to fold into a destination. It only carries the request.
class CategoriesMerger final : public ObservableObject {
public:
    CategoriesMerger(WidgetCategoryList categories, std::shared_ptr<WidgetCategory> destinationCategory,
                     std::weak_ptr<CategoriesMergerDataSource> dataSource = {})
        : categories_(std::move(categories)), destinationCategory_(std::move(destinationCategory)),
          dataSource(std::move(dataSource)) {}

    const WidgetCategoryList& categories() const { return categories_; }
    const std::shared_ptr<WidgetCategory>& destinationCategory() const { return destinationCategory_; }

private:
    WidgetCategoryList categories_;
    std::shared_ptr<WidgetCategory> destinationCategory_;

public:
    std::weak_ptr<CategoriesMergerDataSource> dataSource;
};

} // namespace zt
