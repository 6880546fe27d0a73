#pragma once

#include "ZTSwiftUIComponents/overview/SyncManagerConformable.h"

#include <memory>

namespace zt {

/// The demo synchronisation: three progress messages a second apart on the main queue, then done
/// after three seconds. Start and finish times go to the console.
class MockSyncManager final : public SyncManagerConformable {
public:
    MockSyncManager();

    void sync(std::function<void()> completion) override;

private:
    // Steps still queued when the manager goes away must find out and do nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace zt
