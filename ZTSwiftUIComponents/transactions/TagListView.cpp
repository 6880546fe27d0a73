#include "TagListView.h"

#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "ZTSwiftUIComponents/transactions/TagsEntryView.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

TagListView::TagListView(std::shared_ptr<TagListViewModel> viewModel,
                         std::function<void(const std::shared_ptr<TagsConformable>&)> onItemDidSelect)
    : viewModel_(std::move(viewModel)), onItemDidSelect_(std::move(onItemDidSelect)) {}

ui::View TagListView::body() const {
    const auto vm = viewModel_;
    const auto& s = *state_;
    const auto& tags = vm->tags();

    ItemListContent content;
    content.title = L("Tags");
    content.emptyTitle = L("No tags");
    content.footer = L("Swipe left to edit or delete a tag");
    content.addLabel = L("Add tag");
    content.isEmpty = tags.empty();
    for (const auto i : vm->matchingPositions()) {
        const auto& tag = tags[i];
        content.rows.push_back({tag->id().value_or(std::string{}),
                                tag->name().value_or(tag->id().value_or("")), vm->selectedTag() == tag});
    }
    bindListModel(content, vm);
    content.onSelect = [vm, onSelect = onItemDidSelect_](std::size_t row) {
        const auto positions = vm->matchingPositions();
        if (row >= positions.size())
            return;
        const auto tag = vm->tags()[positions[row]];
        vm->selectedTag.set(tag);
        if (onSelect)
            onSelect(tag);
    };

    const bool isNew = s.editingId.empty();
    std::vector<ui::View> editor;
    if (s.isEditorPresented)
        editor = {
            TagsEntryView(s.editorText, isNew, state_.binding(&ItemListState::editorText)).body(),
            ui::toolbarItem("cancelTag",
                            ui::button(L("Cancel"), state_.setter(&ItemListState::isEditorPresented, false))
                                .role(ui::ButtonRole::cancel)),
            ui::toolbarItem("saveTag", ui::button(L("Save"), state_.action([vm](ItemListState& st) {
                                           std::shared_ptr<TagsConformable> editing;
                                           for (const auto& tag : vm->tags())
                                               if (!st.editingId.empty() && tag->id() == st.editingId)
                                                   editing = tag;
                                           const bool saved = editing ? vm->rename(editing, st.editorText)
                                                                      : vm->addTag(st.editorText);
                                           if (saved)
                                               st.isEditorPresented = false;
                                       })).disabled(isBlankName(tagNameWithoutTheHashtag(s.editorText)))),
        };
    content.editor = ui::sheet(isNew ? L("New Tag") : L("Edit Tag"), s.isEditorPresented,
                               state_.binding(&ItemListState::isEditorPresented), std::move(editor));
    return itemListBody(std::move(content), state_);
}

} // namespace zt
