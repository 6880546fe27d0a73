#include "ViewQuery.h"

#include "TextRenderer.h"
#include "platform/Overloaded.h"

#include <algorithm>
#include <optional>

namespace zt::ui {

namespace {

/// Long trees are cut in error messages; the start usually shows where the test went wrong.
constexpr std::size_t maxTreeLinesInErrors = 120;

bool isPresented(const View& view) {
    if (const auto* sheet = view.as<Sheet>())
        return sheet->presented;
    if (const auto* dialog = view.as<ConfirmationDialog>())
        return dialog->presented;
    return true;
}

/// The node's texts. includeDismissed also reads the title of a sheet or dialog that is not
/// presented, so it can be named to present it. A field shows its placeholder only while
/// empty, but matches by it always: it is the field's name.
void collectTexts(const View& view, bool forMatching, bool includeDismissed, std::vector<std::string>& out) {
    const auto add = [&](const std::string& s) {
        if (!s.empty())
            out.push_back(s);
    };
    std::visit(Overloaded{
                   [&](const NavigationTitle& n) { add(n.title); },
                   [&](const Section& s) {
                       add(s.header);
                       add(s.footer);
                   },
                   [&](const Text& t) { add(t.content); },
                   [&](const Label& l) { add(l.title); },
                   [&](const Button& b) { add(b.title); },
                   [&](const Toggle& t) { add(t.title); },
                   [&](const Picker& p) {
                       add(p.title);
                       if (const auto* selected = p.selectedOption())
                           add(selected->title);
                   },
                   [&](const DatePicker& d) { add(d.title); },
                   [&](const TextField& f) {
                       if (forMatching || f.text.empty())
                           add(f.placeholder);
                       add(f.text);
                   },
                   [&](const Sheet& s) {
                       if (s.presented || includeDismissed)
                           add(s.title);
                   },
                   [&](const ConfirmationDialog& d) {
                       if (d.presented || includeDismissed) {
                           add(d.title);
                           add(d.message);
                       }
                   },
                   [&](const EmptyState& e) {
                       add(e.title);
                       add(e.message);
                   },
                   // Containers and graphics show no text of their own.
                   [&](const List&) {},
                   [&](const Row&) {},
                   [&](const Group&) {},
                   [&](const Image&) {},
                   [&](const ProgressBar&) {},
                   [&](const ProgressRing&) {},
                   [&](const Chart&) {},
                   [&](const Picture&) {},
                   [&](const Card&) {},
                   [&](const Stack&) {},
                   [&](const Grid&) {},
                   [&](const Spacer&) {},
                   [&](const Divider&) {},
                   [&](const ToolbarItem&) {},
               },
               view.node());
}

using Path = std::vector<const View*>; // from the root to the node

/// "0.2.1" for the root's third child's second child.
std::string addressOf(const Path& path) {
    std::string address = "0";
    for (std::size_t i = 1; i < path.size(); ++i)
        address += "." + std::to_string(path[i] - path[i - 1]->children().data());
    return address;
}

bool matchesNode(const Selector& selector, const View& view, const Path* path, bool includeDismissed) {
    switch (selector.by()) {
    case Selector::By::address:
        return path && addressOf(*path) == selector.value();
    case Selector::By::identifier:
        return view.identifier() == selector.value();
    case Selector::By::accessibilityLabel:
        return view.accessibilityLabel() == selector.value();
    case Selector::By::text:
    case Selector::By::textContaining: {
        std::vector<std::string> texts;
        collectTexts(view, true, includeDismissed, texts);
        const bool exact = selector.by() == Selector::By::text;
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
            return exact ? t == selector.value() : t.find(selector.value()) != std::string::npos;
        });
    }
    }
    return false;
}

/// Depth-first; visit returns true to stop. Returns whether it stopped.
template <class Visit> bool walk(const View& view, Path& path, bool includeDismissed, Visit& visit) {
    path.push_back(&view);
    if (visit(view, path))
        return true;
    if (includeDismissed || isPresented(view))
        for (const auto& child : view.children())
            if (walk(child, path, includeDismissed, visit))
                return true;
    path.pop_back();
    return false;
}

std::vector<Path> matchingPaths(const View& root, const Selector& selector, bool includeDismissed) {
    std::vector<Path> found;
    Path path;
    auto visit = [&](const View& view, const Path& p) {
        if (matchesNode(selector, view, &p, includeDismissed))
            found.push_back(p);
        return false;
    };
    walk(root, path, includeDismissed, visit);
    return found;
}

std::string treeForErrors(const View& root) {
    const std::string tree = TextRenderer::render(root);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (tree[i] == '\n' && ++lines == maxTreeLinesInErrors) {
            const auto rest = std::count(tree.begin() + static_cast<std::ptrdiff_t>(i) + 1, tree.end(), '\n');
            if (rest == 0)
                break;
            return tree.substr(0, i + 1) + "… " + std::to_string(rest) + " more lines\n";
        }
    }
    return tree;
}

[[noreturn]] void fail(const View& root, const std::string& what) {
    throw ViewQueryError(what + "\nin the view tree:\n" + treeForErrors(root));
}

/// The wanted node the selector points at, with its path (see findAs).
Path resolvePath(const View& root, const Selector& selector, const std::function<bool(const View&)>& isWanted,
                 std::string_view wanted, bool includeDismissed) {
    const auto matches = matchingPaths(root, selector, includeDismissed);
    if (matches.empty())
        fail(root, "no view with " + selector.description());

    for (const auto& path : matches)
        if (isWanted(*path.back()))
            return path;

    for (const auto& path : matches)
        for (std::size_t i = path.size(); i-- > 0;)
            if (isWanted(*path[i]))
                return Path(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(i) + 1);

    // Looking inside only when a container was named outright: a header text is no handle on
    // the controls below it.
    const bool named = selector.by() == Selector::By::identifier ||
                       selector.by() == Selector::By::accessibilityLabel ||
                       selector.by() == Selector::By::address;
    for (const auto& path : named ? matches : std::vector<Path>{}) {
        std::vector<Path> inside;
        Path sub = path;
        sub.pop_back();
        auto visit = [&](const View& view, const Path& p) {
            if (isWanted(view))
                inside.push_back(p);
            return false;
        };
        walk(*path.back(), sub, includeDismissed, visit);
        if (inside.size() == 1)
            return inside.front();
        if (inside.size() > 1)
            fail(root, selector.description() + " holds " + std::to_string(inside.size()) +
                           " views of kind " + std::string(wanted) + "; name one of them");
    }
    fail(root, "no " + std::string(wanted) + " at " + selector.description() + " (found " +
                   TextRenderer::describe(*matches.front().back()) + ")");
}

template <class T> std::pair<const T*, Path> resolveKind(const View& root, const Selector& selector) {
    auto path = resolvePath(
        root, selector, [](const View& v) { return v.is<T>(); }, T::kindName, false);
    return {path.back()->template as<T>(), std::move(path)};
}

void requireEnabled(const View& root, const View& control, bool enabled) {
    if (!enabled)
        fail(root, TextRenderer::describe(control) + " is disabled");
}

} // namespace

bool Selector::matches(const View& view) const {
    return matchesNode(*this, view, nullptr, false);
}

std::string Selector::description() const {
    switch (by_) {
    case By::text:
        return "text " + TextRenderer::quoted(value_);
    case By::textContaining:
        return "text containing " + TextRenderer::quoted(value_);
    case By::accessibilityLabel:
        return "accessibility label " + TextRenderer::quoted(value_);
    case By::identifier:
        return "identifier " + TextRenderer::quoted(value_);
    case By::address:
        return "address " + TextRenderer::quoted(value_);
    }
    return {};
}

std::vector<std::string> nodeTexts(const View& view) {
    std::vector<std::string> out;
    collectTexts(view, false, false, out);
    return out;
}

std::vector<std::string> visibleTexts(const View& root) {
    std::vector<std::string> out;
    Path path;
    auto visit = [&](const View& view, const Path&) {
        collectTexts(view, false, false, out);
        return false;
    };
    walk(root, path, false, visit);
    return out;
}

const View& find(const View& root, const Selector& selector) {
    const View* found = nullptr;
    Path path;
    auto visit = [&](const View& view, const Path& p) {
        if (matchesNode(selector, view, &p, false))
            found = &view;
        return found != nullptr;
    };
    walk(root, path, false, visit);
    if (!found)
        fail(root, "no view with " + selector.description());
    return *found;
}

std::vector<const View*> findAll(const View& root, const Selector& selector) {
    std::vector<const View*> out;
    for (const auto& path : matchingPaths(root, selector, false))
        out.push_back(path.back());
    return out;
}

bool exists(const View& root, const Selector& selector) {
    return !findAll(root, selector).empty();
}

const View& detail::resolve(const View& root, const Selector& selector,
                            const std::function<bool(const View&)>& isWanted, std::string_view wanted) {
    return *resolvePath(root, selector, isWanted, wanted, false).back();
}

void press(const View& root, const Selector& selector) {
    const auto [button, path] = resolveKind<Button>(root, selector);
    requireEnabled(root, *path.back(), button->enabled);
    for (std::size_t i = path.size(); i-- > 0;) {
        if (const auto* dialog = path[i]->as<ConfirmationDialog>()) {
            if (dialog->setPresented)
                dialog->setPresented(false);
            break;
        }
    }
    if (button->action)
        button->action();
}

void flip(const View& root, const Selector& selector) {
    const auto [toggle, path] = resolveKind<Toggle>(root, selector);
    requireEnabled(root, *path.back(), toggle->enabled);
    if (toggle->onChange)
        toggle->onChange(!toggle->isOn);
}

void typeText(const View& root, const Selector& selector, const std::string& text) {
    const auto [field, path] = resolveKind<TextField>(root, selector);
    requireEnabled(root, *path.back(), field->enabled);
    if (field->onChange)
        field->onChange(text);
}

void choose(const View& root, const Selector& selector, std::string_view option) {
    const auto [picker, path] = resolveKind<Picker>(root, selector);
    requireEnabled(root, *path.back(), picker->enabled);
    const auto& options = picker->options;
    auto it = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.title == option; });
    if (it == options.end())
        it = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.id == option; });
    if (it == options.end())
        fail(root, TextRenderer::describe(*path.back()) + " has no option " + TextRenderer::quoted(option));
    if (picker->onChange)
        picker->onChange(static_cast<std::size_t>(it - options.begin()));
}

void pickDate(const View& root, const Selector& selector, Date date) {
    const auto [picker, path] = resolveKind<DatePicker>(root, selector);
    requireEnabled(root, *path.back(), picker->enabled);
    if (!picker->allows(date))
        fail(root,
             TextRenderer::date(date) + " is outside the range of " + TextRenderer::describe(*path.back()));
    if (picker->onChange)
        picker->onChange(date);
}

namespace {

bool isModal(const View& view) {
    return view.is<Sheet>() || view.is<ConfirmationDialog>();
}

const View& resolveModal(const View& root, const Selector& selector) {
    return *resolvePath(root, selector, isModal, "sheet or confirmationDialog", true).back();
}

} // namespace

void present(const View& root, const Selector& selector) {
    const View& modal = resolveModal(root, selector);
    if (isPresented(modal))
        fail(root, TextRenderer::describe(modal) + " is already presented");
    const auto& setPresented =
        modal.is<Sheet>() ? modal.as<Sheet>()->setPresented : modal.as<ConfirmationDialog>()->setPresented;
    if (!setPresented)
        fail(root, TextRenderer::describe(modal) + " has no presented binding; press what opens it");
    setPresented(true);
}

void dismiss(const View& root, const Selector& selector) {
    const View& modal = resolveModal(root, selector);
    if (!isPresented(modal))
        fail(root, TextRenderer::describe(modal) + " is not presented");
    std::function<void(bool)> setPresented;
    std::function<void()> onDismiss;
    if (const auto* sheet = modal.as<Sheet>()) {
        setPresented = sheet->setPresented;
        onDismiss = sheet->onDismiss;
    } else {
        setPresented = modal.as<ConfirmationDialog>()->setPresented;
    }
    if (!setPresented && !onDismiss)
        fail(root,
             TextRenderer::describe(modal) + " cannot be dismissed: it has neither binding nor onDismiss");
    if (setPresented)
        setPresented(false);
    if (onDismiss)
        onDismiss();
}

} // namespace zt::ui
