#include "NewOverviewDataStore.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

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
        // The four first fetches run at once; each result is taken only the first time a host
        // calls back.
        auto self = shared_from_this();
        database_->fetchGoals([self](std::vector<WidgetGoal> goals) {
            if (self->arrive(goalsSlot)) {
                self->goals_ = std::move(goals);
                self->firstGroupArrived();
            }
        });
        database_->fetchAccounts([self](std::vector<WidgetAccount> accounts) {
            if (self->arrive(accountsSlot)) {
                self->accounts_ = std::move(accounts);
                self->firstGroupArrived();
            }
        });
        database_->reloadSummaryCardItems([self](SummaryCardItems items) {
            if (self->arrive(summariesSlot)) {
                self->summaryCardItems_ = std::move(items);
                self->firstGroupArrived();
            }
        });
        database_->fetchTopCategories([self](std::vector<TopCategory> categories) {
            if (self->arrive(topCategoriesSlot)) {
                self->topCategories_ = std::move(categories);
                self->firstGroupArrived();
            }
        });
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

    bool arrive(std::size_t slot) { return !std::exchange(arrived_[slot], true); }

    void firstGroupArrived() {
        if (++firstGroupCount_ < firstGroupSize)
            return;
        if (store_.expired())
            return finish();
        auto self = shared_from_this();
        database_->fetchAccountsInOverview([self](std::vector<WidgetAccount> accounts) {
            if (!self->arrive(overviewAccountsSlot))
                return;
            self->accountsInOverview_ = std::move(accounts);
            self->overviewAccountsArrived();
        });
    }

    void overviewAccountsArrived() {
        if (store_.expired())
            return finish();
        database_->calculateNetWorth();
        for (const auto& account : accountsInOverview_)
            overviewAccountIds_.insert(account.id);
        auto self = shared_from_this();
        database_->fetchTodayTransactions(overviewAccountIds_, [self](ReportTransactionList transactions) {
            if (!self->arrive(todayTransactionsSlot))
                return;
            self->todayTransactions_ = std::move(transactions);
            self->publish();
        });
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
    std::weak_ptr<NewOverviewDataStore> weak = store;
    MainQueue::main().async([weak, database] {
        if (auto self = weak.lock())
            self->reload(database, [weak] {
                if (auto self = weak.lock())
                    self->isLoading.set(false);
            });
    });
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
    std::weak_ptr<NewOverviewDataStore> weak = weak_from_this();
    std::weak_ptr<OverviewDatabase> weakDatabase = database;
    database->onDataChanged = [weak, weakDatabase] {
        if (weak.expired())
            return;
        MainQueue::main().async([weak, weakDatabase] {
            auto self = weak.lock();
            auto database = weakDatabase.lock();
            if (self && database)
                self->reload(database);
        });
    };
    database->onSettingsChanged = [weak, weakDatabase](const DateInterval& period) {
        if (weak.expired())
            return;
        MainQueue::main().async([weak, weakDatabase, period] {
            auto self = weak.lock();
            if (!self)
                return;
            self->setCurrentPeriod(period);
            if (auto database = weakDatabase.lock())
                self->reload(database);
        });
    };
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
    payDate.set(dayAfterEnd ? *dayAfterEnd : endOfMonth(Environment::current().now(), calendar));
    formattedPeriod.set(dateIntervalFormatter_.string(period));
}

void NewOverviewDataStore::applyMonthValues(Date date) {
    const Calendar calendar = Calendar::current();
    currentMonth.set(DateInterval{startOfMonth(date, calendar), endOfMonth(date, calendar)});
    formattedCurrentMonth.set(dateIntervalFormatter_.string(currentMonth()));
}

void NewOverviewDataStore::startReload(std::shared_ptr<OverviewDatabase> database) {
    std::weak_ptr<NewOverviewDataStore> weak = weak_from_this();
    MainQueue::main().async([weak, database = std::move(database)] {
        if (auto self = weak.lock())
            self->reload(database);
    });
}

} // namespace zt
