#include "CategoryRow.h"

#include "platform/StringTable.h"

namespace zt {

CategoryRow::CategoryRow(BudgetCategory category, ui::ScreenState<CategorySelection> selection)
    : category_(std::move(category)), selection_(std::move(selection)) {}

ui::View CategoryRow::body() const {
    const bool selected = selection_->isSelected(category_);
    const bool hasSubcategories = !category_.subcategories.empty();
    const auto toggleSelection = selection_.action([c = category_](CategorySelection& s) { s.toggle(c); });

    std::vector<ui::View> content{ui::label(category_.name, category_.icon)};
    if (hasSubcategories)
        content.push_back(ui::image(selection_->isExpanded(category_) ? "chevron.up" : "chevron.down"));
    const auto tapRow = hasSubcategories
                            ? std::function<void()>(selection_.action(
                                  [c = category_](CategorySelection& s) { s.toggleExpanded(c); }))
                            : std::function<void()>(toggleSelection);

    return ui::row(
               {
                   ui::button({}, selected ? "checkmark.circle.fill" : "circle", toggleSelection)
                       .accessibilityLabel(format(
                           L("Select %@", "Category chooser: the selection mark of a row"), category_.name))
                       .id("select-" + category_.id),
                   ui::button(tapRow, {ui::hstack(std::move(content))}).id("row-" + category_.id),
               })
        .id(category_.id);
}

} // namespace zt
