#pragma once

#include "platform/KeyValueStore.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// A key-value store kept in one file, for the preview and for hosts without a cloud store.
///
/// Reads come from the local copy. Every set or remove re-reads the file, applies the change and
/// replaces the whole file atomically (AtomicFile), so a crash at any moment leaves the file
/// with the old value or the new one, never a torn one, and two instances on one file keep each
/// other's keys. synchronize() takes in what other instances wrote.
///
/// The file is CBOR (RFC 8949): one map from keys to values, byte strings as CBOR byte strings.
/// A damaged file keeps the entries that precede the damage; a value of a kind this store does
/// not hold (null, maps, arrays inside arrays, integers beyond 64 bits) reads as absent. When a
/// write fails it is logged and the change stays in the local copy; synchronize() retries it.
class FileKeyValueStore : public KeyValueStore {
public:
    explicit FileKeyValueStore(std::filesystem::path file);

    const std::filesystem::path& path() const { return path_; }

    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    /// Writes changes whose write failed, then re-reads the file. False when either fails.
    bool synchronize() override;

    /// The readable entries of a stored file.
    static std::map<std::string, Value> decode(std::string_view bytes);
    static std::string encode(const std::map<std::string, Value>& values);

private:
    /// A value, or nothing for a removal.
    using Changes = std::map<std::string, std::optional<Value>>;
    void change(const std::string& key, std::optional<Value> value);
    bool writePending();

    std::filesystem::path path_;
    std::map<std::string, Value> values_;
    Changes pending_;
};

} // namespace zt
