#include "LivePage.h"

#include "GalleryHost.h"
#include "mocks/DemoClock.h"
#include "platform/ThreadMainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/HtmlRenderer.h"
#include "platform/ui/ViewQuery.h"

#include <algorithm>
#include <charconv>
#include <chrono>

namespace zt::preview {

/// What the page's queued work needs. Queued work holds it weakly, so the work of a model that
/// was reset (or of a page that is gone) is dropped instead of running against a model that is
/// no more.
struct LivePage::Shared {
    Environment::Settings settings;
    std::function<void()> changed;
};

/// The page's MainQueue: hands work to the gallery's thread and runs it in the page's environment.
class LivePage::Queue final : public MainQueue {
public:
    Queue(std::weak_ptr<Shared> shared, MainQueue& target) : shared_(std::move(shared)), target_(target) {}

    void async(Work work) override { target_.async(wrap(std::move(work))); }
    void asyncAfter(double seconds, Work work) override {
        target_.asyncAfter(seconds, wrap(std::move(work)));
    }

private:
    Work wrap(Work work) const {
        return [weak = shared_, work = std::move(work)] {
            const auto shared = weak.lock();
            if (!shared)
                return;
            {
                const Environment::Override scope(shared->settings);
                work();
            }
            shared->changed();
        };
    }

    std::weak_ptr<Shared> shared_;
    MainQueue& target_;
};

LivePage::LivePage(Page page, std::string locale, NavigationRouter& router, MainQueue& mainQueue,
                   std::function<void()> onChange)
    : page_(std::move(page)), locale_(std::move(locale)), router_(router), target_(mainQueue),
      onChange_(std::move(onChange)) {
    build();
}

LivePage::~LivePage() = default;

const Environment::Settings& LivePage::settings() const {
    return shared_->settings;
}

void LivePage::changed() {
    ++version_;
    if (onChange_)
        onChange_();
}

void LivePage::build() {
    screen_ = nullptr;
    shared_ = std::make_shared<Shared>();
    // The demo day, moving on in real time so that delays and "now" agree.
    const auto started = std::chrono::steady_clock::now();
    shared_->settings = {
        .locale = locale_,
        .timeZone = "Europe/Berlin",
        .clock =
            [started] {
                const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
                return mocks::demoNow() + elapsed.count();
            },
        .mainQueue = std::make_shared<Queue>(shared_, target_),
        .userDefaults = galleryUserDefaults(),
    };
    shared_->changed = [this] { changed(); };
    PageContext context{router_};
    screen_ = inEnvironment([&] { return page_.make(context); });
    runDueWork();
    changed();
}

void LivePage::runDueWork() {
    if (auto* thread = dynamic_cast<ThreadMainQueue*>(&target_))
        thread->runUntilIdle();
}

ui::View LivePage::draw() const {
    return inEnvironment([&] { return screen_(); });
}

void LivePage::reset() {
    build();
}

void LivePage::touch() {
    changed();
}

namespace {

std::size_t parseIndex(const std::string& value) {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
    if (error != std::errc{} || end != value.data() + value.size() || value.empty())
        throw GalleryError(400, "not an option index: " + value);
    return index;
}

} // namespace

void LivePage::act(const std::string& action, const std::string& address, const std::string& value) {
    static const std::vector<std::string> actions{"press", "flip",    "type",   "choose",
                                                  "pick",  "present", "dismiss"};
    if (std::find(actions.begin(), actions.end(), action) == actions.end())
        throw GalleryError(400, "unknown action: " + action);
    inEnvironment([&] {
        const ui::View root = screen_();
        const auto where = ui::byAddress(address);
        // A sheet is named by its own address even while dismissed; anything else must be shown.
        const bool modal = action == "present" || action == "dismiss";
        if (!modal && !ui::exists(root, where))
            throw GalleryError(404, "no node at " + address + " on page " + page_.name);
        try {
            if (action == "press")
                ui::press(root, where);
            else if (action == "flip")
                ui::flip(root, where);
            else if (action == "type")
                ui::typeText(root, where, value);
            else if (action == "choose") {
                const auto& picker = ui::findAs<ui::Picker>(root, where);
                const std::size_t index = parseIndex(value);
                if (index >= picker.options.size())
                    throw GalleryError(400, "no option " + value + " in picker " + picker.title);
                ui::choose(root, where, picker.options[index].title);
            } else if (action == "pick") {
                const auto& picker = ui::findAs<ui::DatePicker>(root, where);
                const auto date = ui::HtmlRenderer::parseDateInput(value, picker.components, picker.value,
                                                                   Environment::current().calendar());
                if (!date)
                    throw GalleryError(400, "not a date: " + value);
                ui::pickDate(root, where, *date);
            } else if (action == "present")
                ui::present(root, where);
            else
                ui::dismiss(root, where);
        } catch (const ui::ViewQueryError& e) {
            // The first line says what was wrong; the tree behind it is for tests.
            const std::string what = e.what();
            const bool missing = what.rfind("no view with", 0) == 0;
            throw GalleryError(missing ? 404 : 422, what.substr(0, what.find('\n')));
        }
        return 0;
    });
    runDueWork();
    changed();
}

} // namespace zt::preview
