#include "ResourceDirectory.h"

#include "platform/DataDirectories.h"

#include <cstdlib>
#include <mutex>

namespace zt {

namespace {

std::mutex& lock() {
    static std::mutex m;
    return m;
}

std::string& configured() {
    static std::string path;
    return path;
}

} // namespace

void setResourceDirectory(std::string path) {
    std::lock_guard guard(lock());
    configured() = std::move(path);
}

std::string resourceDirectory() {
    {
        std::lock_guard guard(lock());
        if (!configured().empty())
            return configured();
    }
    if (const char* fromEnvironment = std::getenv("ZT_RESOURCE_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return defaultDataDirectories().resources;
}

} // namespace zt
