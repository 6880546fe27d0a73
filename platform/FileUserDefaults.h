#pragma once

#include "platform/UserDefaults.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// User defaults kept in a JSON object file, for the preview and hosts. Reads come from memory;
/// every set or remove re-reads the file, applies itself to what the file holds, and replaces the
/// whole file atomically (AtomicFile), all under a lock on the directory. A crash therefore
/// leaves the old file or the new one, and two instances on one file keep each other's keys.
///
/// A missing file reads as empty defaults; a damaged one keeps what entries are readable (a file
/// cut short keeps those before the cut), and is kept aside, with an error logged, before a write
/// replaces it. A failed write, or a file that exists but cannot be read, is logged and the
/// change shows in memory and stays pending: the next write or reload() applies it to what the
/// file holds by then. Doubles that are not finite have no JSON form: they are not written.
class FileUserDefaults : public InMemoryUserDefaults {
public:
    explicit FileUserDefaults(std::filesystem::path file);

    const std::filesystem::path& path() const { return path_; }

    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    using UserDefaults::set;

    /// Writes pending changes, then reads the file again, taking in what other instances wrote.
    void reload();

    struct Contents {
        std::map<std::string, Value> values;
        /// False when some of the text was damaged or held values of other kinds (null, objects,
        /// mixed arrays, integers beyond 64 bits): writing the values back would lose them.
        bool complete = true;
    };
    /// The readable entries of a stored file.
    static Contents decode(std::string_view json);
    static std::string encode(const std::map<std::string, Value>& values);

private:
    using Change = std::function<void(std::map<std::string, Value>&)>;
    void update(Change change);
    bool writePending();

    std::filesystem::path path_;
    std::vector<Change> pending_;
};

} // namespace zt
