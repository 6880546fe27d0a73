#pragma once

#include <atomic>
#include <memory>
#include <spdlog/fmt/fmt.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spdlog {
class logger;
}

namespace zt {

/// The levels of the platform's unified logger, least severe first.
enum class LogLevel { debug, info, notice, error, fault };

std::string_view logLevelName(LogLevel level);

/// One logged line as a LogCapture sees it.
struct LogEntry {
    std::string subsystem;
    std::string category;
    LogLevel level = LogLevel::debug;
    std::string message;

    bool operator==(const LogEntry&) const = default;
};

/// A logger for one category of one subsystem, over spdlog. By default lines of level info and
/// above go to standard error (the environment variable ZT_LOG_LEVEL, e.g. "debug", changes
/// that); while a LogCapture exists every level goes to it instead. A line nobody listens to
/// costs one atomic load, and fmt-style arguments are then not even formatted.
///
///     Logger{"CurrentBillingCycleFinder"}.debug("cycle {} to {}", start, end);
class Logger {
public:
    static constexpr std::string_view defaultSubsystem = "ZTSwiftUIComponents";

    explicit Logger(std::string category, std::string subsystem = std::string(defaultSubsystem))
        : category_(std::move(category)), subsystem_(std::move(subsystem)) {}

    const std::string& category() const { return category_; }
    const std::string& subsystem() const { return subsystem_; }

    void log(LogLevel level, std::string_view message) const {
        if (isEnabled(level))
            write(level, message);
    }
    template <class A, class... Rest>
    void log(LogLevel level, fmt::format_string<A, Rest...> format, A&& a, Rest&&... rest) const {
        if (isEnabled(level))
            write(level, fmt::format(format, std::forward<A>(a), std::forward<Rest>(rest)...));
    }

    void debug(std::string_view message) const { log(LogLevel::debug, message); }
    void info(std::string_view message) const { log(LogLevel::info, message); }
    void notice(std::string_view message) const { log(LogLevel::notice, message); }
    void error(std::string_view message) const { log(LogLevel::error, message); }
    void fault(std::string_view message) const { log(LogLevel::fault, message); }

    template <class A, class... Rest>
    void debug(fmt::format_string<A, Rest...> f, A&& a, Rest&&... rest) const {
        log(LogLevel::debug, f, std::forward<A>(a), std::forward<Rest>(rest)...);
    }
    template <class A, class... Rest>
    void info(fmt::format_string<A, Rest...> f, A&& a, Rest&&... rest) const {
        log(LogLevel::info, f, std::forward<A>(a), std::forward<Rest>(rest)...);
    }
    template <class A, class... Rest>
    void notice(fmt::format_string<A, Rest...> f, A&& a, Rest&&... rest) const {
        log(LogLevel::notice, f, std::forward<A>(a), std::forward<Rest>(rest)...);
    }
    template <class A, class... Rest>
    void error(fmt::format_string<A, Rest...> f, A&& a, Rest&&... rest) const {
        log(LogLevel::error, f, std::forward<A>(a), std::forward<Rest>(rest)...);
    }
    template <class A, class... Rest>
    void fault(fmt::format_string<A, Rest...> f, A&& a, Rest&&... rest) const {
        log(LogLevel::fault, f, std::forward<A>(a), std::forward<Rest>(rest)...);
    }

    /// Whether a line of this level reaches anyone.
    static bool isEnabled(LogLevel level) {
        return static_cast<int>(level) >= lowestListenedLevel_.load(std::memory_order_relaxed);
    }
    /// The least severe level written to the default output.
    static LogLevel minimumLevel();
    static void setMinimumLevel(LogLevel level);
    /// The spdlog logger behind the default output, for hosts that add sinks of their own.
    static std::shared_ptr<spdlog::logger> backend();

private:
    friend class LogCapture;
    void write(LogLevel level, std::string_view message) const;
    static void updateLowestListenedLevel();

    static inline std::atomic<int> lowestListenedLevel_{static_cast<int>(LogLevel::info)};

    std::string category_;
    std::string subsystem_;
};

/// Collects every logged line, debug included, instead of writing it out, for as long as it
/// lives. Captures nest: the innermost one collects.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<LogEntry> entries() const;
    /// The messages of one category (every category when empty), oldest first.
    std::vector<std::string> messages(std::string_view category = {}) const;
    void clear();

private:
    friend class Logger;
    std::vector<LogEntry> entries_;
};

} // namespace zt
