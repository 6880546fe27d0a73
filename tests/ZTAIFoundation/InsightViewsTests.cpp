#include "ZTAIFoundation/AIDevScreen.h"
#include "ZTAIFoundation/AIInsightsCard.h"
#include "ZTAIFoundation/FoundationModelsAvailabilityCheck.h"
#include "ZTAIFoundation/InsightHeroCard.h"
#include "ZTAIFoundation/InsightManager.h"
#include "ZTAIFoundation/InsightServiceConformable.h"
#include "ZTAIFoundation/InsightsEngineConformable.h"
#include "platform/Console.h"
#include "platform/Logger.h"
#include "platform/ScriptedLanguageModel.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::ai;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

/// The host's own insight, as a host would write it.
class HostInsight {
public:
    HostInsight(std::string title, std::string message)
        : title_(std::move(title)), message_(std::move(message)) {}
    std::string id() const { return "insight-" + title_; }
    std::string title() const { return title_; }
    std::string message() const { return message_; }
    std::optional<std::string> suggestions() const { return std::nullopt; }
    bool operator==(const HostInsight&) const = default;

private:
    std::string title_, message_;
};

class HostEngine : public ObservableObject {
public:
    using InsightFromEngine = HostInsight;
    explicit HostEngine(std::shared_ptr<InsightManager<HostInsight>> manager)
        : manager_(std::move(manager)) {}
    std::vector<HostInsight> insights() const { return insights_; }
    std::optional<HostInsight> currentInsight() const { return manager_->current(); }
    bool isLoading() const { return false; }
    std::optional<Date> lastUpdated() const { return std::nullopt; }
    void showNextInsight() {
        const auto next = (manager_->lastIndex() + 1) % static_cast<std::int64_t>(insights_.size());
        manager_->setLastIndex(next);
        manager_->current.set(insights_[static_cast<std::size_t>(next)]);
    }
    void reset() { manager_->setLastIndex(0); }
    void loadInsights(std::function<void()> done) { done(); }
    void refreshInsights(std::function<void()> done) { done(); }

    std::vector<HostInsight> insights_{{"A", "a"}, {"B", "b"}};

private:
    std::shared_ptr<InsightManager<HostInsight>> manager_;
};

struct HostService {
    using InsightFromEngine = HostInsight;
    void generateInsight(std::function<void(std::optional<HostInsight>)> done) {
        done(HostInsight{"S", "s"});
    }
};

struct NotAnInsight {
    std::string title() const { return {}; }
    bool operator==(const NotAnInsight&) const = default;
};

static_assert(InsightConformable<HostInsight>);
static_assert(!InsightConformable<NotAnInsight>);
static_assert(!InsightConformable<Insight>); // the engine's value is not a host insight
static_assert(InsightsEngineConformable<HostEngine>);
static_assert(!InsightsEngineConformable<HostService>);
static_assert(InsightServiceConformable<HostService>);
static_assert(!InsightServiceConformable<HostEngine>);

class InsightViewsTest : public test::PinnedTest {
protected:
    std::shared_ptr<ScriptedLanguageModel> model = std::make_shared<ScriptedLanguageModel>();
    test::TemporaryDirectory documents{"insight-views"};
    Environment::Override environment{{.documentsDirectory = documents.path(), .languageModel = model}};
    ConsoleCapture console;
    LogCapture log;

    static std::vector<std::string> texts(const ui::View& view) { return ui::visibleTexts(view); }
};

const std::string footnote =
    "*ZTAI can make mistakes. Expect occasional oopsies, so use with a smile and a grain of salt!";

} // namespace

TEST_F(InsightViewsTest, GateShowsNothingWithoutTheModelThinkingWhileEmptyThenTheContent) {
    const auto content = [](const std::string& insight) { return ui::text("content: " + insight); };
    model->setAvailability(SystemLanguageModel::Availability::unavailable(
        SystemLanguageModel::UnavailableReason::modelNotReady));
    EXPECT_THAT(texts(FoundationModelsAvailabilityCheck<std::string>("x", content).body()), IsEmpty());
    EXPECT_THAT(texts(FoundationModelsAvailabilityCheck<std::string>(std::nullopt, content).body()),
                IsEmpty());

    model->setAvailability(SystemLanguageModel::Availability::available());
    const auto thinking = FoundationModelsAvailabilityCheck<std::string>(std::nullopt, content).body();
    const auto& label = ui::findAs<ui::Label>(thinking, "Thinking...");
    EXPECT_EQ(label.symbol, "sparkles");
    EXPECT_EQ(label.style.font, ui::Font::headline);
    EXPECT_TRUE(label.style.secondary);
    EXPECT_THAT(texts(FoundationModelsAvailabilityCheck<std::string>("x", content).body()),
                ElementsAre("content: x"));

    const Environment::Override german({.locale = "de_DE"});
    EXPECT_TRUE(ui::exists(FoundationModelsAvailabilityCheck<std::string>(std::nullopt, content).body(),
                           "Denke nach..."));
}

TEST_F(InsightViewsTest, HeroCardFadesItsPartsInOneAfterAnotherAndReportsTaps) {
    int taps = 0;
    const InsightHeroCard card("Coffee", "Good morning!", "Coffee again", "Easy there.", [&] { ++taps; });
    EXPECT_THAT(texts(card.body()), ElementsAre(footnote));
    card.appear();
    std::vector<std::vector<std::string>> steps;
    for (int i = 0; i < 5; ++i) {
        queue().runUntilIdle();
        auto shown = texts(card.body());
        if (ui::exists(card.body(), ui::byId("illustration")))
            shown.insert(shown.begin(), "[illustration]");
        steps.push_back(shown);
        queue().advance(InsightHeroCard::fadeInInterval);
    }
    EXPECT_THAT(
        steps, ElementsAre(ElementsAre("[illustration]", footnote),
                           ElementsAre("[illustration]", "Coffee", footnote),
                           ElementsAre("[illustration]", "Coffee", "Good morning!", footnote),
                           ElementsAre("[illustration]", "Coffee", "Good morning!", "Coffee again", footnote),
                           ElementsAre("[illustration]", "Coffee", "Good morning!", "Coffee again",
                                       "Easy there.", footnote)));
    const auto body = card.body();
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("illustration")).symbol, "apple.intelligence");
    EXPECT_EQ(ui::find(body, ui::byId("title")).as<ui::Text>()->style.font, ui::Font::headline);
    ui::press(body, ui::byId("insightHeroCard"));
    EXPECT_EQ(taps, 1);

    // A card rebuilt with the same appearance while the insight streams keeps what has faded in.
    const InsightHeroCard rebuilt("Coffee", "Good morning!", "Coffee again!", "Easy.", {}, card.appearance());
    EXPECT_TRUE(ui::exists(rebuilt.body(), "Coffee again!"));
    ui::press(rebuilt.body(), ui::byId("insightHeroCard")); // no callback: nothing happens
}

TEST_F(InsightViewsTest, InsightsCardShowsTheHostsInsightUnderTagAndGreetingOrNothing) {
    int taps = 0;
    EXPECT_THAT(texts(AIInsightsCard<HostInsight>(std::nullopt, "Tag", "Hi", [&] { ++taps; }).body()),
                IsEmpty());
    const AIInsightsCard<HostInsight> card(HostInsight{"Saved 20%", "Nice."}, "Savings", "Hello Anna",
                                           [&] { ++taps; });
    card.appear();
    queue().drain();
    EXPECT_THAT(texts(card.body()), ElementsAre("Savings", "Hello Anna", "Saved 20%", "Nice.", footnote));
    ui::press(card.body(), "Saved 20%");
    EXPECT_EQ(taps, 1);
}

TEST_F(InsightViewsTest, DevScreenGeneratesTheSampleAndShowsTheStreamErrorsAndFeedbackFiles) {
    model->enqueue(ScriptedLanguageModel::Reply{
        {{"title", "Busy week"}, {"message", "Four times!"}, {"suggestions", "Drink water."}}});
    model->enqueue(ScriptedLanguageModel::Reply{
        {}, ScriptedLanguageModel::Failure{GenerationError::Kind::guardrailViolation, "blocked"}});
    const auto engine = ZTAI::create("", "en_US", 20);
    const AIDevScreen screen(engine);
    auto body = screen.body();
    EXPECT_EQ(ui::findAs<ui::NavigationTitle>(body, "AI Debug").title, "AI Debug");
    EXPECT_FALSE(ui::exists(body, ui::byId("insight")));
    ui::press(body, "Generate");
    queue().advance(1.2);
    EXPECT_TRUE(ui::exists(screen.body(), "Busy"));
    queue().drain();
    body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("title")).as<ui::Text>()->content, "Busy week");
    EXPECT_EQ(ui::find(body, ui::byId("suggestions")).as<ui::Text>()->content, "Drink water.");
    EXPECT_THAT(
        model->requests()[0].request.prompt.segments[0],
        ::testing::HasSubstr("Managing bowel movements You logged heavy bowel movements 4 times this week."));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, "Feedback")), ElementsAre("Feedback"));

    ui::press(body, "Generate");
    queue().drain();
    body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("error")).as<ui::Text>()->content,
              "Error: Content blocked by guardrails: blocked");
    EXPECT_THAT(ui::visibleTexts(ui::find(body, "Feedback")),
                ElementsAre("Feedback", engine->feedbackFileUrls()[0].string()));
}

TEST_F(InsightViewsTest, InsightManagerKeepsLastIndexInTheUserDefaults) {
    const auto manager = std::make_shared<InsightManager<HostInsight>>();
    EXPECT_EQ(manager->lastIndex(), 0);
    HostEngine engine(manager);
    int willChange = 0;
    const auto s = manager->objectWillChange.observe([&] { ++willChange; });
    engine.showNextInsight();
    EXPECT_EQ(manager->lastIndex(), 1);
    EXPECT_EQ(pinned.defaults->integer(InsightManager<HostInsight>::lastIndexKey), 1);
    EXPECT_EQ(engine.currentInsight(), (HostInsight{"B", "b"}));
    EXPECT_EQ(willChange, 2); // the index and the current insight
    // Another manager, as after a relaunch, continues from the stored place.
    EXPECT_EQ(InsightManager<HostInsight>().lastIndex(), 1);
    engine.showNextInsight();
    EXPECT_EQ(manager->lastIndex(), 0);
}
