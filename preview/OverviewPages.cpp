#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/DailyLimitCardView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitInformationView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitSettingsView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitView.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "ZTSwiftUIComponents/overview/RemainingForPeriodView.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightsView.h"
#include "ZTSwiftUIComponents/overview/YearlyProjectionsView.h"
#include "mocks/DemoClock.h"
#include "mocks/LoadedOverview.h"
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockSyncManager.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <memory>
#include <utility>

namespace zt::preview {

namespace {

Screen overviewPage(PageContext& context) {
    auto screen = std::make_shared<const NewOverviewScreen2024>(settled([&](ManualMainQueue& queue) {
        return makeLoadedOverviewScreen(galleryOverviewDatabase(), std::make_shared<MockSyncManager>(), queue,
                                        context.router);
    }));
    return [screen] { return screen->body(); };
}

Screen dailyLimitPage(PageContext&) {
    const auto [database, today] = settled([](ManualMainQueue&) {
        auto database = std::make_shared<MockOverviewDatabase>();
        auto today = std::make_shared<ReportTransactionList>();
        database->fetchTodayTransactions({}, [today](ReportTransactionList t) { *today = std::move(t); });
        return std::make_pair(database, today);
    });
    auto model = database->makeDailyLimitViewModel({}, *today);
    const auto card = std::make_shared<const DailyLimitCardView>(model);
    const auto detail = std::make_shared<const DailyLimitView>(model);
    const auto settings = std::make_shared<const DailyLimitSettingsView>(
        model->currencyFormatter(), model->automaticDailyBudget(), model->dailyLimit(),
        model->calculationType(), [weak = std::weak_ptr(model)](std::optional<double> limit) {
            if (const auto m = weak.lock())
                m->updateDailyLimit(limit);
        });
    return [database, model, card, detail, settings] {
        return ui::vstack(
            {card->body(), detail->body(), settings->body(), DailyLimitInformationView().body()});
    };
}

Screen remainingForPeriodPage(PageContext&) {
    const auto view = std::make_shared<const RemainingForPeriodView>(
        RemainingForPeriodCalculator::demo(), Environment::current().localeIdentifier());
    return [view] { return view->body(); };
}

TransactionConformableList demoSubscription() {
    // One repeating series: the monthly streaming plan. Other entertainment (cinema tickets) is
    // no part of it.
    TransactionConformableList occurrences;
    for (const auto& t : ReportTransaction::demo(mocks::demoNow()))
        if (t->payee() == "StreamBox")
            occurrences.push_back(t);
    return occurrences;
}

Screen subscriptionInsightsPage(PageContext&) {
    const auto view =
        std::make_shared<const SubscriptionInsightsView>(std::make_shared<SubscriptionInsightsCalculator>(
            demoSubscription(), Environment::current().localeIdentifier()));
    return [view] { return view->body(); };
}

Screen yearlyProjectionsPage(PageContext&) {
    TransactionConformableList transactions;
    for (const auto& t : ReportTransaction::demo(mocks::demoNow()))
        transactions.push_back(t);
    const int year = Calendar::current().component(CalendarComponent::year, mocks::demoNow());
    const auto view = std::make_shared<const YearlyProjectionsView>(
        std::make_shared<YearlyProjectionsCalculator>(std::move(transactions), year),
        Environment::current().localeIdentifier());
    return [view] { return view->body(); };
}

} // namespace

std::vector<Page> overviewPages() {
    return {
        {"overview", "Overview", overviewPage},
        {"daily-limit", "Daily limit: card, detail, settings and help", dailyLimitPage},
        {"remaining-for-period", "Remaining for period", remainingForPeriodPage},
        {"subscription-insights", "Subscription insights", subscriptionInsightsPage},
        {"yearly-projections", "Yearly projections", yearlyProjectionsPage},
    };
}

} // namespace zt::preview
