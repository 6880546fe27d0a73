#pragma once

#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// One category row: the name, optionally the user's order number, and an orange star on the
/// favourite.
class CategoryCellView {
public:
    CategoryCellView(std::shared_ptr<WidgetCategory> category, bool showsOrder);

    ui::View body() const;

private:
    std::shared_ptr<WidgetCategory> category_;
    bool showsOrder_;
};

} // namespace zt
