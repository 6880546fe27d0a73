#include "FileUserDefaults.h"

#include "Logger.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
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

/// Reads the top-level object entry by entry, so a file cut short keeps the entries before the
/// cut. Values of other JSON types (null, objects, mixed arrays, integers beyond 64 bits) are
/// skipped; a top level that is not an object yields nothing. A number at the very end of a cut
/// file is dropped: the cut may have fallen inside it ("15" read as 1).
class SalvagingReader {
public:
    using Value = UserDefaults::Value;
    using Values = std::map<std::string, Value>;

    explicit SalvagingReader(std::string_view input) : input_(input) {}

    Values& values() { return values_; }

    bool null() { return reject(); }
    bool boolean(bool b) { return scalar(Value{b}); }
    bool number_integer(Json::number_integer_t i) { return scalar(Value{std::int64_t{i}}, true); }
    bool number_unsigned(Json::number_unsigned_t u) {
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return reject();
        return scalar(Value{static_cast<std::int64_t>(u)}, true);
    }
    bool number_float(Json::number_float_t d, const std::string&) { return scalar(Value{d}, true); }
    bool string(std::string& s) {
        if (depth_ == inArray) {
            strings_.push_back(std::move(s));
            return true;
        }
        return scalar(Value{std::move(s)});
    }
    bool binary(Json::binary_t&) { return reject(); }
    bool key(std::string& k) {
        if (depth_ == inObject) {
            commitNumber();
            key_ = std::move(k);
        }
        return true;
    }
    bool start_object(std::size_t) {
        if (depth_ == 0 && started_)
            return false;
        started_ = true;
        reject(); // an object is no value of ours
        ++depth_;
        return true;
    }
    bool end_object() {
        if (depth_ == inObject)
            commitNumber();
        --depth_;
        return true;
    }
    bool start_array(std::size_t) {
        if (depth_ == 0)
            return false;
        ++depth_;
        if (depth_ == inArray) {
            strings_.clear();
            arrayValid_ = true;
        } else {
            arrayValid_ = false; // nested arrays
        }
        return true;
    }
    bool end_array() {
        if (depth_ == inArray && arrayValid_)
            values_[key_] = Value{std::move(strings_)};
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        if (!endsInNumber())
            commitNumber();
        return false;
    }

private:
    static constexpr int inObject = 1;
    static constexpr int inArray = 2;

    bool scalar(Value v, bool isNumber = false) {
        if (depth_ == 0)
            return false;
        if (depth_ != inObject)
            arrayValid_ = false;
        else if (isNumber)
            number_ = std::move(v);
        else
            values_[key_] = std::move(v);
        return true;
    }
    bool endsInNumber() const {
        const auto isNumberChar = [](char c) {
            return std::strchr("0123456789.eE+-", c) != nullptr && c != 0;
        };
        auto start = input_.size();
        while (start > 0 && isNumberChar(input_[start - 1]))
            --start;
        return start < input_.size() &&
               (start == 0 || (input_[start - 1] != 0 && std::strchr(": \t\r\n,[", input_[start - 1])));
    }
    // Numbers wait for what follows them; see endsInNumber().
    void commitNumber() {
        if (number_)
            values_[key_] = std::move(*number_);
        number_.reset();
    }
    bool reject() {
        if (depth_ > inObject)
            arrayValid_ = false;
        return depth_ != 0;
    }

    std::string_view input_;
    Values values_;
    std::string key_;
    std::optional<Value> number_;
    std::vector<std::string> strings_;
    bool arrayValid_ = false;
    bool started_ = false;
    int depth_ = 0;
};

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
    if (!content && fs::exists(path_, ec)) {
        // Writing now would replace settings that are there but cannot be read.
        logger().error("cannot read {}; the change stays in memory", path_.string());
        change(values_);
        return;
    }
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
    SalvagingReader reader(json);
    Json::sax_parse(json.begin(), json.end(), &reader);
    return std::move(reader.values());
}

std::string FileUserDefaults::encode(const std::map<std::string, Value>& values) {
    Json object = Json::object();
    for (const auto& [key, value] : values)
        std::visit([&](const auto& v) { object[key] = v; }, value);
    // Invalid UTF-8 is replaced rather than thrown about: a setting is not worth a crash.
    return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zt
