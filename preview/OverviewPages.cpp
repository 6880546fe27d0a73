#include "Gallery.h"
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
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockSyncManager.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

namespace zt::preview {

namespace {

ManualMainQueue& demoQueue() {
    return dynamic_cast<ManualMainQueue&>(MainQueue::main());
}

ui::View overviewPage() {
    auto screen = makeLoadedOverviewScreen(std::make_shared<MockOverviewDatabase>(),
                                           std::make_shared<MockSyncManager>(), demoQueue());
    return screen.body();
}

std::shared_ptr<DailyLimitViewModel> demoDailyLimit() {
    auto database = std::make_shared<MockOverviewDatabase>();
    ReportTransactionList today;
    database->fetchTodayTransactions({}, [&](ReportTransactionList t) { today = std::move(t); });
    demoQueue().drain();
    return database->makeDailyLimitViewModel({}, today);
}

ui::View dailyLimitPage() {
    const auto viewModel = demoDailyLimit();
    return ui::vstack({DailyLimitCardView(viewModel).body(), DailyLimitView(viewModel).body(),
                       DailyLimitSettingsView(
                           viewModel->currencyFormatter(), viewModel->automaticDailyBudget(),
                           viewModel->dailyLimit(), viewModel->calculationType(),
                           [viewModel](std::optional<double> limit) { viewModel->updateDailyLimit(limit); })
                           .body(),
                       DailyLimitInformationView().body()});
}

ui::View remainingForPeriodPage() {
    return RemainingForPeriodView(RemainingForPeriodCalculator::demo(),
                                  Environment::current().localeIdentifier())
        .body();
}

TransactionConformableList demoSubscription() {
    // The monthly streaming payments of the demo year stand for one subscription.
    TransactionConformableList occurrences;
    for (const auto& t : ReportTransaction::demo(mocks::demoNow()))
        if (t->categoryName() == "Entertainment")
            occurrences.push_back(t);
    return occurrences;
}

ui::View subscriptionInsightsPage() {
    auto calculator = std::make_shared<SubscriptionInsightsCalculator>(
        demoSubscription(), Environment::current().localeIdentifier());
    return SubscriptionInsightsView(calculator).body();
}

ui::View yearlyProjectionsPage() {
    TransactionConformableList transactions;
    for (const auto& t : ReportTransaction::demo(mocks::demoNow()))
        transactions.push_back(t);
    const int year = Calendar::current().component(CalendarComponent::year, mocks::demoNow());
    auto calculator = std::make_shared<YearlyProjectionsCalculator>(std::move(transactions), year);
    return YearlyProjectionsView(calculator, Environment::current().localeIdentifier()).body();
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
