#include "Markdown.h"

namespace zt {

std::string toMarkdown(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r')
            continue;
        if (c == '\n') {
            // A backslash before the newline is Markdown's hard break.
            out += "\\\n";
            lineStart = true;
            continue;
        }
        switch (c) {
        case '\\':
        case '*':
        case '_':
        case '`':
        case '[':
        case ']':
        case '<':
        case '>':
            out += '\\';
            break;
        case '#':
        case '-':
        case '+':
            // Headings and list items only start a line.
            if (lineStart)
                out += '\\';
            break;
        default:
            break;
        }
        out += c;
        lineStart = false;
    }
    return out;
}

} // namespace zt
