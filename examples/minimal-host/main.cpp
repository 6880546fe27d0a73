// A minimal host: its own ledger behind the overview database, the overview screen built over it
// and printed once as text. The locale comes from LANG (LANG=de_DE.UTF-8 prints German).
#include "LedgerOverviewDatabase.h"
#include "ZTSwiftUIComponents/Version.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "mocks/MockSyncManager.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ui/TextRenderer.h"

#include <iostream>
#include <memory>

int main() {
    // A real app hands the library a queue over its run loop; a command-line host drives one itself.
    const auto queue = std::make_shared<zt::ManualMainQueue>();
    const zt::Environment::Override environment({.mainQueue = queue});
    const zt::Date now = zt::Environment::current().now();
    const zt::Calendar calendar = zt::Environment::current().calendar();

    auto database = std::make_shared<minimal::LedgerOverviewDatabase>(minimal::sampleLedger(now));
    const std::vector<zt::OverviewItemType> cards{
        zt::OverviewItemType::daysUntilPayday, zt::OverviewItemType::dailyLimit,
        zt::OverviewItemType::topCategories,   zt::OverviewItemType::netWorth,
        zt::OverviewItemType::accounts,
    };
    auto store = zt::NewOverviewDataStore::create(
        database, cards, now,
        zt::DateInterval{zt::startOfMonth(now, calendar), zt::endOfMonth(now, calendar)},
        static_cast<int>(zt::allCases<zt::OverviewItemType>().size()), zt::makeAppBasedCurrencyFormatter());

    zt::NavigationRouter router;
    const zt::NewOverviewScreen2024 screen(store, database, std::make_shared<zt::MockSyncManager>(), router,
                                           std::make_shared<zt::NewOverviewScreen2024::NavigationPath>());
    while (store->isLoading() && queue->runUntilIdle() > 0) {
    }
    if (store->isLoading()) {
        std::cerr << "minimal-host: the overview never finished loading\n";
        return 1;
    }
    std::cout << "ZTSwiftUIComponents " << zt::libraryVersion << ", locale "
              << zt::Environment::current().localeIdentifier() << "\n"
              << zt::ui::TextRenderer::render(screen.body());
    return 0;
}
