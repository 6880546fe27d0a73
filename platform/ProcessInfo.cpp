#include "ProcessInfo.h"

#include <algorithm>

namespace zt {

ProcessInfo& ProcessInfo::processInfo() {
    static ProcessInfo info;
    return info;
}

void ProcessInfo::setArguments(int argc, const char* const* argv) {
    arguments_.assign(argv, argv + std::max(argc, 0));
}

bool ProcessInfo::hasArgument(const std::string& argument) const {
    return std::ranges::find(arguments_, argument) != arguments_.end();
}

} // namespace zt
