#include "Gallery.h"
#include "ZTAIFoundation/AIDevScreen.h"
#include "ZTAIFoundation/AIInsightsCard.h"
#include "ZTAIFoundation/FoundationModelsAvailabilityCheck.h"
#include "ZTAIFoundation/InsightHeroCard.h"
#include "ZTAIFoundation/ZTAI.h"
#include "platform/Environment.h"
#include "platform/ScriptedLanguageModel.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"
#include "platform/ui/ScreenState.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace zt::preview {

namespace {

/// A host's insight as the cards take it: the streamed one with what has arrived so far.
class StreamedInsight {
public:
    StreamedInsight(const ai::Insight::PartiallyGenerated& insight) : insight_(insight) {}
    std::string id() const { return insight_.id.value; }
    std::string title() const { return insight_.title.value_or(""); }
    std::string message() const { return insight_.message.value_or(""); }
    std::optional<std::string> suggestions() const { return insight_.suggestions; }
    bool operator==(const StreamedInsight&) const = default;

private:
    ai::Insight::PartiallyGenerated insight_;
};

struct ReplyMode {
    const char* title;
    std::optional<GenerationError::Kind> failure;
};

constexpr std::array<ReplyMode, 6> replyModes{{
    {"Answer", std::nullopt},
    {"Context window exceeded", GenerationError::Kind::exceededContextWindowSize},
    {"Guardrail violation", GenerationError::Kind::guardrailViolation},
    {"Unsupported language or locale", GenerationError::Kind::unsupportedLanguageOrLocale},
    {"Refusal", GenerationError::Kind::refusal},
    {"Other failure", GenerationError::Kind::rateLimited},
}};

/// A device with a scripted on-device model and one insight engine on it; the controls choose how
/// the model answers and whether it is available, and start a generation to watch.
class InsightDemo : public std::enable_shared_from_this<InsightDemo> {
public:
    InsightDemo() {
        choose(0);
        const Environment::Override device({.languageModel = model_});
        engine_ =
            ai::ZTAI::create("Address the user informally.", Environment::current().localeIdentifier(), 30);
    }

    const std::shared_ptr<ai::ZTAI>& engine() const { return engine_; }

    void generate() const {
        engine_->suggestInsight("Coffee spending", "You spent 120 EUR on coffee this month");
    }

    /// Draws in the environment of the demo device, whose model the availability gate reads; a
    /// screen with a generate button of its own gets none from the controls.
    template <class Draw> ui::View draw(Draw&& build, bool withGenerateButton = true) const {
        const Environment::Override device({.languageModel = model_});
        return ui::vstack({controls(withGenerateButton), build()});
    }

private:
    struct State {
        std::size_t mode = 0;
    };

    void choose(std::size_t index) const {
        state_->mode = index;
        ScriptedLanguageModel::Reply reply{
            {{"title", "Your coffee habit is brewing"},
             {"message", "120 EUR went into cups this month."},
             {"suggestions", "Brew at home twice a week and keep about 40 EUR."}}};
        if (const auto failure = replyModes[index].failure)
            reply.failure = ScriptedLanguageModel::Failure{*failure, "chosen in the gallery", 6,
                                                           "I would rather not judge your coffee."};
        model_->setDefaultReply(std::move(reply));
    }

    ui::View controls(bool withGenerateButton) const {
        std::vector<ui::PickerOption> options;
        for (const auto& mode : replyModes)
            options.emplace_back(mode.title, L(mode.title, "Gallery: how the scripted model answers"));
        return ui::section(
            {ui::picker(L("Model reply", "Gallery: how the scripted model answers"), std::move(options),
                        state_->mode,
                        weakCallback(weak_from_this(),
                                     [](const InsightDemo& demo, std::size_t index) { demo.choose(index); })),
             ui::toggle(L("Model available", "Gallery: whether the on-device model can be used"),
                        model_->isAvailable(),
                        [model = model_](bool on) {
                            model->setAvailability(
                                on ? SystemLanguageModel::Availability::available()
                                   : SystemLanguageModel::Availability::unavailable(
                                         SystemLanguageModel::UnavailableReason::modelNotReady));
                        }),
             withGenerateButton
                 ? ui::button(L("Generate", "Development screen: asks the model for an insight"), "sparkles",
                              weakCallback(weak_from_this(), &InsightDemo::generate))
                 : ui::group()});
    }

    std::shared_ptr<ScriptedLanguageModel> model_ = std::make_shared<ScriptedLanguageModel>();
    std::shared_ptr<ai::ZTAI> engine_;
    ui::ScreenState<State> state_;
};

Screen insightsCardPage(PageContext&) {
    auto demo = std::make_shared<InsightDemo>();
    const ui::ScreenState<ai::InsightHeroCard::Appearance> appearance;
    ai::InsightHeroCard::fadeIn(appearance);
    demo->generate();
    return [demo, appearance] {
        return demo->draw([&] {
            return ai::FoundationModelsAvailabilityCheck<StreamedInsight>(
                       demo->engine()->insight() ? std::optional<StreamedInsight>(*demo->engine()->insight())
                                                 : std::nullopt,
                       [&](const StreamedInsight& insight) {
                           return ai::AIInsightsCard<StreamedInsight>(insight, "Coffee",
                                                                      "Good morning, Anna!", {}, appearance)
                               .body();
                       })
                .body();
        });
    };
}

Screen heroCardPage(PageContext&) {
    auto demo = std::make_shared<InsightDemo>();
    const ui::ScreenState<ai::InsightHeroCard::Appearance> appearance;
    ai::InsightHeroCard::fadeIn(appearance);
    demo->generate();
    return [demo, appearance] {
        return demo->draw([&] {
            const auto& insight = demo->engine()->insight();
            return ai::InsightHeroCard("Savings", "Hello Anna", insight ? insight->title.value_or("") : "",
                                       insight ? insight->message.value_or("") : "", {}, appearance)
                .body();
        });
    };
}

Screen devScreenPage(PageContext&) {
    auto demo = std::make_shared<InsightDemo>();
    const auto screen = std::make_shared<const ai::AIDevScreen>(demo->engine());
    return [demo, screen] { return demo->draw([&] { return screen->body(); }, false); };
}

} // namespace

std::vector<Page> insightPages() {
    return {
        {"ai-insights-card", "AI insights card", insightsCardPage},
        {"insight-hero-card", "Insight hero card", heroCardPage},
        {"ai-dev-screen", "AI debug screen", devScreenPage},
    };
}

} // namespace zt::preview
