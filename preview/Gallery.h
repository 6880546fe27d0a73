#pragma once

#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// The gallery: every screen of the library on demo data. A page is a live screen model that the
/// gallery builds once, keeps, draws on request, lets the browser act on (press, flip, type,
/// choose, open and close sheets) and can build anew to reset it.
///
/// Adding a page
/// 1. In preview/<Subsystem>Pages.cpp, return it from that subsystem's list:
///
///        {"budgets", "Budgets", [](PageContext& context) -> Screen {
///            auto model = BudgetsViewModel::create(std::make_shared<MockBudgetsStore>());
///            return [model] { return BudgetsScreen2025(model).body(); };
///        }},
///
///    make() builds the screen model (its store, demo data, callbacks); the Screen it returns draws
///    the current tree and owns, by capture, what must stay alive. Build screen values that keep
///    sheet or selection state (the ScreenState kind) once, outside the Screen, and capture them.
/// 2. A new subsystem also declares its list below and adds it to gallery() in Gallery.cpp.
///
/// Both run on the gallery's one main thread inside the page's environment: locale, time zone,
/// a clock that starts at the demo day, fresh user defaults and a main queue. Work the model posts
/// to MainQueue::main() runs there too, delayed work after its real delay, and the page is drawn
/// again afterwards. Draw only from the model: the Screen is called often and must not change it.
/// Use the context's router (never NavigationRouter::shared()): its incognito flag is the gallery's
/// switch.
namespace zt::preview {

/// What the gallery hands a page while it is built.
struct PageContext {
    NavigationRouter& router;
};

/// Draws a live screen's current tree.
using Screen = std::function<ui::View()>;

struct Page {
    std::string name;  // URL segment and preview argument: lower-case words joined by hyphens
    std::string title; // English; the index shows it translated
    std::function<Screen(PageContext&)> make;
};

struct Subsystem {
    std::string title; // English; the index shows it translated
    std::vector<Page> pages;
};

/// Every subsystem with its pages, in gallery order.
std::vector<Subsystem> gallery();
/// The pages of gallery(), in order.
std::vector<Page> allPages();

std::vector<Page> hostPages();
std::vector<Page> overviewPages();
std::vector<Page> creditCardPages();
std::vector<Page> transactionPages();
std::vector<Page> categoryPages();
std::vector<Page> accountPages();
std::vector<Page> budgetPages();
std::vector<Page> insightPages();
std::vector<Page> accountEntryPages();

/// Runs build with a private manual main queue in force and runs that queue dry, so a demo load
/// that completes through the main queue has finished when build returns. Later work still goes
/// to the page's own queue.
template <class Build> auto settled(Build&& build) {
    auto queue = std::make_shared<ManualMainQueue>();
    Environment::Override loading({.mainQueue = queue});
    auto result = build(*queue);
    queue->drain();
    return result;
}

} // namespace zt::preview
