#include "FileKeyValueStore.h"

#include "AtomicFile.h"
#include "KeyValueFile.h"
#include "Logger.h"

#include <utility>

namespace zt {

namespace {

using Values = KeyValueFile::Values;

const Logger& keyValueStoreLogger() {
    static const Logger instance{"FileKeyValueStore"};
    return instance;
}

void apply(Values& values, const std::string& key, const KeyValueStore::Change& change) {
    const auto found = values.find(key);
    auto changed = change(found == values.end() ? std::nullopt : std::optional{found->second});
    if (changed)
        values.insert_or_assign(key, std::move(*changed));
    else
        values.erase(key);
}

} // namespace

FileKeyValueStore::FileKeyValueStore(std::filesystem::path file) : path_(std::move(file)) {
    synchronize();
}

std::optional<KeyValueStore::Value> FileKeyValueStore::object(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void FileKeyValueStore::set(const std::string& key, Value value) {
    update(key, [value = std::move(value)](const auto&) { return std::optional{value}; });
}

void FileKeyValueStore::removeObject(const std::string& key) {
    update(key, [](const auto&) { return std::optional<Value>{}; });
}

void FileKeyValueStore::update(const std::string& key, const Change& change) {
    apply(values_, key, change); // the local copy shows the change even when the write fails
    pending_.emplace_back(key, change);
    writePending();
}

bool FileKeyValueStore::writePending() {
    if (pending_.empty())
        return true;
    Values written;
    const bool replaced =
        AtomicFile(path_, keyValueStoreLogger()).update([&](const std::optional<std::string>& content) {
            auto contents = content ? KeyValueFile::decode(*content) : KeyValueFile::Contents{};
            written = std::move(contents.values);
            for (const auto& [key, change] : pending_)
                apply(written, key, change);
            return AtomicFile::Replacement{KeyValueFile::encode(written), !contents.complete};
        });
    if (!replaced) {
        keyValueStoreLogger().error("changes to {} are kept in memory until the next synchronize()",
                                    path_.string());
        return false;
    }
    values_ = std::move(written);
    pending_.clear();
    return true;
}

bool FileKeyValueStore::synchronize() {
    if (!writePending())
        return false;
    const auto content = AtomicFile(path_, keyValueStoreLogger()).read();
    std::error_code ec;
    if (!content && std::filesystem::exists(path_, ec)) {
        keyValueStoreLogger().error("cannot read {}", path_.string());
        return false;
    }
    auto contents = content ? KeyValueFile::decode(*content) : KeyValueFile::Contents{};
    if (!contents.complete && !damageLogged_) // once, not on every exchange with the same file
        keyValueStoreLogger().error(
            "{} is damaged; reading what is intact, and keeping it aside before the next write",
            path_.string());
    damageLogged_ = !contents.complete;
    values_ = std::move(contents.values);
    return true;
}

} // namespace zt
