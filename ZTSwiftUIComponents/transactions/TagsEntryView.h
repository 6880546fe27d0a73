#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt {

/// The editor of a tag's name: the text as typed and the hashtag it will be stored as. The text
/// lives with the caller, which hears every change.
class TagsEntryView {
public:
    TagsEntryView(std::string text, bool isNew, std::function<void(const std::string&)> onTextDidChange);

    ui::View body() const;

private:
    std::string text_;
    bool isNew_;
    std::function<void(const std::string&)> onTextDidChange_;
};

} // namespace zt
