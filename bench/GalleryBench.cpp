// The gallery's two speed goals. Drawing the overview page's HTML from its tree (the demo
// overview, every card visible, icons inlined): goal under 1 ms. One interaction round trip on the
// loopback (an HTTP request flips the overview's incognito switch; the server applies it on its
// main thread, draws the new screen and answers with its HTML): goal under 20 ms at the 95th
// percentile, reported as the p95_ms counter.
#include "mocks/DemoClock.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/HtmlRenderer.h"
#include "preview/Gallery.h"
#include "preview/GalleryServer.h"
#include "preview/GallerySite.h"
#include "preview/Icons.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <httplib.h>
#include <regex>
#include <thread>
#include <vector>

namespace {

void overviewHtmlFromTree(benchmark::State& state) {
    auto queue = std::make_shared<zt::ManualMainQueue>();
    const zt::Environment::Override environment(
        {.locale = "en_US",
         .timeZone = "Europe/Berlin",
         .now = zt::mocks::demoNow(),
         .mainQueue = queue,
         .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    const auto pages = zt::preview::allPages();
    const auto overview =
        std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.name == "overview"; });
    zt::NavigationRouter router;
    zt::preview::PageContext context{router};
    const auto screen = overview->make(context);
    queue->drain();
    const auto tree = screen();
    const auto icons = zt::preview::Icons::load(zt::preview::galleryFolder() / "icons");
    const zt::ui::HtmlRenderer renderer({.icon = [&](std::string_view s) { return icons.svg(s); }});
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto html = renderer.render(tree);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["html_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(overviewHtmlFromTree)->Unit(benchmark::kMicrosecond);

void interactionRoundTrip(benchmark::State& state) {
    zt::preview::GalleryServer server({});
    std::thread serving([&] { server.serve(); });
    httplib::Client client("127.0.0.1", server.port());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true); // as browsers do: a request's header and body leave together
    const auto page = client.Get("/page/overview");
    std::smatch m;
    const std::string body = page ? page->body : std::string{};
    if (!std::regex_search(body, m,
                           std::regex("id=\"incognito\".*?data-node=\"([0-9.]+)\" data-act=\"flip\""))) {
        state.SkipWithError("no incognito switch on the overview page");
    } else {
        const httplib::Params flip{{"node", m[1].str()}, {"act", "flip"}};
        std::vector<double> millis;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            const auto answer = client.Post("/page/overview/act", flip);
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (!answer || answer->status != 200) {
                state.SkipWithError("the action was refused");
                break;
            }
        }
        if (!millis.empty()) {
            std::sort(millis.begin(), millis.end());
            state.counters["p95_ms"] = millis[std::min(millis.size() - 1, millis.size() * 95 / 100)];
            state.counters["median_ms"] = millis[millis.size() / 2];
        }
    }
    server.stop();
    serving.join();
}
BENCHMARK(interactionRoundTrip)->Unit(benchmark::kMillisecond)->Iterations(400);

} // namespace
