#pragma once

#include "platform/FileUserDefaults.h"

#include <filesystem>
#include <memory>

namespace zt {

/// The user defaults of a host database file: a JSON file beside it (the database's name with
/// "-defaults.json" appended), so that copying or deleting the pair keeps the two together.
std::filesystem::path hostUserDefaultsPath(const std::filesystem::path& databasePath);

/// The user defaults beside databasePath, read now; a missing file reads as empty.
std::shared_ptr<FileUserDefaults> openHostUserDefaults(const std::filesystem::path& databasePath);

} // namespace zt
