#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// A span of an AttributedText, in bytes of its UTF-8 text.
struct TextRange {
    std::size_t location = 0;
    std::size_t length = 0;

    constexpr std::size_t end() const { return location + length; }
    bool operator==(const TextRange&) const = default;
};

/// Plain text with bold spans, enough for the few styled texts the library builds (a sentence
/// with its figures in bold). Ranges are UTF-8 byte offsets; callers derive them from the text
/// itself (find()), so they fall on character boundaries.
class AttributedText {
public:
    /// One stretch of equal style, as a renderer draws it.
    struct Run {
        std::string text;
        bool bold = false;
        bool operator==(const Run&) const = default;
    };

    AttributedText() = default;
    explicit AttributedText(std::string text) : text_(std::move(text)) {}

    const std::string& string() const { return text_; }
    /// The bold spans, ordered, merged where they touch or overlap.
    const std::vector<TextRange>& boldRanges() const { return bold_; }

    /// The first occurrence of part at or after `from`; nothing for an empty or absent part.
    std::optional<TextRange> range(std::string_view part, std::size_t from = 0) const;

    /// Makes a span bold; the part beyond the text is ignored, an empty span changes nothing.
    AttributedText& setBold(TextRange range);
    /// Makes the first occurrence of part bold; false when it does not occur.
    bool setBold(std::string_view firstOccurrenceOf);

    bool isBold(std::size_t byteOffset) const;
    /// The text cut into alternating plain and bold runs, none empty.
    std::vector<Run> runs() const;

    bool operator==(const AttributedText&) const = default;

private:
    std::string text_;
    std::vector<TextRange> bold_;
};

} // namespace zt
