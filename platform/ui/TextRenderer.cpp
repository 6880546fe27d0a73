#include "TextRenderer.h"

#include "platform/Overloaded.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace zt::ui {

namespace {

std::string_view fontName(Font font) {
    switch (font) {
    case Font::largeTitle:
        return "largeTitle";
    case Font::title:
        return "title";
    case Font::headline:
        return "headline";
    case Font::subheadline:
        return "subheadline";
    case Font::body:
        return "body";
    case Font::callout:
        return "callout";
    case Font::footnote:
        return "footnote";
    case Font::caption:
        return "caption";
    }
    return "body";
}

std::string_view markName(MarkKind kind) {
    switch (kind) {
    case MarkKind::line:
        return "line";
    case MarkKind::bar:
        return "bar";
    case MarkKind::sector:
        return "sector";
    case MarkKind::rule:
        return "rule";
    }
    return "bar";
}

/// Builds one line: the words, then the bracketed flags.
class Line {
public:
    explicit Line(std::string_view kind) : text_(kind) {}

    Line& word(std::string_view w) {
        text_ += ' ';
        text_ += w;
        return *this;
    }
    Line& quoted(std::string_view s) { return word(TextRenderer::quoted(s)); }
    /// `name "value"`, left out when value is empty.
    Line& field(std::string_view name, std::string_view value) {
        if (!value.empty())
            word(name).quoted(value);
        return *this;
    }
    Line& flag(std::string_view f) {
        flags_.emplace_back(f);
        return *this;
    }
    Line& flagIf(bool condition, std::string_view f) { return condition ? flag(f) : *this; }
    Line& color(const std::optional<Color>& c) {
        if (c)
            flags_.push_back("color " + TextRenderer::color(*c));
        return *this;
    }
    Line& style(const TextStyle& s) {
        flagIf(s.font != Font::body, fontName(s.font));
        flagIf(s.bold, "bold");
        flagIf(s.secondary, "secondary");
        return color(s.color);
    }
    Line& disabledIf(bool enabled) { return flagIf(!enabled, "disabled"); }

    std::string finish(const View* view = nullptr) && {
        if (!flags_.empty()) {
            text_ += " [";
            for (std::size_t i = 0; i < flags_.size(); ++i) {
                if (i)
                    text_ += ", ";
                text_ += flags_[i];
            }
            text_ += ']';
        }
        if (view && !view->identifier().empty())
            text_ += " #" + view->identifier();
        if (view && !view->accessibilityLabel().empty())
            text_ += " accessibility " + TextRenderer::quoted(view->accessibilityLabel());
        return std::move(text_);
    }

private:
    std::string text_;
    std::vector<std::string> flags_;
};

std::string describeMark(const ChartMark& mark) {
    Line line(markName(mark.kind));
    if (mark.kind != MarkKind::rule)
        line.quoted(mark.x);
    line.word("=").word(TextRenderer::number(mark.y));
    line.field("series", mark.series);
    line.color(mark.color);
    return std::move(line).finish();
}

bool showsChildren(const View& view) {
    if (const auto* sheet = view.as<Sheet>())
        return sheet->presented;
    if (const auto* dialog = view.as<ConfirmationDialog>())
        return dialog->presented;
    return true;
}

void renderInto(std::string& out, const View& view, int depth) {
    if (view.is<Group>()) {
        for (const auto& child : view.children())
            renderInto(out, child, depth);
        return;
    }
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += indent + TextRenderer::describe(view) + '\n';
    if (const auto* chart = view.as<Chart>())
        for (const auto& mark : chart->marks)
            out += indent + "  " + describeMark(mark) + '\n';
    if (showsChildren(view))
        for (const auto& child : view.children())
            renderInto(out, child, depth + 1);
}

} // namespace

std::string TextRenderer::render(const View& root) {
    std::string out;
    renderInto(out, root, 0);
    return out;
}

std::string TextRenderer::describe(const View& view) {
    Line line(view.kind());
    std::visit(Overloaded{
                   [&](const NavigationTitle& n) { line.quoted(n.title); },
                   [&](const List&) {},
                   [&](const Section& s) {
                       if (!s.header.empty())
                           line.quoted(s.header);
                       line.field("footer", s.footer);
                   },
                   [&](const Row&) {},
                   [&](const Group&) {},
                   [&](const Text& t) { line.quoted(t.content).style(t.style); },
                   [&](const Label& l) { line.quoted(l.title).field("symbol", l.symbol).style(l.style); },
                   [&](const Image& i) { line.quoted(i.symbol).color(i.color); },
                   [&](const Button& b) {
                       if (!b.title.empty())
                           line.quoted(b.title);
                       line.field("symbol", b.symbol);
                       line.flagIf(b.role == ButtonRole::destructive, "destructive");
                       line.flagIf(b.role == ButtonRole::cancel, "cancel");
                       line.disabledIf(b.enabled);
                   },
                   [&](const Toggle& t) {
                       line.quoted(t.title).word("=").word(t.isOn ? "on" : "off").disabledIf(t.enabled);
                   },
                   [&](const Picker& p) {
                       line.quoted(p.title).word("=");
                       const auto* selected = p.selectedOption();
                       if (selected)
                           line.quoted(selected->title);
                       else
                           line.word("none");
                       std::string options = "options [";
                       for (std::size_t i = 0; i < p.options.size(); ++i)
                           options += (i ? ", " : "") + quoted(p.options[i].title);
                       line.word(options + "]");
                       line.disabledIf(p.enabled);
                   },
                   [&](const DatePicker& d) {
                       line.quoted(d.title).word("=").word(date(d.value));
                       if (d.earliest)
                           line.word("from").word(date(*d.earliest));
                       if (d.latest)
                           line.word("to").word(date(*d.latest));
                       line.flagIf(d.components == DatePickerComponents::dateAndTime, "dateAndTime");
                       line.flagIf(d.components == DatePickerComponents::hourAndMinute, "hourAndMinute");
                       line.disabledIf(d.enabled);
                   },
                   [&](const TextField& f) {
                       line.quoted(f.placeholder)
                           .word("=")
                           .quoted(f.text)
                           .disabledIf(f.enabled)
                           .flagIf(f.invalid, "invalid");
                   },
                   [&](const ProgressBar& p) { line.word(number(p.value)).color(p.color); },
                   [&](const ProgressRing& p) { line.word(number(p.value)).color(p.color); },
                   [&](const Chart&) {},
                   [&](const Picture& p) { line.quoted(p.description); },
                   [&](const Card& c) { line.flagIf(c.highlighted, "highlighted"); },
                   [&](const Stack&) {},
                   [&](const Grid& g) { line.word("columns").word(std::to_string(g.columns)); },
                   [&](const Spacer&) {},
                   [&](const Divider&) {},
                   [&](const Sheet& s) {
                       if (!s.title.empty())
                           line.quoted(s.title);
                       line.flag(s.presented ? "presented" : "dismissed");
                   },
                   [&](const ConfirmationDialog& d) {
                       line.quoted(d.title).field("message", d.message);
                       line.flag(d.presented ? "presented" : "dismissed");
                   },
                   [&](const ToolbarItem&) {},
                   [&](const EmptyState& e) {
                       line.quoted(e.title).field("message", e.message).field("symbol", e.symbol);
                   },
               },
               view.node());
    return std::move(line).finish(&view);
}

std::string TextRenderer::quoted(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    for (const char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> buffer{};
                std::snprintf(buffer.data(), buffer.size(), "\\u%04x", static_cast<unsigned>(c));
                out += buffer.data();
            } else {
                out += c; // UTF-8 passes through
            }
        }
    }
    out += '"';
    return out;
}

std::string TextRenderer::number(double value) {
    if (value == 0)
        return "0"; // no "-0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string TextRenderer::date(Date d) {
    using namespace std::chrono;
    const double unix = d.unixSeconds();
    if (!std::isfinite(unix))
        return "invalid";
    // Years 0001…9999 cover every date the app shows; anything else prints as raw seconds.
    if (unix < -62135596800.0 || unix >= 253402300800.0)
        return number(d.secondsSinceReferenceDate) + "s";
    const auto millis = static_cast<long long>(std::floor(unix * 1000.0 + 0.5));
    const auto dayCount = static_cast<long long>(std::floor(static_cast<double>(millis) / 86'400'000.0));
    const year_month_day ymd{sys_days{days{dayCount}}};
    long long inDay = millis - dayCount * 86'400'000LL;
    const int ms = static_cast<int>(inDay % 1000);
    inDay /= 1000;
    std::array<char, 48> buffer{};
    int n = std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02uT%02lld:%02lld:%02lld",
                          static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                          static_cast<unsigned>(ymd.day()), inDay / 3600, inDay / 60 % 60, inDay % 60);
    if (ms != 0)
        n += std::snprintf(buffer.data() + n, buffer.size() - static_cast<std::size_t>(n), ".%03d", ms);
    return std::string(buffer.data(), static_cast<std::size_t>(n)) + "Z";
}

std::string TextRenderer::color(const Color& c) {
    const auto byte = [](double component) {
        return static_cast<unsigned>(
            std::lround(std::clamp(std::isnan(component) ? 0.0 : component, 0.0, 1.0) * 255));
    };
    std::array<char, 16> buffer{};
    if (c.opacity >= 1)
        std::snprintf(buffer.data(), buffer.size(), "#%02X%02X%02X", byte(c.red), byte(c.green),
                      byte(c.blue));
    else
        std::snprintf(buffer.data(), buffer.size(), "#%02X%02X%02X%02X", byte(c.red), byte(c.green),
                      byte(c.blue), byte(c.opacity));
    return buffer.data();
}

} // namespace zt::ui
