#pragma once

#include "platform/Published.h"

#include <functional>
#include <string>

namespace zt {

/// The host's background synchronisation as the overview sees it: pull-to-refresh calls sync(),
/// the refresh indicator shows the published state.
class SyncManagerConformable {
public:
    SyncManagerConformable() = default;
    SyncManagerConformable(const SyncManagerConformable&) = delete;
    SyncManagerConformable& operator=(const SyncManagerConformable&) = delete;
    virtual ~SyncManagerConformable() = default;

    Published<bool> isSyncEnabled{false};
    Published<bool> isSyncing{false};
    /// Shown while syncing.
    Published<std::string> refreshMessage{std::string{}};
    /// 0 to 1.
    Published<double> progress{0.0};

    /// Runs one synchronisation; the completion is called on the main queue when it has finished.
    virtual void sync(std::function<void()> completion) = 0;
};

} // namespace zt
