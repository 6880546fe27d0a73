#include "NewOverviewDataStore.h"

#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/WeakCallback.h"

#include <array>
#include <set>
#include <utility>

namespace zt {

/// One run of reload(database:). It holds the database it was given and the store only weakly,
/// so a pending load never keeps a store alive; once the store is gone the remaining steps are
/// skipped. Every result is kept here, never in the store, so overlapping reloads cannot mix.
class NewOverviewDataStore::ReloadJob : public std::enable_shared_from_this<ReloadJob> {
public:
    ReloadJob(std::weak_ptr<NewOverviewDataStore> store, std::shared_ptr<OverviewDatabase> database,
              std::function<void()> completion)
        : store_(std::move(store)), database_(std::move(database)), completion_(std::move(completion)) {}

    void start() {
        if (!database_ || store_.expired())
            return finish();
        // The four first fetches run at once.
        database_->fetchGoals(keep(goalsSlot, &ReloadJob::goals_, &ReloadJob::firstGroupArrived));
        database_->fetchAccounts(keep(accountsSlot, &ReloadJob::accounts_, &ReloadJob::firstGroupArrived));
        database_->reloadSummaryCardItems(
            keep(summariesSlot, &ReloadJob::summaryCardItems_, &ReloadJob::firstGroupArrived));
        database_->fetchTopCategories(
            keep(topCategoriesSlot, &ReloadJob::topCategories_, &ReloadJob::firstGroupArrived));
    }

private:
    // One slot per awaited result, in the order they are asked for.
    enum Slot : std::size_t {
        goalsSlot,
        accountsSlot,
        summariesSlot,
        topCategoriesSlot,
        overviewAccountsSlot,
        todayTransactionsSlot,
        slotCount
    };
    static constexpr int firstGroupSize = 4;

    /// The completion of one fetch: keeps the answer in member and goes on with next, the first
    /// time only, should a host call back twice.
    template <class T>
    std::function<void(T)> keep(Slot slot, T ReloadJob::*member, void (ReloadJob::*next)()) {
        return [self = shared_from_this(), slot, member, next](T value) {
            if (std::exchange(self->arrived_[slot], true))
                return;
            (*self).*member = std::move(value);
            ((*self).*next)();
        };
    }

    void firstGroupArrived() {
        if (++firstGroupCount_ < firstGroupSize)
            return;
        if (store_.expired())
            return finish();
        database_->fetchAccountsInOverview(
            keep(overviewAccountsSlot, &ReloadJob::accountsInOverview_, &ReloadJob::overviewAccountsArrived));
    }

    void overviewAccountsArrived() {
        if (store_.expired())
            return finish();
        database_->calculateNetWorth();
        for (const auto& account : accountsInOverview_)
            overviewAccountIds_.insert(account.id);
        database_->fetchTodayTransactions(
            overviewAccountIds_,
            keep(todayTransactionsSlot, &ReloadJob::todayTransactions_, &ReloadJob::publish));
    }

    void publish() {
        if (auto store = store_.lock()) {
            // Every value is in place before the first announcement, so an observer that reads
            // the other lists never sees this load mixed with an earlier one.
            store->goals.assign(std::move(goals_));
            store->accounts.assign(std::move(accounts_));
            store->accountsInOverview.assign(std::move(accountsInOverview_));
            store->topCategories.assign(std::move(topCategories_));
            store->summaryCardItems.assign(std::move(summaryCardItems_));
            store->dailyLimitViewModel.assign(
                database_->makeDailyLimitViewModel(overviewAccountIds_, todayTransactions_));

            store->goals.notify();
            console("Accounts inside NewOverviewDataStore reload(database:) = " +
                    std::to_string(store->accounts().size()));
            store->accounts.notify();
            store->accountsInOverview.notify();
            store->topCategories.notify();
            store->summaryCardItems.notify();
            store->dailyLimitViewModel.notify();
        }
        finish();
    }

    void finish() {
        if (auto completion = std::exchange(completion_, {}))
            completion();
    }

    std::weak_ptr<NewOverviewDataStore> store_;
    std::shared_ptr<OverviewDatabase> database_;
    std::function<void()> completion_;

    std::array<bool, slotCount> arrived_{};
    int firstGroupCount_ = 0;
    std::vector<WidgetGoal> goals_;
    std::vector<WidgetAccount> accounts_;
    SummaryCardItems summaryCardItems_;
    std::vector<TopCategory> topCategories_;
    std::vector<WidgetAccount> accountsInOverview_;
    std::set<std::string> overviewAccountIds_;
    ReportTransactionList todayTransactions_;
};

std::shared_ptr<NewOverviewDataStore> NewOverviewDataStore::create(
    std::shared_ptr<OverviewDatabase> database, std::vector<OverviewItemType> visibleCards,
    Date referenceDate, DateInterval currentPeriod, int totalNrOverviewCards, NumberFormatter formatter) {
    auto store =
        std::make_shared<NewOverviewDataStore>(Token{}, database, std::move(visibleCards), referenceDate,
                                               currentPeriod, totalNrOverviewCards, std::move(formatter));
    MainQueue::main().async(weakCallback(store, [database](NewOverviewDataStore& self) {
        self.reload(database, weakCallback(self.weak_from_this(), [](NewOverviewDataStore& loaded) {
                        loaded.isLoading.set(false);
                    }));
    }));
    if (database)
        store->installDatabaseCallbacks(database);
    return store;
}

NewOverviewDataStore::NewOverviewDataStore(Token, std::shared_ptr<OverviewDatabase> database,
                                           std::vector<OverviewItemType> visibleCards, Date referenceDate,
                                           DateInterval currentPeriod, int totalNrOverviewCards,
                                           NumberFormatter formatter)
    : visibleCards(*this, std::move(visibleCards)), formatter(*this, std::move(formatter)),
      currentDate(*this, referenceDate), currentPeriod(*this, currentPeriod),
      database(*this, std::move(database)), totalNrOverviewCards_(totalNrOverviewCards) {
    setCurrentPeriod(currentPeriod);
    applyMonthValues(referenceDate);
}

void NewOverviewDataStore::installDatabaseCallbacks(const std::shared_ptr<OverviewDatabase>& database) {
    // Both hold the store and the database weakly: the database owns these callbacks, and the
    // store owns the database.
    const std::weak_ptr<OverviewDatabase> weakDatabase = database;
    database->onDataChanged = weakCallback(weak_from_this(), [weakDatabase](NewOverviewDataStore& self) {
        MainQueue::main().async(
            weakCallback(self.weak_from_this(), [weakDatabase](NewOverviewDataStore& store) {
                if (const auto database = weakDatabase.lock())
                    store.reload(database);
            }));
    });
    database->onSettingsChanged = weakCallback(
        weak_from_this(), [weakDatabase](NewOverviewDataStore& self, const DateInterval& period) {
            MainQueue::main().async(
                weakCallback(self.weak_from_this(), [weakDatabase, period](NewOverviewDataStore& store) {
                    store.setCurrentPeriod(period);
                    if (const auto database = weakDatabase.lock())
                        store.reload(database);
                }));
        });
}

std::vector<Shortcut> NewOverviewDataStore::shortcuts() const {
    const auto& db = database();
    return db ? db->shortcuts() : std::vector<Shortcut>{};
}

std::vector<WidgetAccount> NewOverviewDataStore::onlineAccounts() const {
    std::vector<WidgetAccount> out;
    for (const auto& account : accounts())
        if (account.isOnlineBanking)
            out.push_back(account);
    return out;
}

void NewOverviewDataStore::reload(std::shared_ptr<OverviewDatabase> database,
                                  std::function<void()> completion) {
    std::make_shared<ReloadJob>(weak_from_this(), std::move(database), std::move(completion))->start();
}

void NewOverviewDataStore::update(std::vector<OverviewItemType> cards) {
    visibleCards.set(std::move(cards));
}

void NewOverviewDataStore::update(NumberFormatter newFormatter) {
    formatter.set(std::move(newFormatter));
    startReload(database());
}

void NewOverviewDataStore::updateReferenceDate(Date date) {
    currentDate.set(date);
    applyMonthValues(date);
    startReload(database());
}

void NewOverviewDataStore::setCurrentPeriod(DateInterval period) {
    currentPeriod.set(period);
    const Calendar calendar = Calendar::current();
    const auto dayAfterEnd = calendar.adding(CalendarComponent::day, 1, period.end);
    payDate.set(dayAfterEnd ? *dayAfterEnd : calendar.endOfMonth(Environment::current().now()));
    formattedPeriod.set(dateIntervalFormatter_.string(period));
}

void NewOverviewDataStore::applyMonthValues(Date date) {
    const Calendar calendar = Calendar::current();
    currentMonth.set(DateInterval{calendar.startOfMonth(date), calendar.endOfMonth(date)});
    formattedCurrentMonth.set(dateIntervalFormatter_.string(currentMonth()));
}

void NewOverviewDataStore::startReload(std::shared_ptr<OverviewDatabase> database) {
    MainQueue::main().async(
        weakCallback(weak_from_this(), [database = std::move(database)](NewOverviewDataStore& self) {
            self.reload(database);
        }));
}

} // namespace zt
