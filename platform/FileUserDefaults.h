#pragma once

#include "platform/UserDefaults.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace zt {

/// User defaults kept in a JSON object file, for the preview and hosts. Reads come from memory;
/// every set or remove re-reads the file, applies the one change, and replaces the whole file
/// atomically (temporary file in the same directory, fsync, rename, fsync of the directory),
/// all under a lock on the directory. A crash therefore leaves the old file or the new one, and
/// two instances on one file keep each other's keys.
///
/// A missing file reads as empty defaults; a damaged one keeps what entries are readable (a file
/// cut short keeps those before the cut). A failed write, or a file that exists but cannot be
/// read, is logged and the change stays in memory. Doubles that are not finite cannot be stored
/// in JSON and read back as missing.
class FileUserDefaults : public InMemoryUserDefaults {
public:
    explicit FileUserDefaults(std::filesystem::path file);

    const std::filesystem::path& path() const { return path_; }

    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    using UserDefaults::set;

    /// Reads the file again, taking in what other instances wrote.
    void reload();

    /// The readable entries of a stored file.
    static std::map<std::string, Value> decode(std::string_view json);
    static std::string encode(const std::map<std::string, Value>& values);

private:
    using Change = std::function<void(std::map<std::string, Value>&)>;
    void update(const Change& change);

    std::filesystem::path path_;
};

} // namespace zt
