#include "ScriptedLanguageModel.h"

#include "platform/MainQueue.h"

#include <algorithm>
#include <utility>

namespace zt {

namespace {

constexpr std::string_view whitespace = " \t\n";

} // namespace

struct ScriptedLanguageModel::Script {
    Availability availability;
    Timing timing;
    std::deque<Reply> queue;
    std::optional<Reply> defaultReply;
    std::vector<std::string> sessions;
    std::vector<Request> requests;
    std::vector<std::optional<Prompt>> prewarms;
    std::vector<FeedbackRequest> feedback;

    Reply nextReply() {
        if (!availability.isAvailable())
            return Reply{{}, Failure{GenerationError::Kind::assetsUnavailable, "the model is not available"}};
        if (!queue.empty()) {
            Reply reply = std::move(queue.front());
            queue.pop_front();
            return reply;
        }
        if (defaultReply)
            return *defaultReply;
        return Reply{{},
                     Failure{GenerationError::Kind::decodingFailure, "nothing is scripted for this request"}};
    }
};

class ScriptedLanguageModel::Session final : public LanguageModelSessionBackend {
public:
    Session(std::shared_ptr<Script> script, std::string instructions)
        : state_(std::make_shared<State>(std::move(script), std::move(instructions))) {
        state_->index = state_->script->sessions.size();
        state_->script->sessions.push_back(state_->instructions);
    }

    bool isResponding() const override { return state_->responding; }

    void prewarm(const std::optional<Prompt>& promptPrefix) override {
        state_->script->prewarms.push_back(promptPrefix);
        state_->warm = true;
    }

    void streamResponse(ResponseRequest request, SnapshotHandler onSnapshot,
                        CompletionHandler onCompletion) override {
        State& s = *state_;
        s.script->requests.push_back(Request{s.index, request});
        if (s.responding) {
            MainQueue::main().async([onCompletion = std::move(onCompletion)] {
                if (onCompletion)
                    onCompletion(GenerationError(GenerationError::Kind::concurrentRequests,
                                                 {"a response is already streaming"}));
            });
            return;
        }
        const Reply reply = s.script->nextReply();
        s.steps = snapshots(request.schema, reply);
        if (reply.failure)
            s.steps.resize(std::min(reply.failure->afterSnapshots, s.steps.size()));
        s.failure = reply.failure;
        s.next = 0;
        s.onSnapshot = std::move(onSnapshot);
        s.onCompletion = std::move(onCompletion);
        s.transcript.push_back(Entry{std::move(request.prompt), {}, {}});
        s.responding = true;
        const auto& timing = s.script->timing;
        const double delay = (s.warm ? 0 : timing.coldStart) + timing.firstToken;
        s.warm = true;
        MainQueue::main().asyncAfter(delay, [weak = std::weak_ptr<State>(state_)] { step(weak); });
    }

    std::vector<std::uint8_t> logFeedbackAttachment(const FeedbackRequest& request) override {
        state_->script->feedback.push_back(request);
        auto issues = nlohmann::ordered_json::array();
        for (const auto& issue : request.issues)
            issues.push_back({{"category", FeedbackIssue::categoryName(issue.category)},
                              {"explanation", issue.explanation}});
        auto transcript = nlohmann::ordered_json::array();
        for (const auto& entry : state_->transcript)
            transcript.push_back({{"prompt", entry.prompt.text()},
                                  {"response", entry.response.value_or(nullptr)},
                                  {"error", entry.error ? nlohmann::ordered_json(*entry.error)
                                                        : nlohmann::ordered_json(nullptr)}});
        const nlohmann::ordered_json document{
            {"sentiment", sentimentName(request.sentiment)},
            {"issues", std::move(issues)},
            {"desiredOutput",
             request.desiredOutput ? request.desiredOutput->value : nlohmann::ordered_json(nullptr)},
            {"instructions", state_->instructions},
            {"transcript", std::move(transcript)},
        };
        const std::string text = document.dump();
        return {text.begin(), text.end()};
    }

private:
    struct Entry {
        Prompt prompt;
        std::optional<nlohmann::ordered_json> response;
        std::optional<std::string> error;
    };
    struct State {
        State(std::shared_ptr<Script> s, std::string i) : script(std::move(s)), instructions(std::move(i)) {}

        std::shared_ptr<Script> script;
        std::string instructions;
        std::size_t index = 0;
        bool responding = false;
        bool warm = false;
        std::vector<Entry> transcript;
        // The response in progress.
        std::vector<GeneratedContent> steps;
        std::size_t next = 0;
        std::optional<Failure> failure;
        SnapshotHandler onSnapshot;
        CompletionHandler onCompletion;
    };

    // Queued work holds the session weakly: a session that is gone stops streaming.
    static void step(const std::weak_ptr<State>& weak) {
        const auto s = weak.lock();
        if (!s || !s->responding)
            return;
        if (s->next < s->steps.size()) {
            const GeneratedContent& content = s->steps[s->next++];
            s->transcript.back().response = content.value;
            if (s->onSnapshot)
                s->onSnapshot(content);
            if (s->next == s->steps.size() && !s->failure)
                finish(*s, std::nullopt);
            else
                MainQueue::main().asyncAfter(s->script->timing.perWord, [weak] { step(weak); });
            return;
        }
        finish(*s, s->failure ? std::optional<GenerationError>(error(*s->failure, s->script->timing))
                              : std::nullopt);
    }

    static GenerationError error(const Failure& failure, const Timing& timing) {
        GenerationError::Context context{failure.debugDescription};
        if (failure.kind != GenerationError::Kind::refusal)
            return GenerationError(failure.kind, std::move(context));
        return GenerationError(Refusal([explanation = failure.refusalExplanation,
                                        delay = timing.explanation](Refusal::ExplanationCompletion done) {
                                   MainQueue::main().asyncAfter(delay, [done = std::move(done), explanation] {
                                       if (done)
                                           done(explanation);
                                   });
                               }),
                               std::move(context));
    }

    static void finish(State& s, const std::optional<GenerationError>& error) {
        s.responding = false;
        if (error)
            s.transcript.back().error = std::string(GenerationError::kindName(error->kind()));
        s.onSnapshot = nullptr;
        // Moved out first: the completion may start the next response on this session.
        const auto completion = std::move(s.onCompletion);
        s.onCompletion = nullptr;
        if (completion)
            completion(error);
    }

    std::shared_ptr<State> state_;
};

ScriptedLanguageModel::ScriptedLanguageModel(Availability availability)
    : ScriptedLanguageModel(availability, Timing{}) {}

ScriptedLanguageModel::ScriptedLanguageModel(Availability availability, Timing timing)
    : script_(std::make_shared<Script>(Script{availability, timing, {}, {}, {}, {}, {}, {}})) {}

ScriptedLanguageModel::~ScriptedLanguageModel() = default;

SystemLanguageModel::Availability ScriptedLanguageModel::availability() const {
    return script_->availability;
}

void ScriptedLanguageModel::setAvailability(Availability availability) {
    script_->availability = availability;
}

const ScriptedLanguageModel::Timing& ScriptedLanguageModel::timing() const {
    return script_->timing;
}

void ScriptedLanguageModel::enqueue(Reply reply) {
    script_->queue.push_back(std::move(reply));
}

void ScriptedLanguageModel::setDefaultReply(std::optional<Reply> reply) {
    script_->defaultReply = std::move(reply);
}

const std::vector<std::string>& ScriptedLanguageModel::sessionInstructions() const {
    return script_->sessions;
}

const std::vector<ScriptedLanguageModel::Request>& ScriptedLanguageModel::requests() const {
    return script_->requests;
}

const std::vector<std::optional<Prompt>>& ScriptedLanguageModel::prewarms() const {
    return script_->prewarms;
}

const std::vector<FeedbackRequest>& ScriptedLanguageModel::feedbackRequests() const {
    return script_->feedback;
}

std::unique_ptr<LanguageModelSessionBackend>
ScriptedLanguageModel::makeSessionBackend(const std::string& instructions) {
    return std::make_unique<Session>(script_, instructions);
}

std::vector<GeneratedContent> ScriptedLanguageModel::snapshots(const GenerationSchema& schema,
                                                               const Reply& reply) {
    std::vector<GeneratedContent> out;
    GeneratedContent content{GenerationID::make(), nlohmann::ordered_json::object()};
    for (const auto& property : schema.properties) {
        const auto it = reply.content.find(property.name);
        if (it == reply.content.end())
            continue;
        if (!it->is_string()) {
            content.value[property.name] = *it;
            out.push_back(content);
            continue;
        }
        const std::string& text = it->get_ref<const std::string&>();
        std::size_t end = 0;
        do {
            // Through the next word: its leading white space, then its letters.
            end = std::min(text.find_first_not_of(whitespace, end), text.size());
            end = std::min(text.find_first_of(whitespace, end), text.size());
            content.value[property.name] = text.substr(0, end);
            out.push_back(content);
        } while (end < text.size());
        out.push_back(content);
    }
    return out;
}

} // namespace zt
