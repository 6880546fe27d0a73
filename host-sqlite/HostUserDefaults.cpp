#include "HostUserDefaults.h"

namespace zt {

std::filesystem::path hostUserDefaultsPath(const std::filesystem::path& databasePath) {
    auto path = databasePath;
    path += "-defaults.json";
    return path;
}

std::shared_ptr<FileUserDefaults> openHostUserDefaults(const std::filesystem::path& databasePath) {
    return std::make_shared<FileUserDefaults>(hostUserDefaultsPath(databasePath));
}

} // namespace zt
