#include "ZTAI.h"

#include "ZTAIFoundation/FeedbackFile.h"
#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/MainQueue.h"
#include "platform/WeakCallback.h"

#include <utility>

namespace zt::ai {

namespace {

std::string localeParagraph(const std::string& localeIdentifier) {
    const icu::Locale locale = icu_bridge::locale(localeIdentifier);
    const std::string languageCode = locale.isBogus() ? "" : locale.getLanguage();
    const std::string language = LocaleNames::languageName(languageCode).value_or("English");
    auto region = LocaleNames::regionName(locale.isBogus() ? "" : locale.getCountry());
    if (!region) {
        const icu::Locale device = icu_bridge::locale(Environment::current().localeIdentifier());
        region = LocaleNames::regionName(device.isBogus() ? "" : device.getCountry());
    }
    return "The user's locale is " + localeIdentifier + ".\nYou MUST respond in " + language +
           " and be mindful of " + language +
           " spelling, vocabulary, entities, and other cultural context of " + region.value_or("US") + ".";
}

std::string instructionsFor(const std::string& localeIdentifier, const std::string& hostInstructions) {
    return "    \n    " + localeParagraph(localeIdentifier) +
           "\n    \n    SUPER IMPORTANT:\n"
           "    - DON'T CHANGE CURRENCIES AND MONEY, currencies, AMOUNTS, IN THE GIVEN TEXT.\n"
           "    - NEVER output any external links, urls, websites.\n\n    " +
           hostInstructions;
}

GenerationOptions generationOptions() {
    return GenerationOptions{SamplingMode::random(200), 0.9, std::nullopt};
}

} // namespace

std::shared_ptr<ZTAI> ZTAI::create(std::string instructions, std::string localeIdentifier, int maxWords) {
    return std::shared_ptr<ZTAI>(new ZTAI(std::move(instructions), std::move(localeIdentifier), maxWords));
}

ZTAI::ZTAI(std::string instructions, std::string localeIdentifier, int maxWords)
    : model_(SystemLanguageModel::defaultModel()), isAvailable_(model_->isAvailable()), maxWords_(maxWords),
      originalInstructions_(std::move(instructions)),
      updatedInstructions_(instructionsFor(localeIdentifier, originalInstructions_)) {
    if (isAvailable_)
        session_ = std::make_shared<LanguageModelSession>(model_, updatedInstructions_);
}

void ZTAI::suggestInsight(std::string title, std::string message) {
    MainQueue::main().async(
        weakCallback(weak_from_this(), [title = std::move(title), message = std::move(message)](ZTAI& ai) {
            ai.generate(title, message, 1);
        }));
}

void ZTAI::prewarm() {
    if (session_)
        session_->prewarm(std::nullopt);
}

Prompt ZTAI::prompt(const std::string& title, const std::string& message) const {
    static const std::string example =
        Insight{
            "Weight goes down like brrr", "You just ghosted 3 kilos. Don\u2019t text them back.",
            "Here is what to do next: Eat more vegetables and fruits. Drink more water. Do more exercise."}
            .promptRepresentation();
    return Prompt{{
        "Rewrite this content in a friendly way. " + title + " " + message + ".",
        "Improve the message and title.",
        "ALWAYS Keep output 'insight.message' super short, max 1 sentence. It is a punchline.",
        "provide related information or tips that could help the user in the insight.suggestions, "
        "if you deem it relevant. MAX 2 sentences.",
        "Try to be as conversational.",
        "Output property 'suggestions' must be no longer than " + std::to_string(maxWords_) + " words.",
        "Here is an example, but don't copy and dont use it as a response it:",
        example,
    }};
}

void ZTAI::generate(const std::string& title, const std::string& message, int attempt) {
    if (!session_)
        return;
    if (session_->isResponding()) {
        logger_.debug("Already generating an insight");
        return;
    }
    insight.set(std::nullopt);
    // The session's handlers must not own it: a stream that never ends would keep it forever.
    const std::weak_ptr<LanguageModelSession> weakSession = session_;
    session_->streamResponse<Insight>(
        true, generationOptions(), prompt(title, message),
        weakCallback(weak_from_this(),
                     [](ZTAI& ai, const ResponseSnapshot<Insight>& s) { ai.apply(s.content); }),
        weakCallback(weak_from_this(), [weakSession, title, message,
                                        attempt](ZTAI& ai, const std::optional<GenerationError>& failure) {
            if (failure)
                ai.handleFailure(*failure, weakSession.lock(), title, message, attempt);
        }));
}

void ZTAI::apply(const Insight::PartiallyGenerated& snapshot) {
    if (!insight() || *insight() != snapshot)
        insight.set(snapshot);
}

void ZTAI::handleFailure(const GenerationError& failure, const std::shared_ptr<LanguageModelSession>& session,
                         const std::string& title, const std::string& message, int attempt) {
    const std::string& context = failure.context().debugDescription;
    switch (failure.kind()) {
    case GenerationError::Kind::exceededContextWindowSize:
        logger_.error("Generation Error: {}", context);
        retry(failure, "Generating a new session, because the context windw was too big.", title, message,
              attempt);
        return;
    case GenerationError::Kind::guardrailViolation:
        logGenerationErrors(session);
        error.set(Error{std::string(errorDomain), guardrailViolationCode,
                        "Content blocked by guardrails: " + context});
        logger_.error("Content blocked by guardrails: {}", context);
        return;
    case GenerationError::Kind::unsupportedLanguageOrLocale:
        logger_.error("Generation Error: {}", context);
        updatedInstructions_ = instructionsFor("en_US", originalInstructions_);
        retry(failure, "Generating a new session, because the requested locale is not supported.", title,
              message, attempt);
        return;
    case GenerationError::Kind::refusal:
        logGenerationErrors(session);
        failure.refusal()->explanation(
            weakCallback(weak_from_this(), [](ZTAI& ai, const std::optional<std::string>& text) {
                // An empty explanation explains nothing either.
                const std::string explanation = text && !text->empty() ? *text : "Model refused.";
                ai.logger_.error("Generation Error by Model: {}", explanation);
                ai.error.set(Error{std::string(errorDomain), refusalCode, explanation});
            }));
        return;
    default:
        logGenerationErrors(session);
        error.set(failure.asError());
        logger_.error("Generation Error: {}", failure.localizedDescription());
        return;
    }
}

void ZTAI::retry(const GenerationError& failure, std::string_view reason, const std::string& title,
                 const std::string& message, int attempt) {
    if (attempt >= maxAttempts) {
        logger_.error("Giving up after {} attempts: {}", attempt, failure.localizedDescription());
        error.set(failure.asError());
        return;
    }
    logger_.info(reason);
    session_ = std::make_shared<LanguageModelSession>(model_, updatedInstructions_);
    generate(title, message, attempt + 1);
}

void ZTAI::logGenerationErrors(const std::shared_ptr<LanguageModelSession>& session) {
    if (!session)
        return;
    const auto bytes = session->logFeedbackAttachment(
        FeedbackSentiment::negative,
        {{FeedbackIssue::Category::didNotFollowInstructions, "No instructions were followed"},
         {FeedbackIssue::Category::triggeredGuardrailUnexpectedly,
          "Guardrails were triggered. Check the output for more information."}});
    if (const auto path = saveFeedbackFile(feedbackJSON(bytes))) {
        auto urls = feedbackFileUrls();
        urls.push_back(*path);
        feedbackFileUrls.set(std::move(urls));
    }
}

} // namespace zt::ai
