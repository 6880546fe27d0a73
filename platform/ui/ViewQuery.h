#pragma once

#include "platform/Date.h"
#include "platform/ui/View.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

/// Reading and operating a view tree the way a user does: find what is shown, press, flip, type,
/// choose, then build the screen's body() again and look at the result. Searches run depth-first
/// over what is visible: the content of a sheet or dialog that is not presented is skipped.
/// Every failure throws ViewQueryError naming what was looked for, followed by the tree.
namespace zt::ui {

class ViewQueryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// What to look for. A plain string looks for a text.
class Selector {
public:
    enum class By { text, textContaining, accessibilityLabel, identifier, address };

    Selector(By by, std::string value) : by_(by), value_(std::move(value)) {}
    Selector(std::string text) : Selector(By::text, std::move(text)) {}
    Selector(const char* text) : Selector(By::text, std::string(text)) {}

    By by() const { return by_; }
    const std::string& value() const { return value_; }
    /// Whether the node itself (not its children) matches, judged by what is visible. An address
    /// names a place in a tree, not a node, so a node alone never matches one.
    bool matches(const View& view) const;
    /// `text "Save"`, `identifier "total"`, …
    std::string description() const;

private:
    By by_;
    std::string value_;
};

/// A text, label, title, header, footer, placeholder or selected option equal to text.
inline Selector byText(std::string text) {
    return Selector(Selector::By::text, std::move(text));
}
inline Selector byTextContaining(std::string part) {
    return Selector(Selector::By::textContaining, std::move(part));
}
inline Selector byAccessibilityLabel(std::string label) {
    return Selector(Selector::By::accessibilityLabel, std::move(label));
}
inline Selector byId(std::string identifier) {
    return Selector(Selector::By::identifier, std::move(identifier));
}
/// The node at an address: "0" is the root, "0.2" its third child, "0.2.0" that child's first
/// child, counting every child, shown or not. The HTML renderer marks controls this way.
inline Selector byAddress(std::string address) {
    return Selector(Selector::By::address, std::move(address));
}

/// The texts a user reads on the node itself, in reading order.
std::vector<std::string> nodeTexts(const View& view);
/// Every text a user reads on the screen, depth-first.
std::vector<std::string> visibleTexts(const View& root);

/// The first match; throws when there is none.
const View& find(const View& root, const Selector& selector);
/// Every match, depth-first; empty when there is none.
std::vector<const View*> findAll(const View& root, const Selector& selector);
bool exists(const View& root, const Selector& selector);

namespace detail {
const View& resolve(const View& root, const Selector& selector,
                    const std::function<bool(const View&)>& isWanted, std::string_view wanted);
}

/// The node of kind T that the selector points at: a match of that kind, else the nearest such
/// ancestor of a match (the button around a text), else, for a node named by identifier or
/// accessibility label, the only such node inside it (the toggle of a toolbar item).
template <class T> const T& findAs(const View& root, const Selector& selector) {
    return *detail::resolve(
                root, selector, [](const View& v) { return v.is<T>(); }, T::kindName)
                .template as<T>();
}

/// Runs the button's action. A button of a confirmation dialog first dismisses the dialog.
/// Throws when the button is disabled.
void press(const View& root, const Selector& selector);
/// Turns the toggle over, reporting the opposite of what it shows.
void flip(const View& root, const Selector& selector);
/// Replaces the field's text with text.
void typeText(const View& root, const Selector& selector, const std::string& text);
/// Chooses the option whose title (or, failing that, id) is option.
void choose(const View& root, const Selector& selector, std::string_view option);
/// Picks a date; throws when the picker does not allow it.
void pickDate(const View& root, const Selector& selector, Date date);
/// Presents a sheet or dialog through its presented binding; found by title even while dismissed.
void present(const View& root, const Selector& selector);
/// Dismisses a presented sheet or dialog: the binding is set to false, then onDismiss runs.
void dismiss(const View& root, const Selector& selector);

} // namespace zt::ui
