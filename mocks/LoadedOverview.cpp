#include "LoadedOverview.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <vector>

namespace zt {

NewOverviewScreen2024 makeLoadedOverviewScreen(std::shared_ptr<OverviewDatabase> database,
                                               std::shared_ptr<SyncManagerConformable> syncManager,
                                               ManualMainQueue& queue, NavigationRouter& router) {
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    const auto cards = allCases<OverviewItemType>();
    auto store =
        NewOverviewDataStore::create(database, std::vector<OverviewItemType>(cards.begin(), cards.end()), now,
                                     DateInterval{calendar.startOfMonth(now), calendar.endOfMonth(now)},
                                     static_cast<int>(cards.size()), makeAppBasedCurrencyFormatter());
    while (store->isLoading() && queue.runUntilIdle() > 0) {
    }
    return NewOverviewScreen2024(std::move(store), std::move(database), std::move(syncManager), router,
                                 std::make_shared<NewOverviewScreen2024::NavigationPath>());
}

} // namespace zt
