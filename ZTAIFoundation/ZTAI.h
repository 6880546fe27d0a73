#pragma once

#include "ZTAIFoundation/Insight.h"
#include "platform/Error.h"
#include "platform/LanguageModelSession.h"
#include "platform/Logger.h"
#include "platform/Published.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::ai {

/// Rewrites a finance insight with the on-device language model: a friendlier title, a
/// one-sentence punchline and optional tips, streamed into `insight` as the model writes. Where
/// the model was unavailable at construction there is no session and every request is ignored.
/// Failures end in `error` (nothing is thrown); after a failure that the user could report, a
/// feedback file is written and its path added to `feedbackFileUrls`. Main-thread object.
class ZTAI final : public ObservableObject, public std::enable_shared_from_this<ZTAI> {
public:
    static constexpr std::string_view errorDomain = "ZTAI";
    static constexpr std::int64_t guardrailViolationCode = 452;
    static constexpr std::int64_t refusalCode = 453;
    /// Attempts of one request, the first included, while new sessions keep failing for their
    /// context window or locale; after the last the failure stays in `error`.
    static constexpr int maxAttempts = 3;

    /// instructions are the host's, added after the engine's own; localeIdentifier ("de_DE")
    /// names the language and region to answer for; maxWords limits the suggestions.
    static std::shared_ptr<ZTAI> create(std::string instructions, std::string localeIdentifier, int maxWords);

    /// The last generation failure; it stays until the next one replaces it.
    Published<std::optional<Error>, ZTAI> error{*this};
    /// The current result; empty at the start of each request, replaced by each snapshot that
    /// brings something new.
    Published<std::optional<Insight::PartiallyGenerated>, ZTAI> insight{*this};
    Published<std::vector<std::filesystem::path>, ZTAI> feedbackFileUrls{*this};

    /// Whether the model was available at construction.
    bool isAvailable() const { return isAvailable_; }
    int maxWords() const { return maxWords_; }
    const std::string& originalInstructions() const { return originalInstructions_; }

    /// Starts generating on the main queue and returns at once. While a generation streams, a
    /// new request is ignored.
    void suggestInsight(std::string title, std::string message);
    /// Loads the model ahead of the first request; nothing without a session.
    void prewarm();
    /// Asks the session for a negative feedback report and saves it as a feedback file.
    void logGenerationErrors(const std::shared_ptr<LanguageModelSession>& session);

private:
    ZTAI(std::string instructions, std::string localeIdentifier, int maxWords);

    void generate(const std::string& title, const std::string& message, int attempt);
    void apply(const Insight::PartiallyGenerated& snapshot);
    void handleFailure(const GenerationError& failure, const std::shared_ptr<LanguageModelSession>& session,
                       const std::string& title, const std::string& message, int attempt);
    /// A new session and the same request again, unless the attempts are used up.
    void retry(const GenerationError& failure, std::string_view reason, const std::string& title,
               const std::string& message, int attempt);
    Prompt prompt(const std::string& title, const std::string& message) const;

    std::shared_ptr<SystemLanguageModel> model_;
    bool isAvailable_ = false;
    int maxWords_ = 0;
    std::string originalInstructions_;
    std::string updatedInstructions_;
    std::shared_ptr<LanguageModelSession> session_;
    Logger logger_{"ZTAI", "ZTAIFoundation"};
};

} // namespace zt::ai
