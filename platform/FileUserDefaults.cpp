#include "FileUserDefaults.h"

#include "Logger.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace zt {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const Logger& logger() {
    static const Logger instance{"FileUserDefaults"};
    return instance;
}

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

/// Temporary files are hidden siblings of the target: ".<name>.tmp-XXXXXX".
std::string temporaryPrefix(const fs::path& file) {
    return "." + file.filename().string() + ".tmp-";
}

std::optional<std::string> readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
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

/// Writes content to a new temporary file and renames it over file.
bool replaceAtomically(const fs::path& file, int directoryFd, std::string_view content) {
    std::string pattern = (directoryOf(file) / (temporaryPrefix(file) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor temporary(::mkstemp(name.data()));
    if (!temporary.valid()) {
        logger().error("cannot create a temporary file for {}: {}", file.string(), lastError());
        return false;
    }
    const bool written = writeAll(temporary.get(), content) && ::fsync(temporary.get()) == 0;
    if (!written || !temporary.reset()) {
        logger().error("cannot write {}: {}", name.data(), lastError());
        ::unlink(name.data());
        return false;
    }
    if (::rename(name.data(), file.c_str()) != 0) {
        logger().error("cannot rename {} to {}: {}", name.data(), file.string(), lastError());
        ::unlink(name.data());
        return false;
    }
    // Makes the rename itself durable.
    if (::fsync(directoryFd) != 0)
        logger().error("cannot sync the directory of {}: {}", file.string(), lastError());
    return true;
}

std::optional<UserDefaults::Value> decodeValue(const Json& json) {
    using Value = UserDefaults::Value;
    switch (json.type()) {
    case Json::value_t::boolean:
        return Value{json.get<bool>()};
    case Json::value_t::number_integer:
        return Value{json.get<std::int64_t>()};
    case Json::value_t::number_unsigned: {
        const auto u = json.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        return Value{static_cast<std::int64_t>(u)};
    }
    case Json::value_t::number_float:
        return Value{json.get<double>()};
    case Json::value_t::string:
        return Value{json.get<std::string>()};
    case Json::value_t::array: {
        std::vector<std::string> strings;
        for (const auto& element : json) {
            if (!element.is_string())
                return std::nullopt;
            strings.push_back(element.get<std::string>());
        }
        return Value{std::move(strings)};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

FileUserDefaults::FileUserDefaults(std::filesystem::path file) : path_(std::move(file)) {
    reload();
}

void FileUserDefaults::reload() {
    const auto content = readFile(path_);
    values_ = content ? decode(*content) : std::map<std::string, Value>{};
}

void FileUserDefaults::set(const std::string& key, Value value) {
    update([&](auto& values) { values[key] = value; });
}

void FileUserDefaults::removeObject(const std::string& key) {
    update([&](auto& values) { values.erase(key); });
}

void FileUserDefaults::update(const Change& change) {
    const auto directory = directoryOf(path_);
    std::error_code ec;
    fs::create_directories(directory, ec);
    Descriptor directoryFd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    int locked = -1;
    if (directoryFd.valid())
        while ((locked = ::flock(directoryFd.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
    if (locked != 0) {
        logger().error("cannot lock the directory of {}: {}; the change stays in memory", path_.string(),
                       lastError());
        change(values_);
        return;
    }
    const auto content = readFile(path_);
    auto values = content ? decode(*content) : std::map<std::string, Value>{};
    change(values);
    removeStaleTemporaries(directory, path_);
    if (replaceAtomically(path_, directoryFd.get(), encode(values))) {
        values_ = std::move(values);
    } else {
        logger().error("the change to {} stays in memory", path_.string());
        change(values_);
    }
}

std::map<std::string, UserDefaults::Value> FileUserDefaults::decode(std::string_view json) {
    const auto parsed = Json::parse(json, nullptr, false);
    std::map<std::string, Value> values;
    if (!parsed.is_object())
        return values;
    for (const auto& [key, element] : parsed.items())
        if (auto value = decodeValue(element))
            values.emplace(key, std::move(*value));
    return values;
}

std::string FileUserDefaults::encode(const std::map<std::string, Value>& values) {
    Json object = Json::object();
    for (const auto& [key, value] : values)
        std::visit([&](const auto& v) { object[key] = v; }, value);
    // Invalid UTF-8 is replaced rather than thrown about: a setting is not worth a crash.
    return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zt
