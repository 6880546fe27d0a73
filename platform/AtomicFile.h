#pragma once

#include "platform/Logger.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zt {

/// A file that is only ever replaced as a whole, so that a crash at any moment leaves either the
/// old content or the new one, never a mix.
///
/// A writer takes an exclusive lock on the file's directory (cooperating writers queue), reads
/// the current content, writes the new content to a hidden temporary sibling
/// (".<name>.tmp-XXXXXX"), syncs it, renames it over the file and syncs the directory so the
/// rename itself is durable. Temporary files that crashed writers left behind are removed under
/// the lock. Failures are logged through the logger given at construction and reported as false.
class AtomicFile {
public:
    AtomicFile(std::filesystem::path path, Logger logger);

    const std::filesystem::path& path() const { return path_; }

    /// The whole content; nothing when the file does not exist or cannot be read.
    std::optional<std::string> read() const;

    /// What replaces the file. With keepCurrentAside the current file is first kept as
    /// "<name>.damaged-<UTC time>" next to it, and an error logged: for content that could not be
    /// read completely, which the new content would otherwise destroy.
    struct Replacement {
        std::string content;
        bool keepCurrentAside = false;
    };

    /// Computes the replacement from the current content (nothing for a file that does not exist
    /// yet) and replaces the file with it, all under the directory lock, so concurrent writers
    /// never lose each other's changes. A file that exists but cannot be read is left alone
    /// (replacing it would destroy what it holds), and so is everything when the lock cannot be
    /// taken or the current file cannot be kept aside. Returns whether the file was replaced.
    using Transform = std::function<Replacement(const std::optional<std::string>& current)>;
    bool update(const Transform& transform) const;

    /// Tests that write many files: without syncing, a power loss could lose what was written,
    /// but a killed process still leaves the old content or the new one. On by default.
    static void setSyncForTesting(bool on);

    /// Crash tests: called with the temporary file's path once it is complete and synced, just
    /// before it replaces the file. Empty by default; one hook for the whole process.
    using BeforeReplaceHook = std::function<void(const std::filesystem::path& temporary)>;
    static void setBeforeReplaceHookForTesting(BeforeReplaceHook hook);

private:
    std::filesystem::path path_;
    Logger logger_;
};

} // namespace zt
