#include "HtmlRenderer.h"

#include "platform/Environment.h"
#include "platform/Overloaded.h"
#include "platform/StringTable.h"
#include "platform/ui/TextRenderer.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>

namespace zt::ui {

namespace {

double clamp01(double v) {
    return std::isnan(v) ? 0 : std::clamp(v, 0.0, 1.0);
}

/// Numbers in SVG attributes: short, locale-independent.
std::string num(double v) {
    if (!std::isfinite(v))
        return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", std::abs(v) < 0.005 ? 0.0 : v);
    std::string s = buffer;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

std::string_view fontClass(Font font) {
    switch (font) {
    case Font::largeTitle:
        return "zt-large-title";
    case Font::title:
        return "zt-title";
    case Font::headline:
        return "zt-headline";
    case Font::subheadline:
        return "zt-subheadline";
    case Font::body:
        return "zt-body";
    case Font::callout:
        return "zt-callout";
    case Font::footnote:
        return "zt-footnote";
    case Font::caption:
        return "zt-caption";
    }
    return "zt-body";
}

/// Colours of series without a colour of their own, in order of first appearance.
constexpr std::string_view palette[] = {"#0a84ff", "#ff9f0a", "#30d158", "#bf5af2",
                                        "#ff375f", "#64d2ff", "#ffd60a", "#ac8e68"};

class Writer {
public:
    Writer(const HtmlRenderer::Options& options, std::string& out) : options_(options), out_(out) {}

    void view(const View& v, const std::string& address) {
        std::visit(Overloaded{
                       [&](const NavigationTitle& n) { navigationTitle(v, n, address); },
                       [&](const List&) { container(v, "div", "zt-list", address); },
                       [&](const Section& s) { section(v, s, address); },
                       [&](const Row&) { container(v, "div", "zt-row", address, R"( role="listitem")"); },
                       [&](const Group&) { container(v, "div", "zt-group", address); },
                       [&](const Text& t) { text(v, t); },
                       [&](const Label& l) { label(v, l); },
                       [&](const Image& i) { image(v, i); },
                       [&](const Button& b) { button(v, b, address); },
                       [&](const Toggle& t) { toggle(v, t, address); },
                       [&](const Picker& p) { picker(v, p, address); },
                       [&](const DatePicker& d) { datePicker(v, d, address); },
                       [&](const TextField& f) { textField(v, f, address); },
                       [&](const ProgressBar& p) { progressBar(v, p); },
                       [&](const ProgressRing& p) { progressRing(v, p); },
                       [&](const Chart& c) { chart(v, c); },
                       [&](const Picture& p) { picture(v, p); },
                       [&](const Card& c) {
                           container(v, "div", c.highlighted ? "zt-card zt-highlighted" : "zt-card", address);
                       },
                       [&](const Stack& s) {
                           container(v, "div",
                                     s.axis == Axis::vertical ? "zt-stack zt-vstack" : "zt-stack zt-hstack",
                                     address);
                       },
                       [&](const Grid& g) {
                           container(v, "div", "zt-grid", address,
                                     " style=\"grid-template-columns:repeat(" +
                                         std::to_string(std::max<std::size_t>(g.columns, 1)) +
                                         ",minmax(0,1fr))\"");
                       },
                       [&](const Spacer&) { open(v, "div", "zt-spacer") += "</div>"; },
                       [&](const Divider&) { open(v, "hr", "zt-divider"); },
                       [&](const Sheet& s) { sheet(v, s, address); },
                       [&](const ConfirmationDialog& d) { dialog(v, d, address); },
                       [&](const ToolbarItem&) { container(v, "div", "zt-toolbar-item", address); },
                       [&](const EmptyState& e) { emptyState(v, e, address); },
                   },
                   v.node());
    }

private:
    static std::string childAddress(const std::string& address, std::size_t i) {
        return address + "." + std::to_string(i);
    }

    void children(const View& v, const std::string& address) {
        for (std::size_t i = 0; i < v.children().size(); ++i)
            view(v.children()[i], childAddress(address, i));
    }

    /// `<tag class="…" id="…" aria-label="…"` plus extra, then `>`.
    std::string& open(const View& v, std::string_view tag, std::string_view cls,
                      std::string_view extra = {}) {
        out_ += '<';
        out_ += tag;
        out_ += " class=\"";
        out_ += cls;
        out_ += '"';
        identity(v);
        out_ += extra;
        out_ += '>';
        return out_;
    }

    void identity(const View& v) {
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        if (!v.accessibilityLabel().empty())
            attribute("aria-label", v.accessibilityLabel());
    }

    void attribute(std::string_view name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        out_ += HtmlRenderer::escape(value);
        out_ += '"';
    }

    void control(std::string_view act, const std::string& address, bool enabled) {
        attribute("data-node", address);
        attribute("data-act", act);
        if (!enabled)
            out_ += " disabled";
    }

    void container(const View& v, std::string_view tag, std::string_view cls, const std::string& address,
                   std::string_view extra = {}) {
        open(v, tag, cls, extra);
        children(v, address);
        out_ += "</";
        out_ += tag;
        out_ += '>';
    }

    void escaped(std::string_view s) { out_ += HtmlRenderer::escape(s); }

    void styleClasses(const TextStyle& style) {
        out_ += ' ';
        out_ += fontClass(style.font);
        if (style.bold)
            out_ += " zt-bold";
        if (style.secondary)
            out_ += " zt-secondary";
        out_ += '"';
        if (style.color)
            out_ += " style=\"color:" + HtmlRenderer::cssColor(*style.color) + '"';
    }

    void icon(std::string_view symbol) {
        // An emoji (the icon pickers offer them) is its own picture.
        if (!symbol.empty() && static_cast<unsigned char>(symbol.front()) >= 0x80) {
            out_ += "<span class=\"zt-icon zt-emoji\" aria-hidden=\"true\">";
            escaped(symbol);
            out_ += "</span>";
            return;
        }
        const std::string svg = options_.icon ? options_.icon(symbol) : std::string{};
        if (svg.empty()) {
            // A neutral glyph keeps the layout; the title tells which symbol has no icon yet.
            out_ += "<span class=\"zt-icon zt-icon-missing\" title=\"";
            escaped(symbol);
            out_ += "\" aria-hidden=\"true\"></span>";
        } else {
            out_ += "<span class=\"zt-icon\" aria-hidden=\"true\">";
            out_ += svg;
            out_ += "</span>";
        }
    }

    void navigationTitle(const View& v, const NavigationTitle& n, const std::string& address) {
        open(v, "section", "zt-navigation");
        out_ += "<header class=\"zt-navigation-bar\"><h1 class=\"zt-navigation-title\">";
        escaped(n.title);
        out_ += "</h1><div class=\"zt-toolbar\">";
        // Toolbar items sit in the bar, the rest below it, as on a phone.
        for (std::size_t i = 0; i < v.children().size(); ++i)
            if (v.children()[i].is<ToolbarItem>())
                view(v.children()[i], childAddress(address, i));
        out_ += "</div></header><div class=\"zt-navigation-content\">";
        for (std::size_t i = 0; i < v.children().size(); ++i)
            if (!v.children()[i].is<ToolbarItem>())
                view(v.children()[i], childAddress(address, i));
        out_ += "</div></section>";
    }

    void section(const View& v, const Section& s, const std::string& address) {
        open(v, "section", "zt-section");
        if (!s.header.empty()) {
            out_ += "<h2 class=\"zt-section-header\">";
            escaped(s.header);
            out_ += "</h2>";
        }
        out_ += "<div class=\"zt-section-body\" role=\"list\">";
        children(v, address);
        out_ += "</div>";
        if (!s.footer.empty()) {
            out_ += "<p class=\"zt-section-footer\">";
            escaped(s.footer);
            out_ += "</p>";
        }
        out_ += "</section>";
    }

    void text(const View& v, const Text& t) {
        out_ += "<span class=\"zt-text";
        styleClasses(t.style);
        identity(v);
        out_ += '>';
        escaped(t.content);
        out_ += "</span>";
    }

    void label(const View& v, const Label& l) {
        out_ += "<span class=\"zt-label";
        styleClasses(l.style);
        identity(v);
        out_ += '>';
        if (!l.symbol.empty())
            icon(l.symbol);
        out_ += "<span class=\"zt-label-title\">";
        escaped(l.title);
        out_ += "</span></span>";
    }

    void image(const View& v, const Image& i) {
        out_ += "<span class=\"zt-image\" role=\"img\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        attribute("aria-label", v.accessibilityLabel().empty() ? i.symbol : v.accessibilityLabel());
        if (i.color)
            out_ += " style=\"color:" + HtmlRenderer::cssColor(*i.color) + '"';
        out_ += '>';
        icon(i.symbol);
        out_ += "</span>";
    }

    void button(const View& v, const Button& b, const std::string& address) {
        std::string cls = v.children().empty() ? "zt-button" : "zt-button zt-content-button";
        if (b.role == ButtonRole::destructive)
            cls += " zt-destructive";
        else if (b.role == ButtonRole::cancel)
            cls += " zt-cancel";
        out_ += "<button type=\"button\" class=\"" + cls + '"';
        identity(v);
        control("press", address, b.enabled);
        out_ += '>';
        if (!b.symbol.empty())
            icon(b.symbol);
        if (!b.title.empty()) {
            out_ += "<span class=\"zt-button-title\">";
            escaped(b.title);
            out_ += "</span>";
        }
        children(v, address);
        out_ += "</button>";
    }

    void toggle(const View& v, const Toggle& t, const std::string& address) {
        out_ += "<label class=\"zt-toggle\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        out_ += "><span class=\"zt-control-title\">";
        escaped(t.title);
        out_ += "</span><input type=\"checkbox\" role=\"switch\"";
        if (!v.accessibilityLabel().empty())
            attribute("aria-label", v.accessibilityLabel());
        if (t.isOn)
            out_ += " checked";
        control("flip", address, t.enabled);
        out_ += "></label>";
    }

    void picker(const View& v, const Picker& p, const std::string& address) {
        out_ += "<label class=\"zt-picker\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        out_ += "><span class=\"zt-control-title\">";
        escaped(p.title);
        out_ += "</span><select";
        if (!v.accessibilityLabel().empty())
            attribute("aria-label", v.accessibilityLabel());
        control("choose", address, p.enabled);
        out_ += '>';
        if (!p.selectedOption())
            out_ += "<option value=\"\" selected disabled>—</option>";
        for (std::size_t i = 0; i < p.options.size(); ++i) {
            out_ += "<option value=\"" + std::to_string(i) + '"';
            if (p.selection == i)
                out_ += " selected";
            out_ += '>';
            escaped(p.options[i].title);
            out_ += "</option>";
        }
        out_ += "</select></label>";
    }

    void datePicker(const View& v, const DatePicker& d, const std::string& address) {
        const auto calendar = Environment::current().calendar();
        const std::string_view type = d.components == DatePickerComponents::date          ? "date"
                                      : d.components == DatePickerComponents::dateAndTime ? "datetime-local"
                                                                                          : "time";
        out_ += "<label class=\"zt-date-picker\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        out_ += "><span class=\"zt-control-title\">";
        escaped(d.title);
        out_ += "</span><input type=\"" + std::string(type) + '"';
        if (!v.accessibilityLabel().empty())
            attribute("aria-label", v.accessibilityLabel());
        attribute("value", HtmlRenderer::dateInputValue(d.value, d.components, calendar));
        // A time input has no day, so its range cannot be shown; the model still checks it.
        if (d.components != DatePickerComponents::hourAndMinute) {
            if (d.earliest)
                attribute("min", HtmlRenderer::dateInputValue(*d.earliest, d.components, calendar));
            if (d.latest)
                attribute("max", HtmlRenderer::dateInputValue(*d.latest, d.components, calendar));
        }
        control("pick", address, d.enabled);
        out_ += "></label>";
    }

    void textField(const View& v, const TextField& f, const std::string& address) {
        out_ += f.invalid ? "<input type=\"text\" class=\"zt-text-field zt-invalid\" aria-invalid=\"true\""
                          : "<input type=\"text\" class=\"zt-text-field\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        attribute("aria-label", v.accessibilityLabel().empty() ? f.placeholder : v.accessibilityLabel());
        attribute("placeholder", f.placeholder);
        attribute("value", f.text);
        control("type", address, f.enabled);
        out_ += '>';
    }

    void progressOpen(const View& v, std::string_view cls, double value) {
        out_ += "<div class=\"";
        out_ += cls;
        out_ += "\" role=\"progressbar\" aria-valuemin=\"0\" aria-valuemax=\"100\" aria-valuenow=\"" +
                num(value * 100) + '"';
        identity(v);
        out_ += '>';
    }

    void progressBar(const View& v, const ProgressBar& p) {
        const double value = clamp01(p.value);
        progressOpen(v, "zt-progress-bar", value);
        out_ += "<svg viewBox=\"0 0 100 6\" preserveAspectRatio=\"none\" aria-hidden=\"true\">"
                "<rect class=\"zt-track\" x=\"0\" y=\"0\" width=\"100\" height=\"6\" rx=\"3\"/>"
                "<rect class=\"zt-fill\" x=\"0\" y=\"0\" width=\"" +
                num(value * 100) + "\" height=\"6\" rx=\"3\"" + fill(p.color) + "/></svg></div>";
    }

    void progressRing(const View& v, const ProgressRing& p) {
        const double value = clamp01(p.value);
        progressOpen(v, "zt-progress-ring", value);
        // r = 100 / 2π makes the circumference 100, so the dash length is the percentage.
        out_ +=
            "<svg viewBox=\"0 0 36 36\" aria-hidden=\"true\">"
            "<circle class=\"zt-track\" cx=\"18\" cy=\"18\" r=\"15.9155\" fill=\"none\" "
            "stroke-width=\"3.2\"/>"
            "<circle class=\"zt-fill\" cx=\"18\" cy=\"18\" r=\"15.9155\" fill=\"none\" stroke-width=\"3.2\" "
            "stroke-linecap=\"round\" transform=\"rotate(-90 18 18)\" stroke-dasharray=\"" +
            num(value * 100) + " 100\"" + stroke(p.color) + "/></svg></div>";
    }

    static std::string fill(const std::optional<Color>& c) {
        return c ? " style=\"fill:" + HtmlRenderer::cssColor(*c) + '"' : std::string{};
    }
    static std::string stroke(const std::optional<Color>& c) {
        return c ? " style=\"stroke:" + HtmlRenderer::cssColor(*c) + '"' : std::string{};
    }

    // An image element rather than inline markup: a picture drawn elsewhere can carry no script
    // into the page, and its ids cannot clash with the page's.
    void picture(const View& v, const Picture& p) {
        out_ += "<img class=\"zt-picture\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        attribute("alt", v.accessibilityLabel().empty() ? p.description : v.accessibilityLabel());
        std::string uri = "data:image/svg+xml;charset=utf-8,";
        static constexpr char hex[] = "0123456789ABCDEF";
        for (const char c : p.svg) {
            const auto u = static_cast<unsigned char>(c);
            if (std::isalnum(u) || std::string_view(" -_.~=:/;,()").find(c) != std::string_view::npos) {
                uri += c;
            } else {
                uri += '%';
                uri += hex[u >> 4];
                uri += hex[u & 15];
            }
        }
        attribute("src", uri);
        out_ += '>';
    }

    void markTitle(const ChartMark& m) {
        out_ += "<title>";
        escaped(m.x.empty() ? m.series : m.x);
        if (!m.series.empty() && !m.x.empty()) {
            out_ += " (";
            escaped(m.series);
            out_ += ')';
        }
        out_ += ": " + TextRenderer::number(m.y) + "</title>";
    }

    void chart(const View& v, const Chart& c) {
        std::vector<std::string> xs, series;
        const auto indexOf = [](std::vector<std::string>& list, const std::string& s) {
            auto it = std::find(list.begin(), list.end(), s);
            if (it == list.end())
                it = list.insert(list.end(), s);
            return static_cast<std::size_t>(it - list.begin());
        };
        double low = 0, high = 0, sectorTotal = 0;
        for (const auto& m : c.marks) {
            const double y = std::isfinite(m.y) ? m.y : 0;
            indexOf(series, m.series);
            if (m.kind == MarkKind::sector) {
                sectorTotal += std::max(y, 0.0);
                continue;
            }
            if (m.kind != MarkKind::rule)
                indexOf(xs, m.x);
            low = std::min(low, y);
            high = std::max(high, y);
        }
        const auto colorOf = [&](const ChartMark& m) {
            return m.color ? HtmlRenderer::cssColor(*m.color)
                           : std::string(palette[indexOf(series, m.series) % std::size(palette)]);
        };

        out_ += "<figure class=\"zt-chart\"";
        identity(v);
        out_ += "><svg viewBox=\"0 0 300 160\" role=\"img\">";
        // Sectors: a ring of wedges proportional to their values, starting at twelve o'clock.
        if (sectorTotal > 0) {
            double start = 0;
            for (const auto& m : c.marks) {
                if (m.kind != MarkKind::sector || !(m.y > 0))
                    continue;
                const double sweep = m.y / sectorTotal;
                out_ += "<path class=\"zt-sector\" fill=\"" + colorOf(m) + "\" d=\"" + wedge(start, sweep) +
                        "\">";
                markTitle(m);
                out_ += "</path>";
                start += sweep;
            }
        }
        const bool hasPlot = std::any_of(c.marks.begin(), c.marks.end(),
                                         [](const ChartMark& m) { return m.kind != MarkKind::sector; });
        if (hasPlot) {
            if (high == low)
                high = low + 1;
            constexpr double left = 4, right = 296, top = 8, bottom = 136;
            const auto yAt = [&](double y) {
                return bottom - (std::clamp(std::isfinite(y) ? y : 0, low, high) - low) / (high - low) *
                                    (bottom - top);
            };
            const double band = (right - left) / static_cast<double>(std::max<std::size_t>(xs.size(), 1));
            const auto xAt = [&](const std::string& x) {
                return left + band * (static_cast<double>(indexOf(xs, x)) + 0.5);
            };
            out_ += "<line class=\"zt-axis\" x1=\"" + num(left) + "\" x2=\"" + num(right) + "\" y1=\"" +
                    num(yAt(0)) + "\" y2=\"" + num(yAt(0)) + "\"/>";
            // Bars of several series at one x stand side by side.
            std::vector<std::string> barSeries;
            for (const auto& m : c.marks)
                if (m.kind == MarkKind::bar)
                    indexOf(barSeries, m.series);
            const double barWidth =
                band * 0.7 / static_cast<double>(std::max<std::size_t>(barSeries.size(), 1));
            for (const auto& m : c.marks) {
                if (m.kind != MarkKind::bar)
                    continue;
                const double x =
                    xAt(m.x) - band * 0.35 + barWidth * static_cast<double>(indexOf(barSeries, m.series));
                const double y0 = yAt(0), y1 = yAt(m.y);
                out_ += "<rect class=\"zt-bar\" fill=\"" + colorOf(m) + "\" x=\"" + num(x) + "\" y=\"" +
                        num(std::min(y0, y1)) + "\" width=\"" + num(barWidth) + "\" height=\"" +
                        num(std::abs(y1 - y0)) + "\">";
                markTitle(m);
                out_ += "</rect>";
            }
            // One polyline a series, through its points in the order given.
            std::map<std::string, std::pair<std::string, std::string>> lines; // series → points, colour
            for (const auto& m : c.marks) {
                if (m.kind != MarkKind::line)
                    continue;
                auto& [points, color] = lines[m.series];
                if (points.empty())
                    color = colorOf(m);
                else
                    points += ' ';
                points += num(xAt(m.x)) + ',' + num(yAt(m.y));
            }
            for (const auto& [name, line] : lines) {
                out_ += "<polyline class=\"zt-line\" fill=\"none\" stroke=\"" + line.second + "\" points=\"" +
                        line.first + "\"><title>";
                escaped(name);
                out_ += "</title></polyline>";
            }
            for (const auto& m : c.marks) {
                if (m.kind != MarkKind::rule)
                    continue;
                out_ += "<line class=\"zt-rule\" stroke=\"" + colorOf(m) + "\" x1=\"" + num(left) +
                        "\" x2=\"" + num(right) + "\" y1=\"" + num(yAt(m.y)) + "\" y2=\"" + num(yAt(m.y)) +
                        "\">";
                markTitle(m);
                out_ += "</line>";
            }
            // Category names under the plot; long series of points label only every few.
            constexpr std::size_t maxLabels = 6;
            const std::size_t every = (xs.size() + maxLabels - 1) / maxLabels;
            for (std::size_t i = 0; i < xs.size(); i += every) {
                out_ += "<text class=\"zt-axis-label\" x=\"" + num(xAt(xs[i])) + "\" y=\"152\">";
                escaped(xs[i]);
                out_ += "</text>";
            }
        }
        out_ += "</svg></figure>";
    }

    /// The path of a ring wedge from fraction start, sweeping fraction sweep of the circle.
    static std::string wedge(double start, double sweep) {
        constexpr double cx = 150, cy = 80, outer = 72, inner = 44;
        if (sweep >= 0.9999) // a full circle cannot be one arc
            return "M" + num(cx) + ' ' + num(cy - outer) + "a" + num(outer) + ' ' + num(outer) + " 0 1 1 0 " +
                   num(2 * outer) + "a" + num(outer) + ' ' + num(outer) + " 0 1 1 0 " + num(-2 * outer) +
                   "M" + num(cx) + ' ' + num(cy - inner) + "a" + num(inner) + ' ' + num(inner) + " 0 1 0 0 " +
                   num(2 * inner) + "a" + num(inner) + ' ' + num(inner) + " 0 1 0 0 " + num(-2 * inner) + "Z";
        const auto point = [&](double fraction, double r) {
            const double angle = 2 * std::numbers::pi * fraction;
            return num(cx + r * std::sin(angle)) + ' ' + num(cy - r * std::cos(angle));
        };
        const char* large = sweep > 0.5 ? "1" : "0";
        return "M" + point(start, outer) + "A" + num(outer) + ' ' + num(outer) + " 0 " + large + " 1 " +
               point(start + sweep, outer) + "L" + point(start + sweep, inner) + "A" + num(inner) + ' ' +
               num(inner) + " 0 " + large + " 0 " + point(start, inner) + "Z";
    }

    void closeButton(const std::string& address) {
        out_ += "<button type=\"button\" class=\"zt-close\"";
        attribute("aria-label", L("Close", "Closes a sheet or dialog in the gallery"));
        control("dismiss", address, true);
        out_ += ">×</button>";
    }

    void sheet(const View& v, const Sheet& s, const std::string& address) {
        if (!s.presented)
            return;
        out_ += "<div class=\"zt-overlay\"><div class=\"zt-sheet\" role=\"dialog\" aria-modal=\"true\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        attribute("aria-label", v.accessibilityLabel().empty() ? s.title : v.accessibilityLabel());
        out_ += "><header class=\"zt-sheet-bar\"><h2 class=\"zt-sheet-title\">";
        escaped(s.title);
        out_ += "</h2>";
        closeButton(address);
        out_ += "</header><div class=\"zt-sheet-content\">";
        children(v, address);
        out_ += "</div></div></div>";
    }

    void dialog(const View& v, const ConfirmationDialog& d, const std::string& address) {
        if (!d.presented)
            return;
        out_ += "<div class=\"zt-overlay\"><div class=\"zt-dialog\" role=\"alertdialog\" aria-modal=\"true\"";
        if (!v.identifier().empty())
            attribute("id", v.identifier());
        attribute("aria-label", v.accessibilityLabel().empty() ? d.title : v.accessibilityLabel());
        out_ += "><h2 class=\"zt-dialog-title\">";
        escaped(d.title);
        out_ += "</h2>";
        if (!d.message.empty()) {
            out_ += "<p class=\"zt-dialog-message\">";
            escaped(d.message);
            out_ += "</p>";
        }
        out_ += "<div class=\"zt-dialog-buttons\">";
        children(v, address);
        out_ += "</div>";
        closeButton(address);
        out_ += "</div></div>";
    }

    void emptyState(const View& v, const EmptyState& e, const std::string& address) {
        open(v, "div", "zt-empty-state");
        if (!e.symbol.empty())
            icon(e.symbol);
        out_ += "<h3 class=\"zt-empty-title\">";
        escaped(e.title);
        out_ += "</h3>";
        if (!e.message.empty()) {
            out_ += "<p class=\"zt-empty-message\">";
            escaped(e.message);
            out_ += "</p>";
        }
        children(v, address);
        out_ += "</div>";
    }

    const HtmlRenderer::Options& options_;
    std::string& out_;
};

int parseNumber(std::string_view s, bool& ok) {
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    ok = ok && error == std::errc{} && end == s.data() + s.size() && !s.empty();
    return value;
}

} // namespace

std::string HtmlRenderer::render(const View& root) const {
    std::string out;
    out.reserve(16 * 1024);
    out += "<div class=\"zt-screen\" data-appearance=\"";
    out += options_.appearance == Appearance::dark    ? "dark"
           : options_.appearance == Appearance::light ? "light"
                                                      : "auto";
    out += "\">";
    Writer(options_, out).view(root, "0");
    out += "</div>";
    return out;
}

std::string HtmlRenderer::escape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string HtmlRenderer::cssColor(const Color& color) {
    const auto channel = [](double v) {
        return std::to_string(static_cast<int>(std::lround(clamp01(v) * 255)));
    };
    std::string out = "rgb(" + channel(color.red) + ' ' + channel(color.green) + ' ' + channel(color.blue);
    if (clamp01(color.opacity) < 1)
        out += " / " + num(clamp01(color.opacity));
    return out + ')';
}

std::string HtmlRenderer::dateInputValue(Date date, DatePickerComponents components,
                                         const Calendar& calendar) {
    const auto c = calendar.components(date);
    char buffer[32];
    if (components == DatePickerComponents::hourAndMinute)
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", c.hour.value_or(0), c.minute.value_or(0));
    else if (components == DatePickerComponents::date)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year.value_or(1), c.month.value_or(1),
                      c.day.value_or(1));
    else
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d", c.year.value_or(1),
                      c.month.value_or(1), c.day.value_or(1), c.hour.value_or(0), c.minute.value_or(0));
    return buffer;
}

std::optional<Date> HtmlRenderer::parseDateInput(std::string_view value, DatePickerComponents components,
                                                 Date current, const Calendar& calendar) {
    auto parts = calendar.components(current);
    bool ok = true;
    std::string_view day = value, time;
    if (components == DatePickerComponents::hourAndMinute) {
        day = {};
        time = value;
    } else if (components == DatePickerComponents::dateAndTime) {
        const auto t = value.find('T');
        if (t == std::string_view::npos)
            return std::nullopt;
        day = value.substr(0, t);
        time = value.substr(t + 1);
    }
    if (!day.empty() || components != DatePickerComponents::hourAndMinute) {
        if (day.size() != 10 || day[4] != '-' || day[7] != '-')
            return std::nullopt;
        parts.year = parseNumber(day.substr(0, 4), ok);
        parts.month = parseNumber(day.substr(5, 2), ok);
        parts.day = parseNumber(day.substr(8, 2), ok);
    }
    if (components != DatePickerComponents::date) {
        // Browsers may add seconds ("14:30:00"); the picker has none.
        if (time.size() != 5 && !(time.size() == 8 && time[5] == ':'))
            return std::nullopt;
        if (time[2] != ':')
            return std::nullopt;
        parts.hour = parseNumber(time.substr(0, 2), ok);
        parts.minute = parseNumber(time.substr(3, 2), ok);
        parts.second = 0;
    }
    if (!ok)
        return std::nullopt;
    const auto date = calendar.date(*parts.year, *parts.month, *parts.day, parts.hour.value_or(0),
                                    parts.minute.value_or(0), parts.second.value_or(0));
    // A wall-clock time skipped by a daylight-saving change reads back differently.
    if (!date || calendar.components(*date).hour != parts.hour || calendar.components(*date).day != parts.day)
        return std::nullopt;
    return date;
}

} // namespace zt::ui
