#include "MockCategoryPicker.h"

#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

MockCategoryPicker::MockCategoryPicker(std::shared_ptr<TransactionEntryContainerViewModel> viewModel)
    : viewModel_(std::move(viewModel)) {}

ui::View MockCategoryPicker::body() const {
    const auto vm = viewModel_;
    const auto categories =
        vm->type() == TransactionType::income ? WidgetCategory::demoIncome() : WidgetCategory::demoExpenses();
    std::vector<ui::View> rows;
    for (const auto& category : categories) {
        const bool isSelected = vm->selectedCategoryName() == category->name;
        rows.push_back(ui::button(
                           [vm, name = category->name] {
                               vm->selectedCategoryName.set(name);
                               vm->selectCategoryPressed.set(false);
                           },
                           {ui::label(category->name, category->imageName),
                            isSelected ? ui::image("checkmark") : ui::group()})
                           .id(category->id));
    }
    return ui::navigationTitle(L("Category"), {ui::list({ui::section(std::move(rows))})});
}

} // namespace zt
