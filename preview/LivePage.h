#pragma once

#include "Gallery.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ui/View.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace zt::preview {

/// A request the gallery refuses, with the HTTP status that says why; nothing has changed.
class GalleryError : public std::runtime_error {
public:
    GalleryError(int status, const std::string& what) : std::runtime_error(what), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

/// One gallery page in one language: its screen model, built on demo data and kept alive, in an
/// environment of its own (language, Berlin time, a clock from the demo day, fresh user defaults).
/// Work the model posts runs on the gallery's main queue inside that environment, and every run,
/// action or reset counts the page's version up, so a browser knows when to draw it again.
/// Used on the main queue's thread only.
class LivePage {
public:
    /// Builds the page. mainQueue is the thread that owns every page; onChange runs after each
    /// change of any page.
    LivePage(Page page, std::string locale, NavigationRouter& router, MainQueue& mainQueue,
             std::function<void()> onChange);
    ~LivePage();
    LivePage(const LivePage&) = delete;
    LivePage& operator=(const LivePage&) = delete;

    const Page& page() const { return page_; }
    const std::string& locale() const { return locale_; }
    std::uint64_t version() const { return version_; }

    /// The current tree, drawn in the page's environment.
    ui::View draw() const;
    /// Runs code in the page's environment.
    template <class Fn> auto inEnvironment(Fn&& fn) const {
        const Environment::Override scope(settings());
        return fn();
    }

    /// Does what a user does to the node at address: "press", "flip", "type" (value: the text),
    /// "choose" (value: the option's index), "pick" (value: the date input's value), "present",
    /// "dismiss". Then runs the work it queued that is due now. Throws GalleryError: 404 for no
    /// such node, 400 for an unknown action or a malformed value, 422 for a node that cannot do it
    /// (a disabled button, a toggle asked to choose).
    void act(const std::string& action, const std::string& address, const std::string& value);
    /// Builds the screen model anew, as on the demo day.
    void reset();
    /// Counts the version up (the router or another shared setting has changed).
    void touch();

private:
    struct Shared;
    class Queue;

    const Environment::Settings& settings() const;
    void build();
    void changed();
    /// Runs the work that is due now, so a page is drawn after what its action started.
    void runDueWork();

    Page page_;
    std::string locale_;
    NavigationRouter& router_;
    MainQueue& target_;
    std::function<void()> onChange_;
    std::uint64_t version_ = 0;
    std::shared_ptr<Shared> shared_;
    Screen screen_;
};

} // namespace zt::preview
