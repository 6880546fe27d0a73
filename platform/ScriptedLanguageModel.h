#pragma once

#include "platform/LanguageModelSession.h"
#include "platform/SystemLanguageModel.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A language model that answers from a script, for tests and the gallery. Each response takes
/// the next queued reply (else the default reply) and streams it through the environment's main
/// queue the way a model writes: properties in schema order, a text word by word, each finished
/// text followed by one snapshot that changes nothing (the token that closes it). A reply can
/// instead fail in any of the ways a session fails, after some snapshots. It records what it was
/// asked, so tests can read the sessions, prompts and feedback requests.
class ScriptedLanguageModel final : public SystemLanguageModel {
public:
    struct Failure {
        GenerationError::Kind kind = GenerationError::Kind::decodingFailure;
        std::string debugDescription{};
        /// Snapshots delivered before the failure.
        std::size_t afterSnapshots = 0;
        /// A refusal's explanation; nothing when the model cannot give one.
        std::optional<std::string> refusalExplanation{};
    };

    struct Reply {
        /// Property values by name; texts stream word by word, other values appear whole.
        nlohmann::ordered_json content = nlohmann::ordered_json::object();
        std::optional<Failure> failure{};
    };

    /// Seconds, on the main queue's clock.
    struct Timing {
        double coldStart = 0.8;   // loading the model before a session's first response, unless prewarmed
        double firstToken = 0.35; // from the request to the first snapshot
        double perWord = 0.06;    // between snapshots
        double explanation = 0.5; // until a refusal's explanation arrives
    };

    /// One streamed request; session is its position in sessionInstructions().
    struct Request {
        std::size_t session = 0;
        ResponseRequest request;
    };

    explicit ScriptedLanguageModel(Availability availability = Availability::available());
    ScriptedLanguageModel(Availability availability, Timing timing);
    ~ScriptedLanguageModel() override;

    Availability availability() const override;
    void setAvailability(Availability availability);
    const Timing& timing() const;

    /// The reply to the next request that finds no earlier queued reply.
    void enqueue(Reply reply);
    /// The reply when the queue is empty; without one such a request fails (decodingFailure).
    void setDefaultReply(std::optional<Reply> reply);

    /// The instructions of every session made, in order.
    const std::vector<std::string>& sessionInstructions() const;
    /// Every streamed request, including those refused while responding.
    const std::vector<Request>& requests() const;
    /// The prompt prefix of every prewarm call.
    const std::vector<std::optional<Prompt>>& prewarms() const;
    const std::vector<FeedbackRequest>& feedbackRequests() const;

    std::unique_ptr<LanguageModelSessionBackend> makeSessionBackend(const std::string& instructions) override;

    /// The snapshots a reply streams, in order, all with the same id (empty for a failure before
    /// any content).
    static std::vector<GeneratedContent> snapshots(const GenerationSchema& schema, const Reply& reply);

private:
    struct Script;
    class Session;
    std::shared_ptr<Script> script_;
};

} // namespace zt
