#pragma once

#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"
#include "ZTSwiftUIComponents/overview/SyncManagerConformable.h"
#include "platform/MainQueue.h"

#include <memory>

namespace zt {

/// The overview on a database after its first load, as the gallery, the tests and the benchmarks
/// show it: every card visible, the current period the month of the environment's now, the
/// application-currency formatter. The load is run to its end on queue, which must be the
/// environment's main queue.
NewOverviewScreen2024 makeLoadedOverviewScreen(std::shared_ptr<OverviewDatabase> database,
                                               std::shared_ptr<SyncManagerConformable> syncManager,
                                               ManualMainQueue& queue,
                                               NavigationRouter& router = NavigationRouter::shared());

} // namespace zt
