#pragma once

#include <string>
#include <string_view>

namespace zt {

/// The text as Markdown source for a text node. The words are kept as they are; characters that
/// Markdown would read as markup ("*", "_", "`", "[", "]", "#" at a line start, …) are escaped with
/// a backslash so they show literally, and each line break becomes a Markdown hard break so that
/// multi-line texts keep their lines.
std::string toMarkdown(std::string_view text);

} // namespace zt
