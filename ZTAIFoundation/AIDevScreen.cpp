#include "AIDevScreen.h"

#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>
#include <vector>

namespace zt::ai {

AIDevScreen::AIDevScreen(std::shared_ptr<ZTAI> engine) : engine_(std::move(engine)) {}

ui::View AIDevScreen::body() const {
    std::vector<ui::View> sections{ui::section(
        {ui::button(
             L("Generate", "Development screen: asks the model for an insight"), "sparkles",
             weakCallback(engine_, [](ZTAI& engine) { engine.suggestInsight(sampleTitle, sampleMessage); }))
             .id("generate")})};
    if (const auto& insight = engine_->insight()) {
        std::vector<ui::View> rows;
        if (insight->title)
            rows.push_back(ui::text(*insight->title).font(ui::Font::headline).id("title"));
        if (insight->message)
            rows.push_back(ui::text(*insight->message).id("message"));
        if (insight->suggestions)
            rows.push_back(ui::text(*insight->suggestions).secondary().id("suggestions"));
        sections.push_back(ui::section(std::move(rows)).id("insight"));
    }
    if (const auto& error = engine_->error())
        sections.push_back(
            ui::section({ui::text(format(L("Error: %@", "Development screen: the last model error"),
                                         error->localizedDescription))
                             .foregroundColor(ui::Color(1, 64 / 255.0, 89 / 255.0))
                             .id("error")}));
    std::vector<ui::View> files;
    for (const auto& path : engine_->feedbackFileUrls())
        files.push_back(ui::row({ui::text(path.string()).font(ui::Font::caption)}));
    sections.push_back(ui::section(L("Feedback", "Development screen: header of the saved feedback files"),
                                   std::move(files)));
    return ui::list(std::move(sections))
        .navigationTitle(L("AI Debug", "Title of the insight development screen"));
}

} // namespace zt::ai
