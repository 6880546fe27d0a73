#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zt::test {

/// A fresh folder under the system's temporary directory, removed with everything in it when the
/// object goes; with small helpers for the file tests.
class TemporaryDirectory {
public:
    explicit TemporaryDirectory(const std::string& prefix);
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    static void write(const std::filesystem::path& file, const std::string& content);
    static std::string read(const std::filesystem::path& file);
    /// The names of the folder's entries, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

} // namespace zt::test
