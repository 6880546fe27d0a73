#include "CategoryCellView.h"

#include "platform/StringTable.h"

#include <string>
#include <vector>

namespace zt {

namespace {
constexpr ui::Color orange{1.0, 149.0 / 255.0, 0.0};
}

CategoryCellView::CategoryCellView(std::shared_ptr<WidgetCategory> category, bool showsOrder)
    : category_(std::move(category)), showsOrder_(showsOrder) {}

ui::View CategoryCellView::body() const {
    std::vector<ui::View> texts{ui::text(category_->name).font(ui::Font::headline)};
    if (showsOrder_)
        texts.push_back(ui::text(L("Order: ", "Category row: the user's order number follows") +
                                 std::to_string(category_->order))
                            .font(ui::Font::caption)
                            .secondary());
    std::vector<ui::View> cells{ui::vstack(std::move(texts)), ui::spacer()};
    if (category_->isFavorite)
        cells.push_back(ui::image("star.fill").foregroundColor(orange).accessibilityLabel(L("Favorite")));
    return ui::hstack(std::move(cells));
}

} // namespace zt
