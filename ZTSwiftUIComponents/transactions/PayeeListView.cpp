#include "PayeeListView.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

PayeeListView::PayeeListView(std::shared_ptr<PayeeListViewModel> viewModel,
                             std::function<void(const std::shared_ptr<PayeeConformable>&)> onItemDidSelect)
    : viewModel_(std::move(viewModel)), onItemDidSelect_(std::move(onItemDidSelect)) {}

ui::View PayeeListView::body() const {
    const auto vm = viewModel_;
    const auto& s = *state_;
    const auto& payees = vm->payees();

    ItemListContent content;
    content.title = L("Payees");
    content.emptyTitle = L("No payees.");
    content.footer = L("Swipe left to edit or delete a payee");
    content.addLabel = L("Add payee");
    content.isEmpty = payees.empty();
    for (const auto i : vm->matchingPositions()) {
        const auto& payee = payees[i];
        content.rows.push_back({payee->id().value_or(std::string{}), payee->name().value_or(std::string{}),
                                vm->selectedPayee() == payee});
    }
    bindListModel(content, vm);
    content.onSelect = [vm, onSelect = onItemDidSelect_](std::size_t row) {
        const auto positions = vm->matchingPositions();
        if (row >= positions.size())
            return;
        const auto payee = vm->payees()[positions[row]];
        vm->selectedPayee.set(payee);
        if (onSelect)
            onSelect(payee);
    };
    content.onEditorOpen = [vm, editor = editor_, weak = state_.weak()](const std::string& id,
                                                                        const std::string& name) {
        std::shared_ptr<PayeeConformable> editing;
        for (const auto& payee : vm->payees())
            if (!id.empty() && payee->id() == id)
                editing = payee;
        editor->emplace(
            !editing,
            [vm, editing, weak](const std::string& text) {
                const bool saved = editing ? vm->rename(editing, text) : vm->addPayee(text) != nullptr;
                if (const auto st = weak.lock(); st && saved)
                    st->isEditorPresented = false;
            },
            name);
    };

    std::vector<ui::View> editor;
    if (s.isEditorPresented && editor_->has_value())
        editor.push_back((*editor_)->body());
    content.editor = ui::sheet(s.editingId.empty() ? L("Payee") : L("Edit Payee"), s.isEditorPresented,
                               state_.binding(&ItemListState::isEditorPresented), std::move(editor));
    return itemListBody(std::move(content), state_);
}

} // namespace zt
