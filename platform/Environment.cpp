#include "Environment.h"

#include "Calendar.h"
#include "MainQueue.h"
#include "UserDefaults.h"

#include <chrono>
#include <cstdlib>
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
    env.mainQueue_ = std::make_shared<ManualMainQueue>();
    env.userDefaults_ = std::make_shared<InMemoryUserDefaults>();
    return env;
}

const Environment& Environment::current() {
    auto& s = slot();
    if (!s)
        s = std::make_shared<const Environment>(makeProcessDefault());
    return *s;
}

Calendar Environment::calendar() const { return Calendar(timeZone_); }

Environment::Override::Override(Settings settings) {
    current();
    previous_ = slot();
    Environment next = *previous_;
    if (settings.locale)
        next.locale_ = *settings.locale;
    if (settings.timeZone)
        next.timeZone_ = *settings.timeZone;
    if (settings.clock)
        next.clock_ = std::move(settings.clock);
    else if (settings.now)
        next.clock_ = [d = *settings.now] { return d; };
    if (settings.mainQueue)
        next.mainQueue_ = std::move(settings.mainQueue);
    if (settings.userDefaults)
        next.userDefaults_ = std::move(settings.userDefaults);
    slot() = std::make_shared<const Environment>(std::move(next));
}

Environment::Override::~Override() { slot() = previous_; }

} // namespace zt
