#include "GenerationError.h"

#include <utility>

namespace zt {

void Refusal::explanation(ExplanationCompletion completion) const {
    if (source_)
        source_(std::move(completion));
    else if (completion)
        completion(std::nullopt);
}

GenerationError::GenerationError(Kind kind, Context context) : kind_(kind), context_(std::move(context)) {
    if (kind_ == Kind::refusal)
        refusal_.emplace(Refusal::ExplanationSource{});
}

GenerationError::GenerationError(Refusal refusal, Context context)
    : kind_(Kind::refusal), context_(std::move(context)), refusal_(std::move(refusal)) {}

std::string_view GenerationError::kindName(Kind kind) {
    switch (kind) {
    case Kind::exceededContextWindowSize:
        return "exceededContextWindowSize";
    case Kind::assetsUnavailable:
        return "assetsUnavailable";
    case Kind::guardrailViolation:
        return "guardrailViolation";
    case Kind::unsupportedGuide:
        return "unsupportedGuide";
    case Kind::unsupportedLanguageOrLocale:
        return "unsupportedLanguageOrLocale";
    case Kind::decodingFailure:
        return "decodingFailure";
    case Kind::rateLimited:
        return "rateLimited";
    case Kind::concurrentRequests:
        return "concurrentRequests";
    case Kind::refusal:
        return "refusal";
    }
    return "unknown";
}

std::string GenerationError::localizedDescription() const {
    std::string summary;
    switch (kind_) {
    case Kind::exceededContextWindowSize:
        summary = "The model's context window is exceeded";
        break;
    case Kind::assetsUnavailable:
        summary = "The model's assets are unavailable";
        break;
    case Kind::guardrailViolation:
        summary = "The request or response violated the model's guardrails";
        break;
    case Kind::unsupportedGuide:
        summary = "A generation guide is not supported";
        break;
    case Kind::unsupportedLanguageOrLocale:
        summary = "The language or locale is not supported";
        break;
    case Kind::decodingFailure:
        summary = "The response could not be decoded";
        break;
    case Kind::rateLimited:
        summary = "Too many requests";
        break;
    case Kind::concurrentRequests:
        summary = "The session is already responding";
        break;
    case Kind::refusal:
        summary = "The model refused to answer";
        break;
    }
    return context_.debugDescription.empty() ? summary : summary + ": " + context_.debugDescription;
}

Error GenerationError::asError() const {
    return Error{std::string(errorDomain), static_cast<std::int64_t>(kind_), localizedDescription()};
}

} // namespace zt
