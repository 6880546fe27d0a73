#pragma once

#include "platform/Published.h"

#include <functional>
#include <string>

namespace zt {

/// The host's background synchronisation as the overview sees it: pull-to-refresh calls sync(),
/// the refresh indicator shows the published state.
class SyncManagerConformable : public ObservableObject {
public:
    /// The user has switched synchronisation on; the host keeps it, the overview does not read it.
    Published<bool> isSyncEnabled{*this, false};
    /// A synchronisation is running; the overview then shows refreshMessage and progress.
    Published<bool> isSyncing{*this, false};
    /// Shown while syncing.
    Published<std::string> refreshMessage{*this};
    /// 0 to 1.
    Published<double> progress{*this, 0.0};

    /// Runs one synchronisation; the completion is called on the main queue when it has finished.
    virtual void sync(std::function<void()> completion) = 0;
};

} // namespace zt
