#pragma once

#include "platform/Generable.h"
#include "platform/GenerationError.h"
#include "platform/SystemLanguageModel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// What a session is asked: parts that the model reads in order.
struct Prompt {
    std::vector<std::string> segments;

    /// The parts as one text, a line each.
    std::string text() const;
    bool operator==(const Prompt&) const = default;
};

/// How the next token is chosen.
struct SamplingMode {
    enum class Kind { greedy, topK, probabilityThreshold };

    Kind kind = Kind::greedy;
    int top = 0;                     // topK
    double probabilityThreshold = 0; // probabilityThreshold
    std::optional<std::uint64_t> seed{};

    static SamplingMode greedy() { return {}; }
    static SamplingMode random(int top, std::optional<std::uint64_t> seed = std::nullopt) {
        return {Kind::topK, top, 0, seed};
    }
    static SamplingMode random(double probabilityThreshold,
                               std::optional<std::uint64_t> seed = std::nullopt) {
        return {Kind::probabilityThreshold, 0, probabilityThreshold, seed};
    }
    bool operator==(const SamplingMode&) const = default;
};

/// Unset members leave the model's own defaults.
struct GenerationOptions {
    std::optional<SamplingMode> sampling{};
    std::optional<double> temperature{};
    std::optional<int> maximumResponseTokens{};

    bool operator==(const GenerationOptions&) const = default;
};

enum class FeedbackSentiment { positive, negative, neutral };

struct FeedbackIssue {
    enum class Category {
        unhelpful,
        tooVerbose,
        didNotFollowInstructions,
        incorrect,
        stereotypeOrBias,
        suggestiveOrSexual,
        vulgarOrOffensive,
        triggeredGuardrailUnexpectedly,
    };

    Category category = Category::unhelpful;
    std::string explanation{};

    static std::string_view categoryName(Category category);
    bool operator==(const FeedbackIssue&) const = default;
};

std::string_view sentimentName(FeedbackSentiment sentiment);

/// One streamed request as the model receives it.
struct ResponseRequest {
    GenerationSchema schema;
    bool includeSchemaInPrompt = true;
    GenerationOptions options;
    Prompt prompt;
};

/// One request for a feedback attachment.
struct FeedbackRequest {
    FeedbackSentiment sentiment = FeedbackSentiment::negative;
    std::vector<FeedbackIssue> issues;
    std::optional<GeneratedContent> desiredOutput;
};

/// A snapshot of a streaming response: the partial value so far and the content it was read from.
template <Generable T> struct ResponseSnapshot {
    typename T::PartiallyGenerated content;
    GeneratedContent rawContent;
};

/// What a model implements for each session.
class LanguageModelSessionBackend {
public:
    using SnapshotHandler = std::function<void(const GeneratedContent&)>;
    using CompletionHandler = std::function<void(const std::optional<GenerationError>&)>;

    virtual ~LanguageModelSessionBackend() = default;
    virtual bool isResponding() const = 0;
    virtual void prewarm(const std::optional<Prompt>& promptPrefix) = 0;
    /// Delivers snapshots, then one completion, through the main queue; isResponding is false
    /// again by the time the completion runs.
    virtual void streamResponse(ResponseRequest request, SnapshotHandler onSnapshot,
                                CompletionHandler onCompletion) = 0;
    virtual std::vector<std::uint8_t> logFeedbackAttachment(const FeedbackRequest& request) = 0;
};

/// A conversation with a language model under fixed instructions. One response at a time: a
/// request made while it is responding fails with concurrentRequests. Main-thread object; every
/// handler runs on the main queue.
class LanguageModelSession {
public:
    using CompletionHandler = LanguageModelSessionBackend::CompletionHandler;

    explicit LanguageModelSession(
        std::shared_ptr<SystemLanguageModel> model = SystemLanguageModel::defaultModel(),
        std::string instructions = {});
    LanguageModelSession(const LanguageModelSession&) = delete;
    LanguageModelSession& operator=(const LanguageModelSession&) = delete;

    const std::string& instructions() const { return instructions_; }
    bool isResponding() const { return backend_->isResponding(); }

    /// Loads the model ahead of the first request, so that it answers sooner.
    void prewarm(std::optional<Prompt> promptPrefix = std::nullopt) { backend_->prewarm(promptPrefix); }

    /// Streams a value of T: onSnapshot hears each partial value in order, then onCompletion hears
    /// nothing on success or the failure. Either handler may be empty.
    template <Generable T>
    void streamResponse(bool includeSchemaInPrompt, GenerationOptions options, Prompt prompt,
                        std::function<void(const ResponseSnapshot<T>&)> onSnapshot,
                        CompletionHandler onCompletion) {
        backend_->streamResponse(
            ResponseRequest{T::generationSchema(), includeSchemaInPrompt, std::move(options),
                            std::move(prompt)},
            [onSnapshot = std::move(onSnapshot)](const GeneratedContent& raw) {
                if (onSnapshot)
                    onSnapshot(ResponseSnapshot<T>{T::partiallyGenerated(raw), raw});
            },
            std::move(onCompletion));
    }

    /// A feedback report on this session's transcript, as bytes to keep or send.
    std::vector<std::uint8_t>
    logFeedbackAttachment(FeedbackSentiment sentiment, std::vector<FeedbackIssue> issues,
                          std::optional<GeneratedContent> desiredOutput = std::nullopt);

private:
    std::string instructions_;
    std::unique_ptr<LanguageModelSessionBackend> backend_;
};

} // namespace zt
