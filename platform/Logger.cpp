#include "Logger.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <spdlog/logger.h>
#include <spdlog/sinks/stdout_color_sinks.h>

namespace zt {

namespace {

struct Listeners {
    std::mutex mutex;
    std::vector<LogCapture*> captures; // innermost last
    LogLevel minimumLevel = LogLevel::info;
};

std::optional<LogLevel> levelNamed(std::string_view name) {
    for (const auto level :
         {LogLevel::debug, LogLevel::info, LogLevel::notice, LogLevel::error, LogLevel::fault})
        if (logLevelName(level) == name)
            return level;
    return std::nullopt;
}

Listeners& listeners() {
    static Listeners* instance = [] {
        auto* l = new Listeners; // never destroyed: loggers may run during static destruction
        if (const char* env = std::getenv("ZT_LOG_LEVEL"))
            l->minimumLevel = levelNamed(env).value_or(LogLevel::info);
        return l;
    }();
    return *instance;
}

spdlog::level::level_enum spdlogLevel(LogLevel level) {
    switch (level) {
    case LogLevel::debug:
        return spdlog::level::debug;
    case LogLevel::info:
    case LogLevel::notice: // spdlog has nothing between info and warning
        return spdlog::level::info;
    case LogLevel::error:
        return spdlog::level::err;
    case LogLevel::fault:
        return spdlog::level::critical;
    }
    return spdlog::level::info;
}

// Reads ZT_LOG_LEVEL before main so that isEnabled() is right from the first line.
[[maybe_unused]] const bool initialised = [] {
    Logger::setMinimumLevel(Logger::minimumLevel());
    return true;
}();

} // namespace

std::string_view logLevelName(LogLevel level) {
    switch (level) {
    case LogLevel::debug:
        return "debug";
    case LogLevel::info:
        return "info";
    case LogLevel::notice:
        return "notice";
    case LogLevel::error:
        return "error";
    case LogLevel::fault:
        return "fault";
    }
    return "info";
}

LogLevel Logger::minimumLevel() {
    auto& l = listeners();
    const std::lock_guard lock(l.mutex);
    return l.minimumLevel;
}

void Logger::setMinimumLevel(LogLevel level) {
    auto& l = listeners();
    const std::lock_guard lock(l.mutex);
    l.minimumLevel = level;
    updateLowestListenedLevel();
}

// Called with the listeners' mutex held.
void Logger::updateLowestListenedLevel() {
    const auto& l = listeners();
    const auto lowest = l.captures.empty() ? l.minimumLevel : LogLevel::debug;
    lowestListenedLevel_.store(static_cast<int>(lowest), std::memory_order_relaxed);
}

std::shared_ptr<spdlog::logger> Logger::backend() {
    // Never destroyed, like the listeners.
    static const auto* logger = [] {
        auto sink = std::make_shared<spdlog::sinks::stderr_color_sink_mt>();
        auto made = std::make_shared<spdlog::logger>(std::string(defaultSubsystem), std::move(sink));
        made->set_pattern("%Y-%m-%d %H:%M:%S.%e %^%v%$");
        made->set_level(spdlog::level::trace); // the minimum level filters before spdlog
        return new std::shared_ptr<spdlog::logger>(std::move(made));
    }();
    return *logger;
}

void Logger::write(LogLevel level, std::string_view message) const {
    {
        auto& l = listeners();
        const std::lock_guard lock(l.mutex);
        if (!l.captures.empty()) {
            l.captures.back()->entries_.push_back(
                LogEntry{subsystem_, category_, level, std::string(message)});
            return;
        }
        if (level < l.minimumLevel)
            return;
    }
    backend()->log(spdlogLevel(level), "{} {}/{}: {}", logLevelName(level), subsystem_, category_, message);
}

LogCapture::LogCapture() {
    auto& l = listeners();
    const std::lock_guard lock(l.mutex);
    l.captures.push_back(this);
    Logger::updateLowestListenedLevel();
}

LogCapture::~LogCapture() {
    auto& l = listeners();
    const std::lock_guard lock(l.mutex);
    std::erase(l.captures, this);
    Logger::updateLowestListenedLevel();
}

std::vector<LogEntry> LogCapture::entries() const {
    const std::lock_guard lock(listeners().mutex);
    return entries_;
}

std::vector<std::string> LogCapture::messages(std::string_view category) const {
    const std::lock_guard lock(listeners().mutex);
    std::vector<std::string> out;
    for (const auto& e : entries_)
        if (category.empty() || e.category == category)
            out.push_back(e.message);
    return out;
}

void LogCapture::clear() {
    const std::lock_guard lock(listeners().mutex);
    entries_.clear();
}

} // namespace zt
