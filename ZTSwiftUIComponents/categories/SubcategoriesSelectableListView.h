#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelDataDelegate.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <memory>
#include <string>

namespace zt {

/// A searchable list of subcategories for choosing several (multiSelection) or one (selection).
/// The choice is written straight into the presenter's state.
class SubcategoriesSelectableListView {
public:
    SubcategoriesSelectableListView(ui::Binding<WidgetSubcategoryList> multiSelection,
                                    ui::Binding<std::shared_ptr<WidgetSubcategory>> selection,
                                    WidgetSubcategoryList subcategories, bool allowsMultipleSelection);

    ui::View body() const;

private:
    struct State {
        std::string searchText;
    };

    ui::Binding<WidgetSubcategoryList> multiSelection_;
    ui::Binding<std::shared_ptr<WidgetSubcategory>> selection_;
    WidgetSubcategoryList subcategories_;
    bool allowsMultipleSelection_;
    ui::ScreenState<State> state_;
};

} // namespace zt
