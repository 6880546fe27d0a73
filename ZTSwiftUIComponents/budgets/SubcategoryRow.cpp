#include "SubcategoryRow.h"

namespace zt {

SubcategoryRow::SubcategoryRow(BudgetSubcategory subcategory, BudgetCategory parent,
                               ui::ScreenState<CategorySelection> selection)
    : subcategory_(std::move(subcategory)), parent_(std::move(parent)), selection_(std::move(selection)) {}

ui::View SubcategoryRow::body() const {
    const bool selected = selection_->isSelected(subcategory_);
    return ui::row(
               {
                   ui::image("arrow.turn.down.right"),
                   ui::button(selection_.action([sub = subcategory_, parent = parent_](CategorySelection& s) {
                       s.toggle(sub, parent);
                   }),
                              {ui::label(subcategory_.name, selected ? "checkmark.circle.fill" : "circle")})
                       .id("select-" + subcategory_.id),
               })
        .id(subcategory_.id);
}

} // namespace zt
