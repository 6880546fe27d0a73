#pragma once

#include "platform/Error.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// Why the model declined to answer. The explanation is produced on request, later, by the model
/// itself, so it arrives through a completion on the main queue; nothing when none can be had.
class Refusal {
public:
    using ExplanationCompletion = std::function<void(const std::optional<std::string>&)>;
    using ExplanationSource = std::function<void(ExplanationCompletion)>;

    explicit Refusal(ExplanationSource source) : source_(std::move(source)) {}

    void explanation(ExplanationCompletion completion) const;

private:
    ExplanationSource source_;
};

/// A failed response of a language-model session.
class GenerationError {
public:
    enum class Kind {
        exceededContextWindowSize,
        assetsUnavailable,
        guardrailViolation,
        unsupportedGuide,
        unsupportedLanguageOrLocale,
        decodingFailure,
        rateLimited,
        concurrentRequests,
        refusal,
    };

    /// What the model knew when it failed, for developers.
    struct Context {
        std::string debugDescription;
    };

    static constexpr std::string_view errorDomain = "LanguageModelSession.GenerationError";

    /// A refusal made this way has no explanation to give.
    GenerationError(Kind kind, Context context);
    /// A refusal, whose explanation can be asked for.
    GenerationError(Refusal refusal, Context context);

    Kind kind() const { return kind_; }
    const Context& context() const { return context_; }
    /// Set for the refusal kind, and for it only.
    const std::optional<Refusal>& refusal() const { return refusal_; }

    /// "The model's context window is exceeded: <debug description>" and so on.
    std::string localizedDescription() const;
    /// The failure as a plain error value: this domain, the kind's position as its code.
    Error asError() const;

    static std::string_view kindName(Kind kind);

private:
    Kind kind_;
    Context context_;
    std::optional<Refusal> refusal_;
};

} // namespace zt
