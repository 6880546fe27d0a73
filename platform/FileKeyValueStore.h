#pragma once

#include "platform/KeyValueStore.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zt {

/// A key-value store kept in one file (KeyValueFile), for the preview and for hosts without a
/// cloud store.
///
/// Reads come from the local copy. Every change re-reads the file, applies itself to what the
/// file holds and replaces the whole file atomically (AtomicFile), so a crash at any moment
/// leaves the file with the old value or the new one, never a torn one, and two instances on one
/// file keep each other's keys. synchronize() takes in what other instances wrote.
///
/// A damaged file gives every value and array element whose bytes are intact; before a write
/// replaces a file that could not be read completely, the file is kept aside (AtomicFile) and an
/// error logged. When a write fails (the file cannot be read or replaced) it is logged, the
/// change shows in the local copy and stays pending; synchronize() and later changes retry it,
/// applying it to what the file holds by then.
class FileKeyValueStore : public KeyValueStore {
public:
    explicit FileKeyValueStore(std::filesystem::path file);

    const std::filesystem::path& path() const { return path_; }

    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    void update(const std::string& key, const Change& change) override;
    /// Writes changes whose write failed, then re-reads the file. False when either fails.
    bool synchronize() override;

private:
    bool writePending();

    std::filesystem::path path_;
    std::map<std::string, Value> values_;
    std::vector<std::pair<std::string, Change>> pending_;
    bool damageLogged_ = false;
};

} // namespace zt
