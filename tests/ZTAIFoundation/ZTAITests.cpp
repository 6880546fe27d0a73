#include "ZTAIFoundation/ZTAI.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/ScriptedLanguageModel.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <boost/archive/iterators/binary_from_base64.hpp>
#include <boost/archive/iterators/transform_width.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>

using namespace zt;
using namespace zt::ai;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = GenerationError::Kind;
using Reply = ScriptedLanguageModel::Reply;
using Failure = ScriptedLanguageModel::Failure;

namespace {

const std::string fixedBlock =
    "\n    \n    SUPER IMPORTANT:\n"
    "    - DON'T CHANGE CURRENCIES AND MONEY, currencies, AMOUNTS, IN THE GIVEN TEXT.\n"
    "    - NEVER output any external links, urls, websites.\n\n    ";

Reply reply(std::string title, std::string message, std::optional<std::string> suggestions = std::nullopt) {
    Reply r{{{"title", std::move(title)}, {"message", std::move(message)}}};
    if (suggestions)
        r.content["suggestions"] = *suggestions;
    return r;
}

Reply failing(Kind kind, std::string context = "context", std::size_t afterSnapshots = 0,
              std::optional<std::string> explanation = std::nullopt) {
    Reply r = reply("Big spender", "You spent 120 EUR on coffee.");
    r.failure = Failure{kind, std::move(context), afterSnapshots, std::move(explanation)};
    return r;
}

std::string decodeBase64(std::string text) {
    using namespace boost::archive::iterators;
    using Decoder = transform_width<binary_from_base64<std::string::const_iterator>, 8, 6>;
    const auto padding = text.size() - text.find_last_not_of('=') - 1;
    text.erase(text.size() - padding);
    std::string out(Decoder(text.cbegin()), Decoder(text.cend()));
    return out;
}

class ZTAITest : public test::PinnedTest {
protected:
    test::TemporaryDirectory documents{"ztai-documents"};
    std::shared_ptr<ScriptedLanguageModel> model = std::make_shared<ScriptedLanguageModel>();
    Environment::Override environment{
        {.documentsDirectory = documents / "Documents", .languageModel = model}};
    LogCapture log;
    ConsoleCapture console;

    std::shared_ptr<ZTAI> make(std::string locale = "de_DE", int maxWords = 30) {
        return ZTAI::create("Keep it light.", std::move(locale), maxWords);
    }
    std::vector<std::string> messages(LogLevel level) const {
        std::vector<std::string> out;
        for (const auto& e : log.entries())
            if (e.level == level && e.category == "ZTAI" && e.subsystem == "ZTAIFoundation")
                out.push_back(e.message);
        return out;
    }
    /// The title, message and suggestions of each published insight, "nil" for none.
    static std::string describe(const std::optional<Insight::PartiallyGenerated>& insight) {
        if (!insight)
            return "nil";
        return insight->title.value_or("-") + "|" + insight->message.value_or("-") + "|" +
               insight->suggestions.value_or("-");
    }
};

} // namespace

TEST_F(ZTAITest, InstructionsForGermanyNameLanguageAndRegionInEnglishBeforeTheHostsOwn) {
    const auto ai = make("de_DE");
    EXPECT_TRUE(ai->isAvailable());
    EXPECT_EQ(ai->originalInstructions(), "Keep it light.");
    EXPECT_EQ(ai->maxWords(), 30);
    ASSERT_EQ(model->sessionInstructions().size(), 1u);
    EXPECT_EQ(model->sessionInstructions()[0],
              "    \n    The user's locale is de_DE.\nYou MUST respond in German and be mindful of German "
              "spelling, "
              "vocabulary, entities, and other cultural context of Germany." +
                  fixedBlock + "Keep it light.");
}

TEST_F(ZTAITest, LocaleParagraphFallsBackToTheDeviceRegionThenToUSAndToEnglish) {
    const auto paragraph = [&](const std::string& locale) {
        ZTAI::create("", locale, 30);
        const std::string& instructions = model->sessionInstructions().back();
        return instructions.substr(4 + 1 + 4, instructions.find(fixedBlock) - 9);
    };
    {
        const Environment::Override device({.locale = "fr_CH"});
        EXPECT_EQ(paragraph("de"),
                  "The user's locale is de.\nYou MUST respond in German and be mindful of German "
                  "spelling, vocabulary, entities, and other cultural context of Switzerland.");
        EXPECT_EQ(paragraph("zz_QQ"),
                  "The user's locale is zz_QQ.\nYou MUST respond in English and be mindful of "
                  "English spelling, vocabulary, entities, and other cultural context of "
                  "Switzerland.");
    }
    const Environment::Override device({.locale = "en"});
    EXPECT_EQ(paragraph("es"),
              "The user's locale is es.\nYou MUST respond in Spanish and be mindful of Spanish "
              "spelling, vocabulary, entities, and other cultural context of US.");
    EXPECT_THAT(paragraph(""), ::testing::HasSubstr("The user's locale is .\nYou MUST respond in English"));
}

TEST_F(ZTAITest, RequestSendsThePromptPartsInOrderWithTheSchemaAndSamplingOptions) {
    model->enqueue(reply("Coffee", "Nice."));
    const auto ai = make("de_DE", 30);
    ai->suggestInsight("Coffee spending", "You spent 120 EUR on coffee");
    EXPECT_THAT(model->requests(), IsEmpty()); // the request starts on the main queue
    queue().runUntilIdle();
    ASSERT_EQ(model->requests().size(), 1u);
    const auto& request = model->requests()[0].request;
    EXPECT_THAT(
        request.prompt.segments,
        ElementsAre(
            "Rewrite this content in a friendly way. Coffee spending You spent 120 EUR on coffee.",
            "Improve the message and title.",
            "ALWAYS Keep output 'insight.message' super short, max 1 sentence. It is a punchline.",
            "provide related information or tips that could help the user in the insight.suggestions, if "
            "you deem it relevant. MAX 2 sentences.",
            "Try to be as conversational.", "Output property 'suggestions' must be no longer than 30 words.",
            "Here is an example, but don't copy and dont use it as a response it:",
            R"({"title":"Weight goes down like brrr","message":"You just ghosted 3 kilos. Don’t text them back.",)"
            R"("suggestions":"Here is what to do next: Eat more vegetables and fruits. Drink more water. Do more exercise."})"));
    EXPECT_TRUE(request.includeSchemaInPrompt);
    EXPECT_EQ(request.schema, Insight::generationSchema());
    EXPECT_EQ(request.options.sampling, SamplingMode::random(200));
    EXPECT_FALSE(request.options.sampling->seed);
    EXPECT_EQ(request.options.temperature, 0.9);
    EXPECT_FALSE(request.options.maximumResponseTokens);

    queue().drain();
    const auto shortTips = make("en_US", 12);
    shortTips->suggestInsight("t", "m");
    queue().runUntilIdle();
    EXPECT_EQ(model->requests().back().request.prompt.segments[5],
              "Output property 'suggestions' must be no longer than 12 words.");
}

TEST_F(ZTAITest, InsightSchemaGuidesTheModelPropertyByProperty) {
    const auto& schema = Insight::generationSchema();
    ASSERT_EQ(schema.properties.size(), 3u);
    EXPECT_EQ(schema.properties[0],
              (GenerationSchema::Property{"title", "An friendly title for the insight"}));
    EXPECT_EQ(schema.properties[1], (GenerationSchema::Property{"message", "The punchline of the insight."}));
    EXPECT_EQ(schema.properties[2],
              (GenerationSchema::Property{
                  "suggestions", "Quick tips and tricks based on the title and message.", "string", true}));
    GeneratedContent partial{GenerationID{"g"}, {{"title", "Hi"}, {"message", 3}}};
    EXPECT_EQ(Insight::partiallyGenerated(partial), (Insight::PartiallyGenerated{GenerationID{"g"}, "Hi"}));
}

TEST_F(ZTAITest, UnavailableModelMakesNoSessionAndIgnoresEveryRequest) {
    model->setAvailability(SystemLanguageModel::Availability::unavailable(
        SystemLanguageModel::UnavailableReason::modelNotEnabled));
    const auto ai = make();
    model->setAvailability(SystemLanguageModel::Availability::available()); // only construction counts
    EXPECT_FALSE(ai->isAvailable());
    ai->prewarm();
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_THAT(model->sessionInstructions(), IsEmpty());
    EXPECT_THAT(model->requests(), IsEmpty());
    EXPECT_THAT(model->prewarms(), IsEmpty());
    EXPECT_FALSE(ai->insight());
    EXPECT_FALSE(ai->error());
}

TEST_F(ZTAITest, SnapshotsReplaceTheInsightInOrderOnlyWhenSomethingChanged) {
    model->enqueue(reply("Coffee again", "Easy there.", "Brew at home."));
    const auto ai = make();
    std::vector<std::string> published;
    int willChange = 0;
    const auto s1 = ai->insight.observe([&](const auto& insight) { published.push_back(describe(insight)); });
    const auto s2 = ai->objectWillChange.observe([&] { ++willChange; });
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_THAT(published,
                ElementsAre("nil", "Coffee|-|-", "Coffee again|-|-", "Coffee again|Easy|-",
                            "Coffee again|Easy there.|-", "Coffee again|Easy there.|Brew",
                            "Coffee again|Easy there.|Brew at", "Coffee again|Easy there.|Brew at home."));
    EXPECT_EQ(willChange, 8);
    EXPECT_FALSE(ai->error());

    // A new request starts empty, and the same words under a new generation count as new.
    model->enqueue(reply("Coffee", "Easy."));
    published.clear();
    const auto firstId = ai->insight()->id;
    ai->suggestInsight("t", "m");
    queue().runUntilIdle();
    EXPECT_THAT(published, ElementsAre("nil"));
    queue().drain();
    EXPECT_NE(ai->insight()->id, firstId);
}

TEST_F(ZTAITest, ASecondRequestWhileStreamingIsIgnoredAndLogged) {
    model->enqueue(reply("First", "one two three"));
    model->enqueue(reply("Second", "four"));
    const auto ai = make();
    ai->suggestInsight("a", "b");
    queue().advance(1.2); // streaming
    ASSERT_TRUE(ai->insight());
    const auto during = *ai->insight();
    ai->suggestInsight("c", "d");
    queue().runUntilIdle();
    EXPECT_THAT(messages(LogLevel::debug), ElementsAre("Already generating an insight"));
    EXPECT_EQ(ai->insight(), during); // not emptied by the ignored request
    EXPECT_EQ(model->requests().size(), 1u);
    queue().drain();
    EXPECT_EQ(describe(ai->insight()), "First|one two three|-");

    ai->suggestInsight("c", "d"); // once the first is done, the next one goes through
    queue().drain();
    EXPECT_EQ(describe(ai->insight()), "Second|four|-");
}

TEST_F(ZTAITest, GuardrailViolationKeepsCode452WritesOneFeedbackFileAndKeepsThePartialInsight) {
    model->enqueue(failing(Kind::guardrailViolation, "unsafe words", 4));
    const auto ai = make();
    std::vector<std::string> order;
    const auto s1 = ai->feedbackFileUrls.observe([&](const auto&) { order.push_back("feedback"); });
    const auto s2 = ai->error.observe([&](const auto&) { order.push_back("error"); });
    ai->suggestInsight("t", "m");
    queue().drain();

    EXPECT_EQ(ai->error(), (Error{"ZTAI", 452, "Content blocked by guardrails: unsafe words"}));
    EXPECT_THAT(order, ElementsAre("feedback", "error"));
    EXPECT_EQ(describe(ai->insight()), "Big spender|You|-");
    EXPECT_THAT(messages(LogLevel::error), ElementsAre("Content blocked by guardrails: unsafe words"));

    ASSERT_EQ(ai->feedbackFileUrls().size(), 1u);
    const auto file = ai->feedbackFileUrls()[0];
    EXPECT_EQ(file.parent_path(), documents / "Documents");
    // 15 May 2025 12:00 in Berlin is 10:00 UTC; the stream took a second and a bit.
    const std::string name = file.filename().string();
    EXPECT_TRUE(std::regex_match(
        name,
        std::regex(R"(sessionData-2025-05-15T10:00:01Z-[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\.json)")))
        << name;
    EXPECT_THAT(console.lines(), ElementsAre("Saving JSON with timestamp: 2025-05-15T10:00:01Z",
                                             "Saved JSON to: " + file.string()));

    // The file holds the attachment's bytes as one base64 JSON string.
    const auto stored = nlohmann::json::parse(test::TemporaryDirectory::read(file));
    ASSERT_TRUE(stored.is_string());
    const auto attachment = nlohmann::json::parse(decodeBase64(stored.get<std::string>()));
    EXPECT_EQ(attachment["sentiment"], "negative");
    EXPECT_EQ(attachment["issues"], nlohmann::json::parse(R"([
        {"category": "didNotFollowInstructions", "explanation": "No instructions were followed"},
        {"category": "triggeredGuardrailUnexpectedly",
         "explanation": "Guardrails were triggered. Check the output for more information."}])"));
    EXPECT_TRUE(attachment["desiredOutput"].is_null());
    EXPECT_EQ(model->feedbackRequests().size(), 1u);
}

TEST_F(ZTAITest, RefusalsExplanationArrivesLaterAndBecomesCode453) {
    model->enqueue(failing(Kind::refusal, "", 0, "I can't judge spending."));
    model->enqueue(failing(Kind::refusal));
    const auto ai = make();
    ai->suggestInsight("t", "m");
    queue().advance(model->timing().coldStart + model->timing().firstToken);
    EXPECT_FALSE(ai->error()); // the explanation is still being written
    EXPECT_EQ(ai->feedbackFileUrls().size(), 1u);
    queue().advance(model->timing().explanation);
    EXPECT_EQ(ai->error(), (Error{"ZTAI", 453, "I can't judge spending."}));

    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(ai->error(), (Error{"ZTAI", 453, "Model refused."}));
    EXPECT_EQ(ai->feedbackFileUrls().size(), 2u);
    EXPECT_THAT(messages(LogLevel::error), ElementsAre("Generation Error by Model: I can't judge spending.",
                                                       "Generation Error by Model: Model refused."));
}

TEST_F(ZTAITest, ContextWindowFailuresRetryWithNewSessionsAndStopAtTheBound) {
    for (int i = 0; i < ZTAI::maxAttempts + 1; ++i)
        model->enqueue(failing(Kind::exceededContextWindowSize, "4096 tokens"));
    const auto ai = make();
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(model->sessionInstructions().size(), static_cast<std::size_t>(ZTAI::maxAttempts));
    EXPECT_EQ(model->sessionInstructions().back(), model->sessionInstructions().front());
    ASSERT_EQ(model->requests().size(), static_cast<std::size_t>(ZTAI::maxAttempts));
    for (std::size_t i = 0; i < model->requests().size(); ++i)
        EXPECT_EQ(model->requests()[i].session, i); // each attempt on a session of its own
    EXPECT_EQ(ai->error(), GenerationError(Kind::exceededContextWindowSize, {"4096 tokens"}).asError());
    EXPECT_THAT(
        messages(LogLevel::error),
        ElementsAre("Generation Error: 4096 tokens", "Generation Error: 4096 tokens",
                    "Generation Error: 4096 tokens",
                    "Giving up after 3 attempts: The model's context window is exceeded: 4096 tokens"));
    EXPECT_THAT(messages(LogLevel::info),
                ElementsAre("Generating a new session, because the context windw was too big.",
                            "Generating a new session, because the context windw was too big."));
    EXPECT_THAT(ai->feedbackFileUrls(), IsEmpty());

    // Each request has its own attempts; one retry that succeeds ends well.
    model->setDefaultReply(reply("Fresh", "start"));
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(describe(ai->insight()), "Fresh|start|-");
    EXPECT_EQ(model->requests().size(), static_cast<std::size_t>(ZTAI::maxAttempts + 2));
}

TEST_F(ZTAITest, UnsupportedLocaleRetriesWithEnglishInstructionsForTheUnitedStates) {
    model->enqueue(failing(Kind::unsupportedLanguageOrLocale, "de_DE"));
    model->enqueue(reply("Hello", "there"));
    const auto ai = make("de_DE");
    ai->suggestInsight("t", "m");
    queue().drain();
    ASSERT_EQ(model->sessionInstructions().size(), 2u);
    EXPECT_EQ(model->sessionInstructions()[1],
              "    \n    The user's locale is en_US.\nYou MUST respond in English and be mindful of English "
              "spelling, "
              "vocabulary, entities, and other cultural context of United States." +
                  fixedBlock + "Keep it light.");
    EXPECT_EQ(describe(ai->insight()), "Hello|there|-");
    EXPECT_FALSE(ai->error());
    EXPECT_THAT(messages(LogLevel::error), ElementsAre("Generation Error: de_DE"));
    EXPECT_THAT(messages(LogLevel::info),
                ElementsAre("Generating a new session, because the requested locale is not supported."));

    for (int i = 0; i < ZTAI::maxAttempts; ++i)
        model->enqueue(failing(Kind::unsupportedLanguageOrLocale, "en_US"));
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(ai->error()->code, static_cast<std::int64_t>(Kind::unsupportedLanguageOrLocale));
    EXPECT_EQ(model->sessionInstructions().size(), 2u + ZTAI::maxAttempts - 1);
}

TEST_F(ZTAITest, AnyOtherFailureBecomesTheErrorItselfAndItStaysUntilTheNextFailure) {
    model->enqueue(failing(Kind::rateLimited, "busy", 2));
    model->enqueue(reply("Fine", "now"));
    const auto ai = make();
    ai->suggestInsight("t", "m");
    queue().drain();
    const auto expected = GenerationError(Kind::rateLimited, {"busy"}).asError();
    EXPECT_EQ(ai->error(), expected);
    EXPECT_EQ(describe(ai->insight()), "Big spender|-|-");
    EXPECT_EQ(ai->feedbackFileUrls().size(), 1u);
    EXPECT_THAT(messages(LogLevel::error), ElementsAre("Generation Error: Too many requests: busy"));

    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(describe(ai->insight()), "Fine|now|-");
    EXPECT_EQ(ai->error(), expected);
}

TEST_F(ZTAITest, AFailedFeedbackWriteIsToldAndChangesNothingElse) {
    test::TemporaryDirectory::write(documents / "Documents", "a file where the folder should be");
    model->enqueue(failing(Kind::guardrailViolation, "x"));
    const auto ai = make();
    int urlChanges = 0;
    const auto s = ai->feedbackFileUrls.observe([&](const auto&) { ++urlChanges; });
    ai->suggestInsight("t", "m");
    queue().drain();
    EXPECT_EQ(urlChanges, 0);
    EXPECT_THAT(ai->feedbackFileUrls(), IsEmpty());
    ASSERT_EQ(console.lines().size(), 2u);
    EXPECT_THAT(console.lines()[1], ::testing::StartsWith("Failed to save JSON: "));
    EXPECT_EQ(ai->error()->code, ZTAI::guardrailViolationCode);
    EXPECT_THAT(messages(LogLevel::error), ElementsAre(::testing::StartsWith("Failed to save JSON: "),
                                                       "Content blocked by guardrails: x"));
    EXPECT_THAT(documents.entries(), ElementsAre("Documents"));
}

TEST_F(ZTAITest, PrewarmLoadsTheModelAheadSoTheFirstWordComesSooner) {
    model->enqueue(reply("Quick", "one"));
    const auto ai = make();
    ai->prewarm();
    EXPECT_THAT(model->prewarms(), ElementsAre(std::nullopt));
    ai->suggestInsight("t", "m");
    queue().advance(model->timing().firstToken);
    EXPECT_EQ(describe(ai->insight()), "Quick|-|-");
}

TEST_F(ZTAITest, AnEngineThatIsGoneIgnoresTheRestOfItsStream) {
    model->enqueue(failing(Kind::refusal, "", 3, "no"));
    auto ai = make();
    ai->suggestInsight("t", "m");
    queue().advance(1.2);
    ai.reset();
    queue().drain();
    EXPECT_THAT(model->feedbackRequests(), IsEmpty());
    EXPECT_THAT(console.lines(), IsEmpty());
}
