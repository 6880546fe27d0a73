#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// A sheet for choosing categories: one, or several. Without a fixed kind the user switches
/// between expense and income. Done hands the choice over; the presenter closes the sheet.
class CategoriesListSelectorView {
public:
    using DoneAction = std::function<void(const WidgetCategoryList&)>;

    CategoriesListSelectorView(bool allowsMultiSelection, WidgetCategoryList incomeCategories,
                               WidgetCategoryList expenseCategories,
                               std::optional<TransactionType> selectedType, DoneAction onDoneDidPress);

    ui::View body() const;

private:
    struct State {
        bool editMode = false;
        std::set<std::string> selection;
        std::optional<std::string> singleSelection;
        std::string searchText;
        TransactionType shownType = TransactionType::expense;
    };

    WidgetCategoryList shownCategories() const;
    /// The chosen categories in list order, income after expenses.
    static WidgetCategoryList chosen(const State& state, const WidgetCategoryList& income,
                                     const WidgetCategoryList& expenses);

    bool allowsMultiSelection_;
    WidgetCategoryList income_;
    WidgetCategoryList expenses_;
    std::optional<TransactionType> fixedType_;
    DoneAction onDoneDidPress_;
    ui::ScreenState<State> state_;
};

} // namespace zt
