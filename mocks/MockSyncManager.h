#pragma once

#include "ZTSwiftUIComponents/overview/SyncManagerConformable.h"

#include <memory>

namespace zt {

/// The demo synchronisation: three progress messages a second apart on the main queue, then done
/// after three seconds. Start and finish times go to the console.
/// Steps still queued when the manager goes away do nothing; the completion is called all the same.
class MockSyncManager final : public SyncManagerConformable {
public:
    MockSyncManager();

    void sync(std::function<void()> completion) override;

private:
    // The queued steps reach the manager only through this, however the manager is owned.
    std::shared_ptr<MockSyncManager*> self_ = std::make_shared<MockSyncManager*>(this);
};

} // namespace zt
