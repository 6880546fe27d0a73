#include "CategoryPickerScreen.h"

#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <string>

namespace zt {

CategoryPickerScreen::CategoryPickerScreen(std::shared_ptr<CategoryPickerModel> model)
    : model_(std::move(model)) {}

std::shared_ptr<CategoryPickerModel> CategoryPickerScreen::makeModel(WidgetCategoryList incomeCategories,
                                                                     WidgetCategoryList expenseCategories,
                                                                     TransactionType type) {
    return std::make_shared<CategoryPickerModel>(std::move(incomeCategories), std::move(expenseCategories),
                                                 type);
}

ui::View CategoryPickerScreen::subcategoryButton(const std::shared_ptr<WidgetSubcategory>& subcategory,
                                                 const std::shared_ptr<WidgetCategory>& category) const {
    return ui::button([model = model_, subcategory, category] { model->select(subcategory, category); },
                      {ui::text(subcategory->name)})
        .id(subcategory->id);
}

std::vector<ui::View> CategoryPickerScreen::categoryControls(const std::shared_ptr<WidgetCategory>& category,
                                                             std::size_t shownSubcategories) const {
    const auto model = model_;
    std::vector<ui::View> controls{
        ui::button([model, category] { model->select(category); },
                   {ui::label(category->name, category->imageName)})
            .id(category->id),
    };
    if (model->isFavorite(*category))
        controls.push_back(ui::image("star.fill").accessibilityLabel(L("Favorite")));
    if (shownSubcategories > 0) {
        const bool expanded = model->expandedCategories().contains(category->id);
        controls.push_back(ui::button([model, id = category->id] { model->toggleExpanded(id); },
                                      {ui::image(expanded ? "chevron.down" : "chevron.right"),
                                       ui::text(format("%lld", static_cast<long long>(shownSubcategories)))})
                               .id("expand-" + category->id));
    }
    controls.push_back(categoryMenu(category));
    return controls;
}

ui::View CategoryPickerScreen::categoryMenu(const std::shared_ptr<WidgetCategory>& category) const {
    const auto model = model_;
    const auto weak = state_.weak();
    return ui::menu(
               L("More"), "ellipsis",
               {
                   ui::button(L("Edit"), "pencil", state_.action([category, weak](State& s) {
                       s.editForm.emplace(
                           true, category->name, category->type, category->imageName,
                           [](const NewCategoryScreen::Result&) {},
                           [weak] {
                               if (const auto st = weak.lock())
                                   st->isEditing = false;
                           });
                       s.isEditing = true;
                   })),
                   ui::button(L("Favorite"), "star", [model, category] { model->markFavorite(category); }),
                   ui::button(L("New Subcategory"), "plus", state_.action([model, category, weak](State& s) {
                       model->addSubcategory(category, true);
                       s.subcategoryForm.emplace(
                           false, std::string(), [](const std::string&) {},
                           [weak] {
                               if (const auto st = weak.lock())
                                   st->isAddingSubcategory = false;
                           });
                       s.isAddingSubcategory = true;
                   })),
                   ui::button(L("Delete"), "trash",
                              [model, category] {
                                  model->requestDelete({category, nullptr});
                              })
                       .role(ui::ButtonRole::destructive),
               })
        .id("menu-" + category->id);
}

ui::View CategoryPickerScreen::addSubcategoryRow(const std::shared_ptr<WidgetCategory>& category) const {
    const auto model = model_;
    const auto weak = state_.weak();
    return ui::button(L("New Subcategory"), "plus.circle", state_.action([model, category, weak](State& s) {
               model->addSubcategory(category, false);
               s.subcategoryForm.emplace(
                   false, std::string(), [](const std::string&) {},
                   [weak] {
                       if (const auto st = weak.lock())
                           st->isAddingSubcategory = false;
                   });
               s.isAddingSubcategory = true;
           }))
        .id("add-" + category->id);
}

ui::View CategoryPickerScreen::body() const {
    const auto model = model_;
    const auto& state = *state_;
    const auto categories = model->shownCategories();

    std::vector<ui::View> content;
    content.push_back(ui::toggle(L("Search on start"), model->searchOnStart(), [model](bool on) {
                          model->setSearchOnStart(on);
                      }).id("searchOnStart"));
    if (model->isSearching())
        content.push_back(ui::textField(L("Search"), model->searchText(), [model](const std::string& text) {
                              model->searchText.set(text);
                          }).id("search"));
    else
        content.push_back(
            ui::button(L("Search"), "magnifyingglass", [model] { model->isSearching.set(true); }));

    if (categories.empty())
        content.push_back(
            ui::vstack({ui::image("zentEmptyScreen").id("emptyImage"),
                        ui::emptyState(L("No Results Found"), L("Try searching with different keywords"),
                                       "magnifyingglass")}));
    else
        content.push_back(layout(categories));

    // The confirmation names what goes: a category or one of its subcategories.
    const auto& pending = model->pendingDelete();
    const bool isSubcategory = pending && pending->subcategory;
    const std::string name = !pending            ? std::string()
                             : isSubcategory     ? pending->subcategory->name
                             : pending->category ? pending->category->name
                                                 : std::string();
    content.push_back(
        ui::confirmationDialog(
            isSubcategory ? L("Delete Subcategory") : L("Delete Category"),
            format(L("Are you sure you want to delete '%@'? This action cannot be undone."), name),
            pending.has_value(),
            [model](bool presented) {
                if (!presented && model->pendingDelete())
                    model->cancelDelete();
            },
            {
                ui::button(L("Delete"),
                           [model, request = pending.value_or(CategoryPickerModel::PendingDelete{})] {
                               model->confirmDelete(request);
                           })
                    .role(ui::ButtonRole::destructive),
                ui::button(L("Cancel"), [model] { model->cancelDelete(); }).role(ui::ButtonRole::cancel),
            })
            .id("deleteConfirmation"));
    content.push_back(ui::sheet(L("Edit Category"), state.isEditing, state_.binding(&State::isEditing),
                                {state.editForm ? state.editForm->body() : ui::group()}));
    content.push_back(ui::sheet(L("New Subcategory"), state.isAddingSubcategory,
                                state_.binding(&State::isAddingSubcategory),
                                {state.subcategoryForm ? state.subcategoryForm->body() : ui::group()}));
    return ui::navigationTitle(model->type() == TransactionType::income ? L("Income Categories")
                                                                        : L("Expense Categories"),
                               std::move(content));
}

CloudCategoryScreen::CloudCategoryScreen(WidgetCategoryList incomeCategories,
                                         WidgetCategoryList expenseCategories, TransactionType type)
    : CategoryPickerScreen(makeModel(std::move(incomeCategories), std::move(expenseCategories), type)) {}

ui::View CloudCategoryScreen::layout(const WidgetCategoryList& categories) const {
    const auto& m = *model();
    std::vector<ui::View> chips;
    for (const auto& c : categories) {
        const auto subcategories = m.shownSubcategories(*c);
        chips.push_back(
            ui::card({ui::hstack(categoryControls(c, subcategories.size()))}, m.selectedCategory() == c));
        if (!m.expandedCategories().contains(c->id))
            continue;
        std::vector<ui::View> subs;
        for (const auto& s : subcategories)
            subs.push_back(subcategoryButton(s, c));
        subs.push_back(addSubcategoryRow(c));
        chips.push_back(ui::grid(3, std::move(subs)));
    }
    return ui::grid(2, std::move(chips)).id("categories");
}

ExpandableCategoryScreen::ExpandableCategoryScreen(WidgetCategoryList incomeCategories,
                                                   WidgetCategoryList expenseCategories, TransactionType type)
    : CategoryPickerScreen(makeModel(std::move(incomeCategories), std::move(expenseCategories), type)) {}

ui::View ExpandableCategoryScreen::layout(const WidgetCategoryList& categories) const {
    const auto& m = *model();
    const auto modelPtr = model();
    std::vector<ui::View> rows;
    for (const auto& c : categories) {
        const auto subcategories = m.shownSubcategories(*c);
        auto controls = categoryControls(c, subcategories.size());
        controls.insert(controls.begin() + 1, ui::spacer());
        rows.push_back(ui::row(std::move(controls)));
        if (!m.expandedCategories().contains(c->id))
            continue;
        for (const auto& s : subcategories)
            rows.push_back(ui::row({
                subcategoryButton(s, c),
                ui::spacer(),
                ui::button(L("Delete"), "trash",
                           [modelPtr, s, c] {
                               modelPtr->requestDelete({c, s});
                           })
                    .role(ui::ButtonRole::destructive)
                    .id("delete-" + s->id),
            }));
        rows.push_back(ui::row({addSubcategoryRow(c)}));
    }
    return ui::list({ui::section(std::move(rows))}).id("categories");
}

} // namespace zt
