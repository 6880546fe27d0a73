#include "TextPreview.h"

#include "Gallery.h"
#include "mocks/DemoClock.h"
#include "platform/UserDefaults.h"
#include "platform/ui/TextRenderer.h"

#include <algorithm>

namespace zt::preview {

int printPages(const std::vector<std::string>& names, const std::vector<std::string>& locales,
               std::ostream& out) {
    int shown = 0;
    for (const auto& locale : locales) {
        for (const auto& page : allPages()) {
            if (!names.empty() && std::find(names.begin(), names.end(), page.name) == names.end())
                continue;
            // Each page on a fixed day, zone and fresh settings, so every run prints the same.
            auto queue = std::make_shared<ManualMainQueue>();
            Environment::Override demo({.locale = locale,
                                        .timeZone = "Europe/Berlin",
                                        .now = mocks::demoNow(),
                                        .mainQueue = queue,
                                        .userDefaults = std::make_shared<InMemoryUserDefaults>()});
            NavigationRouter router;
            PageContext context{router};
            const auto screen = page.make(context);
            queue->drain();
            out << "=== " << page.title << " (" << page.name << ", " << locale << ") ===\n"
                << ui::TextRenderer::render(screen()) << "\n";
            ++shown;
        }
    }
    return shown;
}

} // namespace zt::preview
