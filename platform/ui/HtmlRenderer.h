#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zt::ui {

enum class Appearance { automatic, light, dark };

/// Draws a view tree as semantic HTML for a browser, styled by stylesheet() to look like a phone
/// screen; progress and charts are inline SVG. Every text is escaped. Identifiers become `id`s and
/// accessibility labels `aria-label`s, so a page is driven by the same names the tests use.
///
/// Controls carry `data-node` (their address, see byAddress in ViewQuery.h) and `data-act` (the
/// operation: press, flip, type, choose, pick, dismiss), which a page script sends back to the
/// screen model. A sheet or dialog that is not presented draws nothing.
class HtmlRenderer {
public:
    struct Options {
        /// The SVG markup of a symbol; empty when there is none, and the renderer draws a neutral
        /// glyph titled with the symbol's name (class zt-icon-missing).
        std::function<std::string(std::string_view symbol)> icon{};
        Appearance appearance = Appearance::automatic;
    };

    HtmlRenderer() = default;
    explicit HtmlRenderer(Options options) : options_(std::move(options)) {}

    /// The screen as one `<div class="zt-screen">` element. Dates show in the environment's time
    /// zone and the control texts in its language.
    std::string render(const View& root) const;

    /// The stylesheet the rendered screens need (light and dark).
    static std::string_view stylesheet();

    /// s with `& < > " '` replaced by entities, safe in text and in double-quoted attributes.
    static std::string escape(std::string_view s);
    /// "rgb(4 215 165)", or with "/ 0.5" when not opaque; components clamped to 0…1.
    static std::string cssColor(const Color& color);
    /// What a date, date-and-time or time input shows for date in calendar's time zone
    /// ("2025-05-15", "2025-05-15T14:30", "14:30").
    static std::string dateInputValue(Date date, DatePickerComponents components, const Calendar& calendar);
    /// The instant an input's value stands for; the parts the input does not show (the time of a
    /// date input, the day of a time input) are kept from current. Nothing for a malformed value or
    /// a wall-clock time that does not exist.
    static std::optional<Date> parseDateInput(std::string_view value, DatePickerComponents components,
                                              Date current, const Calendar& calendar);

private:
    Options options_;
};

} // namespace zt::ui
