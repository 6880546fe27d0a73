#pragma once

#include "platform/AmountInput.h"
#include "platform/Date.h"

#include <concepts>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// The declarative view tree that screens build from their view models. It is plain data: any
/// toolkit can draw it, the text renderer prints it, and ViewQuery lets tests use it like a user.
///
/// Adding a node kind: declare its payload struct below (with its kindName), add it to View::Node,
/// give it a factory function; the compiler then points at the renderers and queries that must
/// learn it.
namespace zt::ui {

/// An sRGB colour, components 0…1.
struct Color {
    double red = 0, green = 0, blue = 0, opacity = 1;

    constexpr Color() = default;
    constexpr Color(double r, double g, double b, double o = 1) : red(r), green(g), blue(b), opacity(o) {}
    /// Any colour record with the same four components converts, so layers above need no glue.
    template <class C>
    requires(!std::same_as<C, Color>) && requires(const C& c) {
        { c.red } -> std::convertible_to<double>;
        { c.green } -> std::convertible_to<double>;
        { c.blue } -> std::convertible_to<double>;
        { c.opacity } -> std::convertible_to<double>;
    }
    constexpr Color(const C& c) : red(c.red), green(c.green), blue(c.blue), opacity(c.opacity) {}

    bool operator==(const Color&) const = default;
};

enum class Font { largeTitle, title, headline, subheadline, body, callout, footnote, caption };

/// How a text or label is drawn.
struct TextStyle {
    Font font = Font::body;
    bool bold = false;
    bool secondary = false; // the secondary (dimmed) foreground colour
    std::optional<Color> color{};

    bool operator==(const TextStyle&) const = default;
};

// Node payloads. Children live in the View, not in the payload.

/// The title of the screen its children make up.
struct NavigationTitle {
    static constexpr std::string_view kindName = "navigationTitle";
    std::string title{};
};

struct List {
    static constexpr std::string_view kindName = "list";
};

struct Section {
    static constexpr std::string_view kindName = "section";
    std::string header{};
    std::string footer{};
};

struct Row {
    static constexpr std::string_view kindName = "row";
};

/// Children without a container of their own; lets a builder return several views, or none.
struct Group {
    static constexpr std::string_view kindName = "group";
};

struct Text {
    static constexpr std::string_view kindName = "text";
    std::string content{};
    TextStyle style{};
};

/// A text with a symbol in front of it.
struct Label {
    static constexpr std::string_view kindName = "label";
    std::string title{};
    std::string symbol{};
    TextStyle style{};
};

struct Image {
    static constexpr std::string_view kindName = "image";
    std::string symbol{};
    std::optional<Color> color{};
};

enum class ButtonRole { normal, destructive, cancel };

/// A button shows its title (and symbol), or, when it has children, makes them tappable.
struct Button {
    static constexpr std::string_view kindName = "button";
    std::string title{};
    std::string symbol{};
    ButtonRole role = ButtonRole::normal;
    bool enabled = true;
    std::function<void()> action{};
};

struct Toggle {
    static constexpr std::string_view kindName = "toggle";
    std::string title{};
    bool isOn = false;
    bool enabled = true;
    std::function<void(bool)> onChange{};
};

struct PickerOption {
    std::string id{};
    std::string title{};
    std::string symbol{};

    /// An option whose id is its title.
    PickerOption(std::string title) : id(title), title(std::move(title)) {}
    PickerOption(const char* title) : PickerOption(std::string(title)) {}
    PickerOption(std::string id, std::string title, std::string symbol = {})
        : id(std::move(id)), title(std::move(title)), symbol(std::move(symbol)) {}

    bool operator==(const PickerOption&) const = default;
};

struct Picker {
    static constexpr std::string_view kindName = "picker";
    std::string title{};
    std::vector<PickerOption> options{};
    std::optional<std::size_t> selection{}; // index into options; none when nothing is selected
    bool enabled = true;
    std::function<void(std::size_t)> onChange{}; // receives the chosen index

    const PickerOption* selectedOption() const {
        return selection && *selection < options.size() ? &options[*selection] : nullptr;
    }
};

enum class DatePickerComponents { date, dateAndTime, hourAndMinute };

struct DatePicker {
    static constexpr std::string_view kindName = "datePicker";
    std::string title{};
    Date value{};
    std::optional<Date> earliest{}; // open towards the past when absent
    std::optional<Date> latest{};   // open towards the future when absent
    DatePickerComponents components = DatePickerComponents::date;
    bool enabled = true;
    std::function<void(Date)> onChange{};

    bool allows(Date d) const { return (!earliest || *earliest <= d) && (!latest || d <= *latest); }
};

struct TextField {
    static constexpr std::string_view kindName = "textField";
    std::string placeholder{};
    std::string text{};
    bool enabled = true;
    bool invalid = false; // drawn as a mistake to correct (an amount that is no number)
    std::function<void(const std::string&)> onChange{};
};

/// Progress from 0 to 1; the factories clamp.
struct ProgressBar {
    static constexpr std::string_view kindName = "progressBar";
    double value = 0;
    std::optional<Color> color{};
};

struct ProgressRing {
    static constexpr std::string_view kindName = "progressRing";
    double value = 0;
    std::optional<Color> color{};
};

enum class MarkKind { line, bar, sector, rule };

/// One data point of a chart. A rule mark draws a line at y across the chart and has no x.
struct ChartMark {
    MarkKind kind = MarkKind::bar;
    std::string x{};
    double y = 0;
    std::string series{};
    std::optional<Color> color{};

    bool operator==(const ChartMark&) const = default;
};

struct Chart {
    static constexpr std::string_view kindName = "chart";
    std::vector<ChartMark> marks{};
};

/// A still picture drawn elsewhere (a map snapshot), as an SVG document; description says what it
/// shows to those who cannot see it.
struct Picture {
    static constexpr std::string_view kindName = "picture";
    std::string svg{};
    std::string description{};
};

/// The rounded frame every card sits in.
struct Card {
    static constexpr std::string_view kindName = "card";
    bool highlighted = false;
};

enum class Axis { vertical, horizontal };

struct Stack {
    static constexpr std::string_view kindName = "stack";
    Axis axis = Axis::vertical;
};

struct Grid {
    static constexpr std::string_view kindName = "grid";
    std::size_t columns = 1;
};

struct Spacer {
    static constexpr std::string_view kindName = "spacer";
};

struct Divider {
    static constexpr std::string_view kindName = "divider";
};

/// A modal sheet; its children are shown only while it is presented. setPresented is the
/// binding of the presented flag; onDismiss runs after a dismissal.
struct Sheet {
    static constexpr std::string_view kindName = "sheet";
    std::string title{};
    bool presented = false;
    std::function<void(bool)> setPresented{};
    std::function<void()> onDismiss{};
};

/// A confirmation dialog; its children are its buttons. Pressing one of them, or dismissing the
/// dialog, sets the presented binding to false.
struct ConfirmationDialog {
    static constexpr std::string_view kindName = "confirmationDialog";
    std::string title{};
    std::string message{};
    bool presented = false;
    std::function<void(bool)> setPresented{};
};

/// An item of a customisable toolbar; its id is the view's identifier, its child the control.
struct ToolbarItem {
    static constexpr std::string_view kindName = "toolbarItem";
};

/// What a list or card shows when it has no content; its children are actions.
struct EmptyState {
    static constexpr std::string_view kindName = "emptyState";
    std::string title{};
    std::string message{};
    std::string symbol{};
};

/// A node of the tree: a payload of one kind, children, and what every node can carry.
class View {
public:
    using Node =
        std::variant<NavigationTitle, List, Section, Row, Group, Text, Label, Image, Button, Toggle, Picker,
                     DatePicker, TextField, ProgressBar, ProgressRing, Chart, Picture, Card, Stack, Grid,
                     Spacer, Divider, Sheet, ConfirmationDialog, ToolbarItem, EmptyState>;

    View(Node node, std::vector<View> children = {});

    const Node& node() const { return node_; }
    Node& node() { return node_; }
    template <class T> bool is() const { return std::holds_alternative<T>(node_); }
    template <class T> const T* as() const { return std::get_if<T>(&node_); }
    template <class T> T* as() { return std::get_if<T>(&node_); }
    /// "button", "text", …
    std::string_view kind() const;

    const std::vector<View>& children() const { return children_; }
    std::vector<View>& children() { return children_; }

    const std::string& identifier() const { return identifier_; }
    const std::string& accessibilityLabel() const { return accessibilityLabel_; }

    // Modifiers. They change the view in place and return it, so they chain on temporaries
    // (ui::text("x").bold().id("total")) as well as on named views. Applying one to a kind it
    // does not fit is a programming error and throws std::logic_error.

    View& id(std::string identifier) &;
    View&& id(std::string identifier) && { return std::move(id(std::move(identifier))); }
    View& accessibilityLabel(std::string label) &;
    View&& accessibilityLabel(std::string label) && {
        return std::move(accessibilityLabel(std::move(label)));
    }
    /// Text and label.
    View& font(Font font) &;
    View&& font(Font f) && { return std::move(font(f)); }
    View& bold(bool on = true) &;
    View&& bold(bool on = true) && { return std::move(bold(on)); }
    View& secondary(bool on = true) &;
    View&& secondary(bool on = true) && { return std::move(secondary(on)); }
    /// Text, label, image, progress bar and ring.
    View& foregroundColor(Color color) &;
    View&& foregroundColor(Color color) && { return std::move(foregroundColor(color)); }
    /// Controls: button, toggle, picker, date picker, text field.
    View& disabled(bool isDisabled = true) &;
    View&& disabled(bool isDisabled = true) && { return std::move(disabled(isDisabled)); }
    /// Button.
    View& role(ButtonRole role) &;
    View&& role(ButtonRole r) && { return std::move(role(r)); }
    /// Text field: its text is shown as a mistake to correct.
    View& invalid(bool isInvalid = true) &;
    View&& invalid(bool isInvalid = true) && { return std::move(invalid(isInvalid)); }

    /// This view as the content of a screen titled title.
    View navigationTitle(std::string title) const&;
    View navigationTitle(std::string title) &&;

private:
    Node node_;
    std::vector<View> children_;
    std::string identifier_{};
    std::string accessibilityLabel_{};
};

// Factories.

View navigationTitle(std::string title, std::vector<View> content);
View list(std::vector<View> children);
View section(std::string header, std::vector<View> children, std::string footer = {});
View section(std::vector<View> children);
View row(std::vector<View> children);
View group(std::vector<View> children = {});

View text(std::string content);
View label(std::string title, std::string symbol);
View image(std::string symbol);

View button(std::string title, std::function<void()> action);
View button(std::string title, std::string symbol, std::function<void()> action);
/// Makes content tappable (a card, a row).
View button(std::function<void()> action, std::vector<View> content);

View toggle(std::string title, bool isOn, std::function<void(bool)> onChange);
/// A picker reporting the chosen option's index.
View picker(std::string title, std::vector<PickerOption> options, std::optional<std::size_t> selection,
            std::function<void(std::size_t)> onChange);
/// A picker reporting the chosen option's id; nothing is selected when no option has selectedId.
View picker(std::string title, std::vector<PickerOption> options, const std::string& selectedId,
            std::function<void(const std::string&)> onChange);
View datePicker(std::string title, Date value, std::function<void(Date)> onChange,
                std::optional<Date> earliest = std::nullopt, std::optional<Date> latest = std::nullopt,
                DatePickerComponents components = DatePickerComponents::date);
View textField(std::string placeholder, std::string text, std::function<void(const std::string&)> onChange);
/// A text field showing an amount field's text as typed, marked invalid while it is no number.
View amountField(std::string placeholder, const AmountField& field,
                 std::function<void(const std::string&)> onChange);

/// value is clamped to 0…1; not-a-number counts as 0.
View progressBar(double value);
View progressRing(double value);
View chart(std::vector<ChartMark> marks);
View picture(std::string svg, std::string description);

View card(std::vector<View> content, bool highlighted = false);
View vstack(std::vector<View> children);
View hstack(std::vector<View> children);
/// A small caption above a headline value, the way cards show a labelled amount; the id goes on
/// the value.
View figure(std::string caption, std::string value, std::string valueId, bool boldValue = false);
/// At least one column.
View grid(std::size_t columns, std::vector<View> children);
View spacer();
View divider();

View sheet(std::string title, bool presented, std::function<void(bool)> setPresented,
           std::vector<View> content, std::function<void()> onDismiss = {});
View confirmationDialog(std::string title, std::string message, bool presented,
                        std::function<void(bool)> setPresented, std::vector<View> buttons);
View toolbarItem(std::string id, View content);
View emptyState(std::string title, std::string message, std::string symbol, std::vector<View> actions = {});

} // namespace zt::ui
