// The preview: every gallery screen on demo data, printed with the text renderer, in English and
// German. `zt-preview [page ...] [--locale ID ...]` limits the pages or locales.
#include "Gallery.h"
#include "mocks/DemoClock.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/TextRenderer.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> names, locales;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc)
            locales.push_back(argv[++i]);
        else if (arg == "--list") {
            for (const auto& page : zt::preview::allPages())
                std::cout << page.name << "\t" << page.title << "\n";
            return 0;
        } else
            names.push_back(arg);
    }
    if (locales.empty())
        locales = {"en_US", "de_DE"};

    int shown = 0;
    for (const auto& locale : locales) {
        // Demo mode: a fixed day, zone and fresh settings, so every run prints the same screens.
        auto queue = std::make_shared<zt::ManualMainQueue>();
        zt::Environment::Override demo({.locale = locale,
                                        .timeZone = "Europe/Berlin",
                                        .now = zt::mocks::demoNow(),
                                        .mainQueue = queue,
                                        .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
        for (const auto& page : zt::preview::allPages()) {
            if (!names.empty() && std::find(names.begin(), names.end(), page.name) == names.end())
                continue;
            const auto view = page.build();
            queue->drain();
            std::cout << "=== " << page.title << " (" << page.name << ", " << locale << ") ===\n"
                      << zt::ui::TextRenderer::render(view) << "\n";
            ++shown;
        }
    }
    if (shown == 0) {
        std::cerr << "no such page; --list shows them\n";
        return 1;
    }
    return 0;
}
