#include "platform/Environment.h"
#include "platform/LanguageModelSession.h"
#include "platform/ScriptedLanguageModel.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace zt;
using ::testing::ElementsAre;

namespace {

/// A small generable type: a title and an optional note.
struct Note {
    struct PartiallyGenerated {
        GenerationID id;
        std::optional<std::string> title, note;
    };
    static GenerationSchema generationSchema() {
        return {"Note", {{"title", "A title"}, {"note", "A note", "string", true}}};
    }
    static PartiallyGenerated partiallyGenerated(const GeneratedContent& c) {
        return {c.id.value_or(GenerationID{}), c.string("title"), c.string("note")};
    }
};
static_assert(Generable<Note>);

using Kind = GenerationError::Kind;
using Reply = ScriptedLanguageModel::Reply;

class ScriptedLanguageModelTest : public test::PinnedTest {
protected:
    std::shared_ptr<ScriptedLanguageModel> model = std::make_shared<ScriptedLanguageModel>();
    std::vector<std::string> events;
    std::optional<GenerationError> failure;

    /// Streams from the session, writing "title|note" per snapshot and "done"/"failed <kind>" to events.
    void stream(LanguageModelSession& session, std::string prompt = "Write a note") {
        session.streamResponse<Note>(
            true, {}, Prompt{{std::move(prompt)}},
            [this](const ResponseSnapshot<Note>& s) {
                events.push_back(s.content.title.value_or("-") + "|" + s.content.note.value_or("-"));
            },
            [this, &session](const std::optional<GenerationError>& error) {
                EXPECT_FALSE(session.isResponding()); // already over when the completion runs
                failure = error;
                events.push_back(error ? "failed " + std::string(GenerationError::kindName(error->kind()))
                                       : "done");
            });
    }
};

} // namespace

TEST_F(ScriptedLanguageModelTest, StreamsWordByWordInSchemaOrderWithAColdStartThenCompletes) {
    model->enqueue(Reply{{{"note", "Slow down."}, {"title", "Heavy  week"}}});
    LanguageModelSession session(model, "Be brief.");
    stream(session);
    EXPECT_TRUE(session.isResponding());
    const auto& timing = model->timing();
    queue().advance(timing.coldStart + timing.firstToken - 0.01);
    EXPECT_TRUE(events.empty());
    queue().advance(0.02);
    EXPECT_THAT(events, ElementsAre("Heavy|-"));
    queue().advance(timing.perWord);
    EXPECT_THAT(events, ElementsAre("Heavy|-", "Heavy  week|-"));
    queue().drain();
    // Each finished text is followed by one snapshot that changes nothing.
    EXPECT_THAT(events, ElementsAre("Heavy|-", "Heavy  week|-", "Heavy  week|-", "Heavy  week|Slow",
                                    "Heavy  week|Slow down.", "Heavy  week|Slow down.", "done"));
    EXPECT_FALSE(session.isResponding());
    EXPECT_THAT(model->sessionInstructions(), ElementsAre("Be brief."));
    ASSERT_EQ(model->requests().size(), 1u);
    EXPECT_EQ(model->requests()[0].request.prompt.text(), "Write a note");
    EXPECT_EQ(model->requests()[0].request.schema, Note::generationSchema());
}

TEST_F(ScriptedLanguageModelTest, SnapshotsOfOneResponseShareAFreshIdAndNonTextValuesAppearWhole) {
    const GenerationSchema schema{"Count", {{"title", ""}, {"count", "", "integer"}, {"empty", ""}}};
    const auto first =
        ScriptedLanguageModel::snapshots(schema, Reply{{{"title", "a b"}, {"count", 3}, {"empty", ""}}});
    const auto second = ScriptedLanguageModel::snapshots(schema, Reply{{{"title", "a"}}});
    ASSERT_EQ(first.size(), 6u); // "a", "a b", closing, count, "", closing
    EXPECT_EQ(first[3].value["count"], 3);
    EXPECT_EQ(first[4].string("empty"), "");
    for (const auto& s : first)
        EXPECT_EQ(s.id, first[0].id);
    ASSERT_TRUE(first[0].id && second[0].id);
    EXPECT_NE(*first[0].id, *second[0].id);
    EXPECT_FALSE(first[0].id->value.empty());
}

TEST_F(ScriptedLanguageModelTest, PrewarmSkipsTheColdStartAndIsRecorded) {
    model->enqueue(Reply{{{"title", "Hi"}}});
    LanguageModelSession session(model);
    session.prewarm();
    session.prewarm(Prompt{{"Rewrite"}});
    stream(session);
    queue().advance(model->timing().firstToken);
    EXPECT_THAT(events, ElementsAre("Hi|-"));
    EXPECT_THAT(model->prewarms(), ElementsAre(std::nullopt, std::optional<Prompt>(Prompt{{"Rewrite"}})));
}

TEST_F(ScriptedLanguageModelTest, ARequestWhileRespondingFailsAloneAndTheFirstStreamGoesOn) {
    model->enqueue(Reply{{{"title", "One two"}}});
    LanguageModelSession session(model);
    stream(session);
    std::optional<GenerationError> second;
    session.streamResponse<Note>(true, {}, Prompt{{"again"}}, {},
                                 [&](const std::optional<GenerationError>& e) { second = e; });
    queue().runUntilIdle();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->kind(), Kind::concurrentRequests);
    EXPECT_TRUE(session.isResponding());
    queue().drain();
    EXPECT_THAT(events, ElementsAre("One|-", "One two|-", "One two|-", "done"));
    EXPECT_EQ(model->requests().size(), 2u);
}

TEST_F(ScriptedLanguageModelTest, FailsInEachWayAfterTheScriptedSnapshots) {
    for (const auto kind : {Kind::exceededContextWindowSize, Kind::guardrailViolation,
                            Kind::unsupportedLanguageOrLocale, Kind::rateLimited, Kind::refusal}) {
        SCOPED_TRACE(GenerationError::kindName(kind));
        events.clear();
        model->enqueue(Reply{{{"title", "a b c"}}, ScriptedLanguageModel::Failure{kind, "context", 2}});
        LanguageModelSession session(model);
        stream(session);
        queue().drain();
        EXPECT_THAT(events,
                    ElementsAre("a|-", "a b|-", "failed " + std::string(GenerationError::kindName(kind))));
        EXPECT_EQ(failure->context().debugDescription, "context");
        EXPECT_EQ(failure->refusal().has_value(), kind == Kind::refusal);
    }
}

TEST_F(ScriptedLanguageModelTest, ARefusalExplainsItselfLaterOrNotAtAll) {
    model->enqueue(Reply{{}, ScriptedLanguageModel::Failure{Kind::refusal, "", 0, "Not about money."}});
    model->enqueue(Reply{{}, ScriptedLanguageModel::Failure{Kind::refusal}});
    std::vector<std::optional<std::string>> explanations;
    for (int i = 0; i < 2; ++i) {
        LanguageModelSession session(model);
        stream(session);
        queue().drain();
        ASSERT_TRUE(failure && failure->refusal());
        failure->refusal()->explanation(
            [&](const std::optional<std::string>& text) { explanations.push_back(text); });
        queue().advance(model->timing().explanation - 0.01);
        EXPECT_EQ(explanations.size(), static_cast<std::size_t>(i));
        queue().advance(0.02);
    }
    EXPECT_THAT(explanations, ElementsAre(std::optional<std::string>("Not about money."), std::nullopt));
}

TEST_F(ScriptedLanguageModelTest, RepliesComeFromTheQueueThenTheDefaultAndNothingScriptedFailsClearly) {
    model->enqueue(Reply{{{"title", "first"}}});
    LanguageModelSession session(model);
    const auto run = [&] {
        events.clear();
        stream(session);
        queue().drain();
        return events;
    };
    EXPECT_THAT(run(), ElementsAre("first|-", "first|-", "done"));
    EXPECT_THAT(run(), ElementsAre("failed decodingFailure"));
    model->setDefaultReply(Reply{{{"title", "again"}}});
    EXPECT_THAT(run(), ElementsAre("again|-", "again|-", "done"));
    EXPECT_THAT(run(), ElementsAre("again|-", "again|-", "done"));
}

TEST_F(ScriptedLanguageModelTest, AnUnavailableModelStillMakesSessionsWhoseResponsesFail) {
    const auto unavailable =
        SystemLanguageModel::Availability::unavailable(SystemLanguageModel::UnavailableReason::modelNotReady);
    model->setAvailability(unavailable);
    model->enqueue(Reply{{{"title", "kept"}}});
    EXPECT_FALSE(model->isAvailable());
    EXPECT_EQ(model->availability().unavailableReason(),
              SystemLanguageModel::UnavailableReason::modelNotReady);
    LanguageModelSession session(model);
    stream(session);
    queue().drain();
    EXPECT_THAT(events, ElementsAre("failed assetsUnavailable"));
    model->setAvailability(SystemLanguageModel::Availability::available());
    events.clear();
    stream(session);
    queue().drain();
    EXPECT_THAT(events, ElementsAre("kept|-", "kept|-", "done")); // the scripted reply was not used up
}

TEST_F(ScriptedLanguageModelTest, TheDefaultModelIsTheEnvironmentsElseAnIneligibleDevice) {
    const auto fallback = SystemLanguageModel::defaultModel();
    EXPECT_EQ(fallback->availability().unavailableReason(),
              SystemLanguageModel::UnavailableReason::deviceNotEligible);
    const Environment::Override withModel({.languageModel = model});
    EXPECT_EQ(SystemLanguageModel::defaultModel(), model);
    EXPECT_TRUE(SystemLanguageModel::defaultModel()->isAvailable());
}

TEST_F(ScriptedLanguageModelTest, ASessionThatIsGoneStopsStreaming) {
    model->enqueue(Reply{{{"title", "one two three"}}});
    auto session = std::make_unique<LanguageModelSession>(model);
    stream(*session);
    queue().advance(model->timing().coldStart + model->timing().firstToken);
    session.reset();
    queue().drain();
    EXPECT_THAT(events, ElementsAre("one|-"));
}

TEST_F(ScriptedLanguageModelTest, FeedbackAttachmentCarriesTheIssuesAndTheTranscript) {
    model->enqueue(
        Reply{{{"title", "Nope"}}, ScriptedLanguageModel::Failure{Kind::guardrailViolation, "", 1}});
    LanguageModelSession session(model, "Be kind.");
    stream(session, "Rewrite this");
    queue().drain();
    const auto bytes = session.logFeedbackAttachment(
        FeedbackSentiment::negative, {{FeedbackIssue::Category::triggeredGuardrailUnexpectedly, "why"}});
    const auto document = nlohmann::json::parse(std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(document["sentiment"], "negative");
    EXPECT_EQ(
        document["issues"],
        nlohmann::json::parse(R"([{"category":"triggeredGuardrailUnexpectedly","explanation":"why"}])"));
    EXPECT_TRUE(document["desiredOutput"].is_null());
    EXPECT_EQ(document["instructions"], "Be kind.");
    EXPECT_EQ(document["transcript"],
              nlohmann::json::parse(
                  R"([{"prompt":"Rewrite this","response":{"title":"Nope"},"error":"guardrailViolation"}])"));
    ASSERT_EQ(model->feedbackRequests().size(), 1u);
    EXPECT_EQ(model->feedbackRequests()[0].sentiment, FeedbackSentiment::negative);
}

TEST(GenerationVocabularyTest, ContentSchemaAndErrorsReadAsDocumented) {
    GeneratedContent content;
    content.value = {{"title", "T"}, {"count", 2}};
    EXPECT_EQ(content.string("title"), "T");
    EXPECT_EQ(content.string("count"), std::nullopt);
    EXPECT_EQ(content.string("missing"), std::nullopt);
    content.value = nlohmann::ordered_json::array();
    EXPECT_EQ(content.string("title"), std::nullopt);

    const GenerationSchema schema{"Note", {{"title", "A title"}, {"note", "A note", "string", true}}};
    EXPECT_EQ(
        schema.promptRepresentation(),
        R"({"title":"Note","type":"object","properties":{"title":{"type":"string","description":"A title"},)"
        R"("note":{"type":"string","description":"A note"}},"required":["title"]})");

    const GenerationError error(Kind::rateLimited, {"slow down"});
    EXPECT_EQ(error.asError(),
              (Error{"LanguageModelSession.GenerationError", 6, "Too many requests: slow down"}));
    EXPECT_EQ(GenerationError(Kind::decodingFailure, {}).localizedDescription(),
              "The response could not be decoded");
    EXPECT_FALSE(GenerationError(Kind::decodingFailure, {}).refusal());
    // A refusal without a source of explanations still answers, with none.
    const GenerationError bare(Kind::refusal, {});
    ASSERT_TRUE(bare.refusal());
    bool answered = false;
    bare.refusal()->explanation([&](const std::optional<std::string>& text) { answered = !text; });
    EXPECT_TRUE(answered);
    EXPECT_EQ((Prompt{{"a", "b"}}.text()), "a\nb");
}
