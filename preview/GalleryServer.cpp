#include "GalleryServer.h"

#include "Gallery.h"
#include "GallerySite.h"
#include "Icons.h"
#include "LivePage.h"
#include "platform/Published.h"
#include "platform/StringTable.h"
#include "platform/ThreadMainQueue.h"
#include "platform/ui/HtmlRenderer.h"

#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <httplib.h>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

namespace zt::preview {

namespace {

constexpr const char* htmlType = "text/html; charset=utf-8";
constexpr const char* textType = "text/plain; charset=utf-8";
constexpr const char* loopback = "127.0.0.1";
/// Enough workers for a few tabs, each holding one waiting request for its next version.
constexpr std::size_t workerThreads = 16;

std::optional<std::uint64_t> numberParam(const httplib::Request& request, const char* name) {
    if (!request.has_param(name))
        return std::nullopt;
    const auto value = request.get_param_value(name);
    std::uint64_t n = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (error != std::errc{} || end != value.data() + value.size() || value.empty())
        throw GalleryError(400, std::string("not a number: ") + name);
    return n;
}

SiteSettings settingsOf(const httplib::Request& request) {
    const auto settings =
        SiteSettings::fromQuery(request.get_param_value("locale"), request.get_param_value("appearance"));
    if (!settings)
        throw GalleryError(400, "unknown locale or appearance");
    return *settings;
}

} // namespace

class GalleryServer::Impl {
public:
    explicit Impl(Options options)
        : options_(withFolder(std::move(options))), icons_(Icons::load(options_.folder / "icons")),
          script_(readGalleryFile(options_.folder / "site" / "gallery.js")),
          stylesheet_(GallerySite::stylesheet()), gallery_(gallery()) {
        for (const auto& subsystem : gallery_)
            for (const auto& page : subsystem.pages)
                pages_.emplace(page.name, page);
        queue_.run([this] {
            incognito_ = router_.incognitomodeActive.observe([this](bool on) {
                incognito_on_ = on;
                for (auto& [key, page] : live_)
                    page->touch();
            });
            return 0;
        });
        routes();
        server_.set_payload_max_length(options_.maxRequestBytes);
        // Without it a response's header and body wait out the browser's delayed acknowledgement.
        server_.set_tcp_nodelay(true);
        server_.new_task_queue = [] { return new httplib::ThreadPool(workerThreads); };
        if (options_.port == 0)
            port_ = server_.bind_to_any_port(loopback);
        else if (server_.bind_to_port(loopback, options_.port))
            port_ = options_.port;
        if (port_ <= 0)
            throw std::runtime_error("cannot listen on " + std::string(loopback) + ":" +
                                     std::to_string(options_.port));
    }

    ~Impl() {
        server_.stop();
        // The models die on the thread that owns them, before the router they refer to.
        queue_.run([this] {
            live_.clear();
            incognito_ = Subscription{};
            return 0;
        });
    }

    int port() const { return port_; }
    void serve() {
        auto expected = Serving::notYet;
        if (!serving_.compare_exchange_strong(expected, Serving::now))
            return; // stopped before it began
        server_.listen_after_bind();
        serving_ = Serving::over;
    }

    void stop() {
        auto expected = Serving::notYet;
        if (serving_.compare_exchange_strong(expected, Serving::over))
            return; // serve() will not start
        // The server ignores stop() until its accept loop runs, which it may not yet do; stopping
        // too early would leave serve() waiting for ever.
        while (serving_ == Serving::now && !server_.is_running())
            std::this_thread::yield();
        server_.stop();
    }

private:
    static Options withFolder(Options options) {
        if (options.folder.empty())
            options.folder = galleryFolder();
        return options;
    }

    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    /// Answers a refused request with its status and reason; nothing has changed.
    static httplib::Server::Handler guarded(Handler handler) {
        return [handler = std::move(handler)](const httplib::Request& request, httplib::Response& response) {
            response.set_header("Cache-Control", "no-store");
            try {
                handler(request, response);
            } catch (const GalleryError& e) {
                response.status = e.status();
                response.set_content(e.what(), textType);
            } catch (const std::exception& e) {
                response.status = 500;
                response.set_content(e.what(), textType);
            }
        };
    }

    void routes() {
        server_.Get("/", guarded([this](const auto& request, auto& response) {
                        const auto settings = settingsOf(request);
                        response.set_content(queue_.run([&] {
                            const Environment::Override scope({.locale = settings.locale});
                            return GallerySite::index(gallery_, settings, router_.incognitomodeActive());
                        }),
                                             htmlType);
                    }));
        server_.Get("/gallery.css", guarded([this](const auto&, auto& response) {
                        response.set_content(stylesheet_, "text/css; charset=utf-8");
                    }));
        server_.Get("/gallery.js", guarded([this](const auto&, auto& response) {
                        response.set_content(script_, "text/javascript; charset=utf-8");
                    }));
        server_.Get(R"(/page/([^/]+))", guarded([this](const auto& request, auto& response) {
                        const auto settings = settingsOf(request);
                        const std::string name = request.matches[1];
                        response.set_content(queue_.run([&] {
                            auto& page = live(name, settings.locale);
                            const std::string screen = render(page, settings);
                            return page.inEnvironment([&] {
                                return GallerySite::page(page.page(), settings, router_.incognitomodeActive(),
                                                         page.version(), screen);
                            });
                        }),
                                             htmlType);
                    }));
        server_.Get(R"(/page/([^/]+)/screen)",
                    guarded([this](const auto& request, auto& response) { screen(request, response); }));
        server_.Post(R"(/page/([^/]+)/act)", guarded([this](const auto& request, auto& response) {
                         const auto settings = settingsOf(request);
                         const std::string name = request.matches[1];
                         const auto expected = numberParam(request, "version");
                         answer(response, queue_.run([&] {
                             auto& page = live(name, settings.locale);
                             // Addresses are those of the tree the browser shows; a newer tree
                             // may have another node there.
                             if (expected && *expected != page.version())
                                 throw GalleryError(409, "the screen has changed; draw it again");
                             page.act(request.get_param_value("act"), request.get_param_value("node"),
                                      request.get_param_value("value"));
                             return std::make_pair(page.version(), render(page, settings));
                         }));
                     }));
        server_.Post(R"(/page/([^/]+)/reset)", guarded([this](const auto& request, auto& response) {
                         const auto settings = settingsOf(request);
                         const std::string name = request.matches[1];
                         answer(response, queue_.run([&] {
                             auto& page = live(name, settings.locale);
                             page.reset();
                             return std::make_pair(page.version(), render(page, settings));
                         }));
                     }));
        server_.Post("/settings/incognito", guarded([this](const auto& request, auto& response) {
                         const auto on = request.get_param_value("on");
                         if (on != "1" && on != "0")
                             throw GalleryError(400, "on must be 1 or 0");
                         queue_.run([&] {
                             router_.incognitomodeActive.set(on == "1");
                             return 0;
                         });
                         response.status = 204;
                     }));
        server_.set_error_handler([](const auto&, auto& response) {
            if (response.body.empty())
                response.set_content("no such page or request (" + std::to_string(response.status) + ")",
                                     textType);
        });
    }

    /// The screen of a page; with `after`, waits until its version is newer than that, or answers
    /// 204 when nothing has changed for a while.
    void screen(const httplib::Request& request, httplib::Response& response) {
        const auto settings = settingsOf(request);
        const std::string name = request.matches[1];
        const auto after = numberParam(request, "after");
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(options_.pollSeconds));
        for (;;) {
            const std::uint64_t seen = generation();
            auto drawn = queue_.run([&]() -> std::optional<std::pair<std::uint64_t, std::string>> {
                auto& page = live(name, settings.locale);
                if (after && page.version() <= *after)
                    return std::nullopt;
                return std::make_pair(page.version(), render(page, settings));
            });
            if (drawn)
                return answer(response, std::move(*drawn));
            std::unique_lock lock(changeMutex_);
            if (!changed_.wait_until(lock, deadline, [&] { return generation_ != seen; })) {
                response.status = 204;
                return;
            }
        }
    }

    void answer(httplib::Response& response, std::pair<std::uint64_t, std::string> drawn) {
        response.set_header("X-Page-Version", std::to_string(drawn.first));
        // A screen may flip the gallery's incognito switch too (the overview's toolbar).
        response.set_header("X-Gallery-Incognito", incognito_on_.load() ? "1" : "0");
        response.set_content(std::move(drawn.second), htmlType);
    }

    std::uint64_t generation() {
        const std::lock_guard lock(changeMutex_);
        return generation_;
    }

    /// The live page of that name and language, built on first use. Main queue only.
    LivePage& live(const std::string& name, const std::string& locale) {
        const auto page = pages_.find(name);
        if (page == pages_.end())
            throw GalleryError(404, "no page " + name);
        const std::string key = name + "\n" + locale;
        auto it = live_.find(key);
        if (it == live_.end()) {
            auto built = std::make_unique<LivePage>(page->second, locale, router_, queue_, [this] {
                {
                    const std::lock_guard lock(changeMutex_);
                    ++generation_;
                }
                changed_.notify_all();
            });
            it = live_.emplace(key, std::move(built)).first;
        }
        return *it->second;
    }

    /// The page's screen, with the router's banner over it while one is shown. Main queue only.
    std::string render(const LivePage& page, const SiteSettings& settings) const {
        const ui::HtmlRenderer renderer(
            {.icon = [this](std::string_view symbol) { return icons_.svg(symbol); },
             .appearance = settings.appearance});
        return page.inEnvironment([&] {
            std::string html;
            if (const auto& alert = router_.alertItem()) {
                html +=
                    "<div class=\"gallery-banner\" role=\"status\" id=\"banner\">" +
                    renderer.render(ui::card(
                        {ui::label(alert->title, alert->systemImageName).foregroundColor(alert->color).bold(),
                         ui::text(alert->message).secondary()})) +
                    "</div>";
            }
            return html + renderer.render(page.draw());
        });
    }

    Options options_;
    Icons icons_;
    std::string script_;
    std::string stylesheet_;
    std::vector<Subsystem> gallery_;
    std::map<std::string, Page> pages_;

    // The main queue outlives what runs on it; everything below it is its thread's.
    ThreadMainQueue queue_;
    NavigationRouter router_;
    Subscription incognito_;
    std::atomic<bool> incognito_on_ = false;
    enum class Serving { notYet, now, over };
    std::atomic<Serving> serving_ = Serving::notYet;
    std::map<std::string, std::unique_ptr<LivePage>> live_;

    std::mutex changeMutex_;
    std::condition_variable changed_;
    std::uint64_t generation_ = 0;

    httplib::Server server_;
    int port_ = -1;
};

GalleryServer::GalleryServer(Options options) : impl_(std::make_unique<Impl>(std::move(options))) {}
GalleryServer::~GalleryServer() = default;

int GalleryServer::port() const {
    return impl_->port();
}
std::string GalleryServer::address() const {
    return "http://127.0.0.1:" + std::to_string(port()) + "/";
}
void GalleryServer::serve() {
    impl_->serve();
}
void GalleryServer::stop() {
    impl_->stop();
}

} // namespace zt::preview
