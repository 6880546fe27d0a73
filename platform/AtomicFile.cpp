#include "AtomicFile.h"

#include "Environment.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zt {

namespace {

namespace fs = std::filesystem;

std::string lastError() {
    return std::strerror(errno);
}

/// Closes a descriptor on every path out; closing the directory also releases its lock.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now and reports whether closing succeeded (it can report a late write error).
    bool reset() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

fs::path directoryOf(const fs::path& file) {
    const auto parent = file.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

std::string temporaryPrefix(const fs::path& file) {
    return "." + file.filename().string() + ".tmp-";
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const auto n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

/// Leftovers of writers that crashed. Only called under the directory lock, when no
/// cooperating writer can be between creating and renaming its temporary file.
void removeStaleTemporaries(const fs::path& directory, const fs::path& file) {
    const auto prefix = temporaryPrefix(file);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        const auto name = entry.path().filename().string();
        if (name.starts_with(prefix))
            fs::remove(entry.path(), ec);
    }
}

std::atomic<bool> syncing{true};

/// fsync, unless tests turned syncing off.
bool sync(int fd) {
    return !syncing.load(std::memory_order_relaxed) || ::fsync(fd) == 0;
}

std::mutex& hookMutex() {
    static std::mutex mutex;
    return mutex;
}

AtomicFile::BeforeReplaceHook& hook() {
    static AtomicFile::BeforeReplaceHook instance;
    return instance;
}

void runBeforeReplaceHook(const fs::path& temporary) {
    AtomicFile::BeforeReplaceHook current;
    {
        const std::lock_guard lock(hookMutex());
        current = hook();
    }
    if (current)
        current(temporary);
}

/// Writes content to a new temporary file and renames it over file.
bool replaceAtomically(const fs::path& file, int directoryFd, std::string_view content,
                       const Logger& logger) {
    std::string pattern = (directoryOf(file) / (temporaryPrefix(file) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor temporary(::mkstemp(name.data()));
    if (!temporary.valid()) {
        logger.error("cannot create a temporary file for {}: {}", file.string(), lastError());
        return false;
    }
    const bool written = writeAll(temporary.get(), content) && sync(temporary.get());
    if (!written || !temporary.reset()) {
        logger.error("cannot write {}: {}", name.data(), lastError());
        ::unlink(name.data());
        return false;
    }
    runBeforeReplaceHook(fs::path(name.data()));
    if (::rename(name.data(), file.c_str()) != 0) {
        logger.error("cannot rename {} to {}: {}", name.data(), file.string(), lastError());
        ::unlink(name.data());
        return false;
    }
    // Makes the rename itself durable.
    if (!sync(directoryFd))
        logger.error("cannot sync the directory of {}: {}", file.string(), lastError());
    return true;
}

/// The instant as "20250314T101500Z", for names that sort by time.
std::string utcStamp(Date date) {
    char text[32] = "unknown-time";
    const double unix = date.unixSeconds();
    if (!(std::abs(unix) < 1e15)) // also NaN: no year to print
        return text;
    const auto seconds = static_cast<std::time_t>(unix);
    std::tm utc{};
    if (::gmtime_r(&seconds, &utc))
        std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

/// Keeps the current file under a new name before it is replaced. A hard link keeps the very
/// bytes and never leaves a moment without the file itself; where links are not supported the
/// content read is copied instead.
std::optional<fs::path> keepAside(const fs::path& file, int directoryFd, std::string_view content,
                                  const Logger& logger) {
    const auto base = file.string() + ".damaged-" + utcStamp(Environment::current().now());
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const fs::path aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (::link(file.c_str(), aside.c_str()) == 0) {
            sync(directoryFd);
            return aside;
        }
        if (errno == EEXIST)
            continue;
        if (replaceAtomically(aside, directoryFd, content, logger))
            return aside;
        return std::nullopt;
    }
    logger.error("cannot find a free name to keep {} aside", file.string());
    return std::nullopt;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path path, Logger logger)
    : path_(std::move(path)), logger_(std::move(logger)) {}

std::optional<std::string> AtomicFile::read() const {
    Descriptor fd(::open(path_.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        const auto n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            return content;
        if (n < 0 && errno != EINTR)
            return std::nullopt; // a directory, an I/O error: not content to build on
        if (n > 0)
            content.append(buffer, static_cast<std::size_t>(n));
    }
}

bool AtomicFile::update(const Transform& transform) const {
    const auto directory = directoryOf(path_);
    std::error_code ec;
    fs::create_directories(directory, ec);
    Descriptor directoryFd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int locked = -1;
    if (directoryFd.valid())
        while ((locked = ::flock(directoryFd.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
    if (locked != 0) {
        logger_.error("cannot lock the directory of {}: {}", path_.string(), lastError());
        return false;
    }
    const auto current = read();
    if (!current && fs::exists(path_, ec)) {
        logger_.error("cannot read {}; it is left as it is", path_.string());
        return false;
    }
    const Replacement replacement = transform(current);
    removeStaleTemporaries(directory, path_);
    if (replacement.keepCurrentAside && current) {
        const auto aside = keepAside(path_, directoryFd.get(), *current, logger_);
        if (!aside) {
            logger_.error("{} could not be read completely and cannot be kept aside; it is left as it is",
                          path_.string());
            return false;
        }
        logger_.error("{} could not be read completely; kept as {} before replacing it", path_.string(),
                      aside->string());
    }
    return replaceAtomically(path_, directoryFd.get(), replacement.content, logger_);
}

void AtomicFile::setSyncForTesting(bool on) {
    syncing.store(on, std::memory_order_relaxed);
}

void AtomicFile::setBeforeReplaceHookForTesting(BeforeReplaceHook newHook) {
    const std::lock_guard lock(hookMutex());
    hook() = std::move(newHook);
}

} // namespace zt
