#pragma once

#include "ZTSwiftUIComponents/categories/CategoryPickerModel.h"
#include "ZTSwiftUIComponents/categories/NewCategoryScreen.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// What the two category pickers share around their layout: the search with its "search on
/// start" switch, the empty result, each category's menu, the delete confirmation and the forms
/// the menu opens.
class CategoryPickerScreen {
public:
    explicit CategoryPickerScreen(std::shared_ptr<CategoryPickerModel> model);
    virtual ~CategoryPickerScreen() = default;

    const std::shared_ptr<CategoryPickerModel>& model() const { return model_; }
    /// The picker is shown.
    void onAppear() const { model_->onAppear(); }
    ui::View body() const;

protected:
    /// The categories as the layout arranges them; never called without any.
    virtual ui::View layout(const WidgetCategoryList& categories) const = 0;
    /// A picker's model over the categories.
    static std::shared_ptr<CategoryPickerModel> makeModel(WidgetCategoryList incomeCategories,
                                                          WidgetCategoryList expenseCategories,
                                                          TransactionType type);
    /// What every layout shows of a category: the button that picks it, the favourite's star, the
    /// toggle of its subcategories (when it shows any) and its menu (symbol "ellipsis").
    std::vector<ui::View> categoryControls(const std::shared_ptr<WidgetCategory>& category,
                                           std::size_t shownSubcategories) const;
    ui::View subcategoryButton(const std::shared_ptr<WidgetSubcategory>& subcategory,
                               const std::shared_ptr<WidgetCategory>& category) const;
    /// The row that asks for a new subcategory of an expanded category.
    ui::View addSubcategoryRow(const std::shared_ptr<WidgetCategory>& category) const;

private:
    ui::View categoryMenu(const std::shared_ptr<WidgetCategory>& category) const;

    struct State {
        bool isEditing = false;
        bool isAddingSubcategory = false;
        std::optional<NewCategoryScreen> editForm;
        std::optional<NewSubcategoryScreen> subcategoryForm;
    };

    std::shared_ptr<CategoryPickerModel> model_;
    ui::ScreenState<State> state_;
};

/// The picker as a cloud of category chips; an expanded category's subcategories follow it.
class CloudCategoryScreen final : public CategoryPickerScreen {
public:
    using CategoryPickerScreen::CategoryPickerScreen;
    CloudCategoryScreen(WidgetCategoryList incomeCategories, WidgetCategoryList expenseCategories,
                        TransactionType type);

private:
    ui::View layout(const WidgetCategoryList& categories) const override;
};

/// The picker as a list whose rows open to show their subcategories.
class ExpandableCategoryScreen final : public CategoryPickerScreen {
public:
    using CategoryPickerScreen::CategoryPickerScreen;
    ExpandableCategoryScreen(WidgetCategoryList incomeCategories, WidgetCategoryList expenseCategories,
                             TransactionType type);

private:
    ui::View layout(const WidgetCategoryList& categories) const override;
};

} // namespace zt
