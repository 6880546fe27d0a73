#include "View.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zt::ui {

namespace {

[[noreturn]] void misuse(std::string_view modifier, std::string_view kind) {
    throw std::logic_error(std::string(modifier) + "() does not apply to a " + std::string(kind) + " view");
}

// The modifiers find their target member by shape, so a new payload gains a modifier by
// having the member.

TextStyle* styleOf(View::Node& node) {
    return std::visit(
        [](auto& payload) -> TextStyle* {
            if constexpr (requires { payload.style; })
                return &payload.style;
            else
                return nullptr;
        },
        node);
}

std::optional<Color>* colorOf(View::Node& node) {
    return std::visit(
        [](auto& payload) -> std::optional<Color>* {
            if constexpr (requires { payload.style.color; })
                return &payload.style.color;
            else if constexpr (requires { payload.color; })
                return &payload.color;
            else
                return nullptr;
        },
        node);
}

bool* enabledOf(View::Node& node) {
    return std::visit(
        [](auto& payload) -> bool* {
            if constexpr (requires { payload.enabled; })
                return &payload.enabled;
            else
                return nullptr;
        },
        node);
}

double clampedProgress(double value) {
    if (std::isnan(value))
        return 0;
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

View::View(Node node, std::vector<View> children) : node_(std::move(node)), children_(std::move(children)) {}

std::string_view View::kind() const {
    if (const auto* stack = as<Stack>())
        return stack->axis == Axis::vertical ? "vstack" : "hstack";
    return std::visit([](const auto& payload) { return payload.kindName; }, node_);
}

View& View::id(std::string identifier) & {
    identifier_ = std::move(identifier);
    return *this;
}

View& View::accessibilityLabel(std::string label) & {
    accessibilityLabel_ = std::move(label);
    return *this;
}

View& View::font(Font font) & {
    auto* style = styleOf(node_);
    if (!style)
        misuse("font", kind());
    style->font = font;
    return *this;
}

View& View::bold(bool on) & {
    auto* style = styleOf(node_);
    if (!style)
        misuse("bold", kind());
    style->bold = on;
    return *this;
}

View& View::secondary(bool on) & {
    auto* style = styleOf(node_);
    if (!style)
        misuse("secondary", kind());
    style->secondary = on;
    return *this;
}

View& View::foregroundColor(Color color) & {
    auto* target = colorOf(node_);
    if (!target)
        misuse("foregroundColor", kind());
    *target = color;
    return *this;
}

View& View::disabled(bool isDisabled) & {
    auto* enabled = enabledOf(node_);
    if (!enabled)
        misuse("disabled", kind());
    *enabled = !isDisabled;
    return *this;
}

View& View::role(ButtonRole role) & {
    auto* button = as<Button>();
    if (!button)
        misuse("role", kind());
    button->role = role;
    return *this;
}

View& View::invalid(bool isInvalid) & {
    auto* field = as<TextField>();
    if (!field)
        misuse("invalid", kind());
    field->invalid = isInvalid;
    return *this;
}

View View::navigationTitle(std::string title) const& {
    return ui::navigationTitle(std::move(title), {*this});
}

View View::navigationTitle(std::string title) && {
    std::vector<View> content;
    content.push_back(std::move(*this));
    return ui::navigationTitle(std::move(title), std::move(content));
}

View navigationTitle(std::string title, std::vector<View> content) {
    return View(NavigationTitle{std::move(title)}, std::move(content));
}

View list(std::vector<View> children) {
    return View(List{}, std::move(children));
}

View section(std::string header, std::vector<View> children, std::string footer) {
    return View(Section{std::move(header), std::move(footer)}, std::move(children));
}

View section(std::vector<View> children) {
    return View(Section{}, std::move(children));
}

View row(std::vector<View> children) {
    return View(Row{}, std::move(children));
}

View group(std::vector<View> children) {
    return View(Group{}, std::move(children));
}

View text(std::string content) {
    return View(Text{std::move(content)});
}

View label(std::string title, std::string symbol) {
    return View(Label{std::move(title), std::move(symbol)});
}

View image(std::string symbol) {
    return View(Image{std::move(symbol)});
}

View button(std::string title, std::function<void()> action) {
    return View(Button{.title = std::move(title), .action = std::move(action)});
}

View button(std::string title, std::string symbol, std::function<void()> action) {
    return View(Button{.title = std::move(title), .symbol = std::move(symbol), .action = std::move(action)});
}

View button(std::function<void()> action, std::vector<View> content) {
    return View(Button{.action = std::move(action)}, std::move(content));
}

View toggle(std::string title, bool isOn, std::function<void(bool)> onChange) {
    return View(Toggle{.title = std::move(title), .isOn = isOn, .onChange = std::move(onChange)});
}

View picker(std::string title, std::vector<PickerOption> options, std::optional<std::size_t> selection,
            std::function<void(std::size_t)> onChange) {
    if (selection && *selection >= options.size())
        selection.reset();
    return View(Picker{.title = std::move(title),
                       .options = std::move(options),
                       .selection = selection,
                       .onChange = std::move(onChange)});
}

View picker(std::string title, std::vector<PickerOption> options, const std::string& selectedId,
            std::function<void(const std::string&)> onChange) {
    const auto it =
        std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.id == selectedId; });
    std::optional<std::size_t> selection;
    if (it != options.end())
        selection = static_cast<std::size_t>(it - options.begin());
    // The ids travel with the callback, so a later change of the options cannot skew it.
    std::function<void(std::size_t)> byIndex;
    if (onChange) {
        std::vector<std::string> ids;
        ids.reserve(options.size());
        for (const auto& o : options)
            ids.push_back(o.id);
        byIndex = [ids = std::move(ids), onChange = std::move(onChange)](std::size_t index) {
            if (index < ids.size())
                onChange(ids[index]);
        };
    }
    return picker(std::move(title), std::move(options), selection, std::move(byIndex));
}

View datePicker(std::string title, Date value, std::function<void(Date)> onChange,
                std::optional<Date> earliest, std::optional<Date> latest, DatePickerComponents components) {
    return View(DatePicker{.title = std::move(title),
                           .value = value,
                           .earliest = earliest,
                           .latest = latest,
                           .components = components,
                           .onChange = std::move(onChange)});
}

View textField(std::string placeholder, std::string text, std::function<void(const std::string&)> onChange) {
    return View(TextField{
        .placeholder = std::move(placeholder), .text = std::move(text), .onChange = std::move(onChange)});
}

View amountField(std::string placeholder, const AmountField& field,
                 std::function<void(const std::string&)> onChange) {
    return textField(std::move(placeholder), field.text(), std::move(onChange)).invalid(field.isInvalid());
}

View progressBar(double value) {
    return View(ProgressBar{clampedProgress(value)});
}

View progressRing(double value) {
    return View(ProgressRing{clampedProgress(value)});
}

View chart(std::vector<ChartMark> marks) {
    return View(Chart{std::move(marks)});
}

View picture(std::string svg, std::string description) {
    return View(Picture{std::move(svg), std::move(description)});
}

View card(std::vector<View> content, bool highlighted) {
    return View(Card{highlighted}, std::move(content));
}

View vstack(std::vector<View> children) {
    return View(Stack{Axis::vertical}, std::move(children));
}

View hstack(std::vector<View> children) {
    return View(Stack{Axis::horizontal}, std::move(children));
}

View figure(std::string caption, std::string value, std::string valueId, bool boldValue) {
    return vstack({
        text(std::move(caption)).font(Font::caption).secondary(),
        text(std::move(value)).font(Font::headline).bold(boldValue).id(std::move(valueId)),
    });
}

View grid(std::size_t columns, std::vector<View> children) {
    return View(Grid{std::max<std::size_t>(columns, 1)}, std::move(children));
}

View spacer() {
    return View(Spacer{});
}

View divider() {
    return View(Divider{});
}

View sheet(std::string title, bool presented, std::function<void(bool)> setPresented,
           std::vector<View> content, std::function<void()> onDismiss) {
    return View(Sheet{std::move(title), presented, std::move(setPresented), std::move(onDismiss)},
                std::move(content));
}

View confirmationDialog(std::string title, std::string message, bool presented,
                        std::function<void(bool)> setPresented, std::vector<View> buttons) {
    return View(ConfirmationDialog{std::move(title), std::move(message), presented, std::move(setPresented)},
                std::move(buttons));
}

View toolbarItem(std::string id, View content) {
    std::vector<View> children;
    children.push_back(std::move(content));
    return View(ToolbarItem{}, std::move(children)).id(std::move(id));
}

View emptyState(std::string title, std::string message, std::string symbol, std::vector<View> actions) {
    return View(EmptyState{std::move(title), std::move(message), std::move(symbol)}, std::move(actions));
}

} // namespace zt::ui
