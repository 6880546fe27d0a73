#include "Environment.h"

#include "Calendar.h"
#include "Feedback.h"
#include "MainQueue.h"
#include "UserDefaults.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace zt {

namespace {

std::shared_ptr<const Environment>& slot() {
    static std::shared_ptr<const Environment> current;
    return current;
}

std::string systemTimeZone() {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::detectHostTimeZone());
    icu::UnicodeString id;
    zone->getID(id);
    std::string out;
    id.toUTF8String(out);
    return out.empty() || out == "Etc/Unknown" ? "UTC" : out;
}

std::string systemLocale() {
    // The POSIX name ("de_DE.UTF-8") without its encoding; "C" means plain English.
    const char* lang = std::getenv("LC_ALL");
    if (!lang || !*lang)
        lang = std::getenv("LANG");
    std::string name = lang && *lang ? lang : "en_US";
    name = name.substr(0, name.find_first_of(".@"));
    return name == "C" || name == "POSIX" ? "en_US" : name;
}

std::filesystem::path systemDocumentsDirectory() {
    if (const char* dir = std::getenv("ZT_DOCUMENTS_DIR"); dir && *dir)
        return dir;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / "Documents";
}

} // namespace

Environment Environment::makeProcessDefault() {
    Environment env;
    env.locale_ = systemLocale();
    env.timeZone_ = systemTimeZone();
    env.clock_ = [] {
        using namespace std::chrono;
        const double unix = duration<double>(system_clock::now().time_since_epoch()).count();
        return Date::fromUnixSeconds(unix);
    };
    env.userDefaults_ = std::make_shared<InMemoryUserDefaults>();
    env.documentsDirectory_ = systemDocumentsDirectory();
    env.feedback_ = std::make_shared<NoFeedback>();
    return env;
}

const Environment& Environment::current() {
    auto& s = slot();
    if (!s)
        s = std::make_shared<const Environment>(makeProcessDefault());
    return *s;
}

Calendar Environment::calendar() const {
    return Calendar(timeZone_);
}

MainQueue& Environment::mainQueue() const {
    if (!mainQueue_)
        throw std::logic_error("no main queue: the host must give one (Environment::Override with "
                               "Settings::mainQueue) before the library posts work to it");
    return *mainQueue_;
}

Environment::Override::Override(Settings settings) {
    current();
    previous_ = slot();
    Environment next = *previous_;
    if (settings.locale)
        next.locale_ = *settings.locale;
    if (settings.timeZone)
        next.timeZone_ = *settings.timeZone;
    const bool newQueue = settings.mainQueue != nullptr;
    if (newQueue)
        next.mainQueue_ = std::move(settings.mainQueue);
    // One time source: a manual queue's virtual time is the clock, so work that runs "after 2 s"
    // sees now 2 s later. A manual queue given without a time starts from the enclosing now.
    const auto manual = std::dynamic_pointer_cast<ManualMainQueue>(next.mainQueue_);
    if (settings.clock)
        next.clock_ = std::move(settings.clock);
    else if (settings.now || (manual && newQueue)) {
        const Date start = settings.now ? *settings.now : previous_->now();
        if (manual) {
            const std::weak_ptr<ManualMainQueue> weak = manual;
            next.clock_ = [weak, start, origin = manual->now()] {
                const auto queue = weak.lock();
                return queue ? start + (queue->now() - origin) : start;
            };
        } else
            next.clock_ = [start] { return start; };
    }
    if (settings.userDefaults)
        next.userDefaults_ = std::move(settings.userDefaults);
    if (settings.documentsDirectory)
        next.documentsDirectory_ = std::move(*settings.documentsDirectory);
    if (settings.languageModel)
        next.languageModel_ = std::move(settings.languageModel);
    if (settings.feedback)
        next.feedback_ = std::move(settings.feedback);
    slot() = std::make_shared<const Environment>(std::move(next));
}

Environment::Override::~Override() {
    slot() = previous_;
}

} // namespace zt
