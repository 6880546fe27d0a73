#pragma once

#include "platform/Date.h"
#include "platform/ui/View.h"

#include <string>
#include <string_view>

namespace zt::ui {

/// Prints a view tree as plain text, one node a line, children indented by two spaces, e.g.
///
///     navigationTitle "Reminders"
///       list
///         section "Due dates"
///           toggle "Remind" = on
///           button "Delete" [destructive, disabled] #delete
///
/// The output is stable (no addresses, no locale, dates in UTC) so snapshot tests can compare it.
/// Groups are transparent; a sheet or dialog that is not presented prints without its content.
class TextRenderer {
public:
    /// The whole tree; every line ends with a newline.
    static std::string render(const View& root);
    /// The node alone, on one line without a newline: its kind, what it shows, then its flags in
    /// brackets, "#identifier" and the accessibility label.
    static std::string describe(const View& view);

    /// s in double quotes, with quotes, backslashes and control characters escaped.
    static std::string quoted(std::string_view s);
    /// The shortest text that reads back as the same double ("0.25", "120", "-3.5").
    static std::string number(double value);
    /// ISO 8601 in UTC, with milliseconds only when there are any ("2024-05-12T00:00:00Z");
    /// "invalid" for a date that is not finite.
    static std::string date(Date date);
    /// "#RRGGBB", or "#RRGGBBAA" when not opaque.
    static std::string color(const Color& color);
};

} // namespace zt::ui
