#pragma once

#include <memory>
#include <optional>
#include <string>

namespace zt {

class LanguageModelSessionBackend;

/// The device's on-device language model. Whether it can be used depends on the device and the
/// user's settings; sessions (LanguageModelSession) talk to it. The host gives its model through
/// the environment (Environment::Settings::languageModel); tests and the gallery give a
/// ScriptedLanguageModel.
class SystemLanguageModel {
public:
    enum class UnavailableReason { deviceNotEligible, modelNotEnabled, modelNotReady };

    /// Available, or unavailable for a reason.
    class Availability {
    public:
        static Availability available() { return Availability(std::nullopt); }
        static Availability unavailable(UnavailableReason reason) { return Availability(reason); }

        bool isAvailable() const { return !reason_; }
        std::optional<UnavailableReason> unavailableReason() const { return reason_; }
        bool operator==(const Availability&) const = default;

    private:
        explicit Availability(std::optional<UnavailableReason> reason) : reason_(reason) {}
        std::optional<UnavailableReason> reason_;
    };

    SystemLanguageModel() = default;
    SystemLanguageModel(const SystemLanguageModel&) = delete;
    SystemLanguageModel& operator=(const SystemLanguageModel&) = delete;
    virtual ~SystemLanguageModel() = default;

    virtual Availability availability() const = 0;
    bool isAvailable() const { return availability().isAvailable(); }

    /// The model of the current environment; without one, a model that reports the device as not
    /// eligible and fails every response.
    static std::shared_ptr<SystemLanguageModel> defaultModel();

    /// The workings of a new session with these instructions; LanguageModelSession calls it.
    virtual std::unique_ptr<LanguageModelSessionBackend>
    makeSessionBackend(const std::string& instructions) = 0;
};

} // namespace zt
