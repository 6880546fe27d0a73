#include "TransactionDescriptionView.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

TransactionDescriptionView::TransactionDescriptionView(
    std::shared_ptr<TransactionDescriptionViewModel> viewModel, std::function<void()> onDismiss)
    : viewModel_(std::move(viewModel)), onDismiss_(std::move(onDismiss)) {}

ui::View TransactionDescriptionView::body() const {
    const auto vm = viewModel_;
    const auto onDismiss = onDismiss_;
    return ui::navigationTitle(
        L("Description"),
        {
            ui::toolbarItem("done", ui::button(L("Done"),
                                               [vm, onDismiss] {
                                                   vm->save();
                                                   if (onDismiss)
                                                       onDismiss();
                                               })),
            ui::list(
                {ui::section({ui::textField(L("Enter description here"), vm->descriptionText(),
                                            [vm](const std::string& text) { vm->descriptionText.set(text); })
                                  .id("descriptionText")})}),
        });
}

} // namespace zt
