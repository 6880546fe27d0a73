#include "TagsEntryView.h"

#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

TagsEntryView::TagsEntryView(std::string text, bool isNew,
                             std::function<void(const std::string&)> onTextDidChange)
    : text_(std::move(text)), isNew_(isNew), onTextDidChange_(std::move(onTextDidChange)) {}

ui::View TagsEntryView::body() const {
    std::vector<ui::View> rows{
        ui::textField(isNew_ ? L("Add new tag") : L("Edit name"), text_, onTextDidChange_).id("tagName")};
    // Shows what will be stored, since spaces become underscores.
    if (!isBlankName(tagNameWithoutTheHashtag(text_)))
        rows.push_back(ui::text(sanitizedTagText(text_)).secondary().id("tagPreview"));
    return ui::section(isNew_ ? L("Tag") : L("Edit Tag"), std::move(rows));
}

} // namespace zt
