#include "LanguageModelSession.h"

namespace zt {

std::string Prompt::text() const {
    std::string out;
    for (const auto& segment : segments) {
        if (!out.empty())
            out += '\n';
        out += segment;
    }
    return out;
}

std::string_view FeedbackIssue::categoryName(Category category) {
    switch (category) {
    case Category::unhelpful:
        return "unhelpful";
    case Category::tooVerbose:
        return "tooVerbose";
    case Category::didNotFollowInstructions:
        return "didNotFollowInstructions";
    case Category::incorrect:
        return "incorrect";
    case Category::stereotypeOrBias:
        return "stereotypeOrBias";
    case Category::suggestiveOrSexual:
        return "suggestiveOrSexual";
    case Category::vulgarOrOffensive:
        return "vulgarOrOffensive";
    case Category::triggeredGuardrailUnexpectedly:
        return "triggeredGuardrailUnexpectedly";
    }
    return "unhelpful";
}

std::string_view sentimentName(FeedbackSentiment sentiment) {
    switch (sentiment) {
    case FeedbackSentiment::positive:
        return "positive";
    case FeedbackSentiment::negative:
        return "negative";
    case FeedbackSentiment::neutral:
        return "neutral";
    }
    return "neutral";
}

LanguageModelSession::LanguageModelSession(std::shared_ptr<SystemLanguageModel> model,
                                           std::string instructions)
    : instructions_(std::move(instructions)),
      backend_((model ? model : SystemLanguageModel::defaultModel())->makeSessionBackend(instructions_)) {}

std::vector<std::uint8_t>
LanguageModelSession::logFeedbackAttachment(FeedbackSentiment sentiment, std::vector<FeedbackIssue> issues,
                                            std::optional<GeneratedContent> desiredOutput) {
    return backend_->logFeedbackAttachment(
        FeedbackRequest{sentiment, std::move(issues), std::move(desiredOutput)});
}

} // namespace zt
