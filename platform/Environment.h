#pragma once

#include "Date.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

class Calendar;
class Feedback;
class MainQueue;
class SystemLanguageModel;
class UserDefaults;

/// What the device tells the library at the moment of a call: locale, time zone (and with it the
/// current calendar), the clock, the main queue, the standard user defaults, the user's documents
/// directory, the on-device language model and the haptics. Tests pin all of it with a scoped
/// Override; nothing below reads the machine's settings directly.
class Environment {
public:
    using Clock = std::function<Date()>;

    /// The values an Override changes; unset members keep the enclosing environment's.
    struct Settings {
        std::optional<std::string> locale{};   // ICU/BCP-47 identifier such as "en_US" or "de-DE"
        std::optional<std::string> timeZone{}; // IANA identifier such as "Europe/Berlin"
        /// The clock starts here; with a ManualMainQueue in force it moves with the queue's
        /// virtual time (advancing the queue by 5 s moves now by 5 s), else it stands still. A
        /// ManualMainQueue given without now or clock moves the enclosing now the same way.
        std::optional<Date> now{};
        Clock clock{}; // a moving clock (wins over now)
        std::shared_ptr<MainQueue> mainQueue{};
        std::shared_ptr<UserDefaults> userDefaults{};
        std::optional<std::filesystem::path> documentsDirectory{};
        std::shared_ptr<SystemLanguageModel> languageModel{};
        std::shared_ptr<Feedback> feedback{};
    };

    /// The environment in force. Main-thread state: overrides are not meant to race calls on
    /// other threads.
    static const Environment& current();

    const std::string& localeIdentifier() const { return locale_; }
    const std::string& timeZoneIdentifier() const { return timeZone_; }
    /// The current calendar: Gregorian in the environment's time zone.
    Calendar calendar() const;
    Date now() const { return clock_(); }
    /// The main queue the host or test gave. There is none by default: work posted without one
    /// would silently never run, so asking for it throws std::logic_error instead.
    MainQueue& mainQueue() const;
    UserDefaults& userDefaults() const { return *userDefaults_; }
    /// Where files the user owns go. By default the folder that ZT_DOCUMENTS_DIR names, else
    /// "Documents" in the home folder; it may not exist yet.
    const std::filesystem::path& documentsDirectory() const { return documentsDirectory_; }
    /// The language model the host gave; none by default (SystemLanguageModel::defaultModel() then
    /// stands for a device without one).
    const std::shared_ptr<SystemLanguageModel>& languageModel() const { return languageModel_; }
    /// Haptics and system sounds; by default nothing is played.
    Feedback& feedback() const { return *feedback_; }

    /// Pins parts of the environment until destroyed; overrides nest.
    class Override {
    public:
        explicit Override(Settings settings);
        ~Override();
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        std::shared_ptr<const Environment> previous_;
    };

private:
    static Environment makeProcessDefault();

    std::string locale_;
    std::string timeZone_;
    Clock clock_;
    std::shared_ptr<MainQueue> mainQueue_;
    std::shared_ptr<UserDefaults> userDefaults_;
    std::filesystem::path documentsDirectory_;
    std::shared_ptr<SystemLanguageModel> languageModel_;
    std::shared_ptr<Feedback> feedback_;
};

} // namespace zt
