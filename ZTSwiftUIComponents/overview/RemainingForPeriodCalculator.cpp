#include "RemainingForPeriodCalculator.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "platform/Environment.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

RemainingForPeriodCalculator::RemainingForPeriodCalculator(ReportTransactionList items_,
                                                           int currentPeriodInterval,
                                                           int previousPeriodInterval,
                                                           const Calendar& calendar)
    : items(std::move(items_)), currentPeriodInterval_(currentPeriodInterval),
      previousPeriodInterval_(previousPeriodInterval) {
    const auto& all = items();
    // One pass over the transactions: with tens of thousands of them, touching each record once
    // is what keeps the screen inside a frame.
    CategoryGrouping expenseGroups;
    CategoryGrouping incomeGroups;
    runningSeries_.reserve(all.size());
    double currentIncome = 0, currentExpense = 0, previousIncome = 0, previousExpense = 0;
    double running = 0;
    for (const auto& t : all) {
        const double amount = t->amount();
        const Date date = t->date();
        const int year = t->year(calendar);
        if (t->isExpense()) {
            expensesThisPeriod_.push_back(t);
            expenseGroups.add(*t);
            if (year == currentPeriodInterval_)
                currentExpense += amount;
            if (year == previousPeriodInterval_)
                previousExpense += amount;
            running += amount;
        } else {
            incomesThisPeriod_.push_back(t);
            incomeGroups.add(*t);
            if (year == currentPeriodInterval_)
                currentIncome += amount;
            if (year == previousPeriodInterval_)
                previousIncome += amount;
            running -= amount;
        }
        runningSeries_.push_back(RunningTotalPoint{date, running});
    }
    periodSummary_ = currentIncome - currentExpense;
    // The previous year is measured exactly like the current one: a fixed figure would make the
    // difference meaningless for anyone's real data.
    previousPeriodSummary_ = previousIncome - previousExpense;
    isDifferencePositive_ = difference() > 0;
    differenceColor_ = isDifferencePositive_ ? positiveAmountColor : negativeAmountColor;
    expenseCategorySummaries_ = categorySummaries(expenseGroups);
    incomeCategorySummaries_ = categorySummaries(incomeGroups);
}

void RemainingForPeriodCalculator::rebuildDerived(const ReportTransactionList& newItems) {
    expenseCategorySummaries_ = categorySummaries(expensesThisPeriod_);
    incomeCategorySummaries_ = categorySummaries(incomesThisPeriod_);
    runningSeries_.clear();
    double running = 0;
    for (const auto& t : newItems) {
        running += t->isExpense() ? t->amount() : -t->amount();
        runningSeries_.push_back(RunningTotalPoint{t->date(), running});
    }
}

void RemainingForPeriodCalculator::deleteTransaction(const std::shared_ptr<ReportTransaction>& transaction) {
    // Hold the transaction: the caller's handle may be one of the elements being erased.
    const std::shared_ptr<ReportTransaction> doomed = transaction;
    const auto same = [&](const std::shared_ptr<ReportTransaction>& t) { return t == doomed; };
    std::erase_if(expensesThisPeriod_, same);
    std::erase_if(incomesThisPeriod_, same);
    ReportTransactionList remaining = items();
    std::erase_if(remaining, same);
    // Observers of items read the other lists and the series: bring those up to date first.
    rebuildDerived(remaining);
    items.set(std::move(remaining));
}

namespace {

struct DemoEntry {
    std::string_view categoryId;
    std::string_view subcategoryId; // empty: no subcategory
    std::string_view payee;
    double amount;
    bool isExpense;
};

// The demo period's money: three incomes against rent, four utilities, everyday spending and
// four subscriptions, in the order they are booked through the year.
constexpr DemoEntry demoEntries[] = {
    {"cat-salary", "", "Employer", 5500, false},
    {"cat-housing", "sub-rent", "Landlord", 2400, true},
    {"cat-utilities", "sub-electricity", "City Power", 85, true},
    {"cat-utilities", "sub-internet", "FiberNet", 75, true},
    {"cat-groceries", "sub-supermarket", "Market Hall", 320, true},
    {"cat-entertainment", "sub-streaming", "Video Streaming", 15.99, true},
    {"cat-utilities", "sub-water", "Water Works", 45, true},
    {"cat-restaurants", "sub-dinner", "Trattoria", 140, true},
    {"cat-freelance", "sub-consulting", "Client Project", 1200, false},
    {"cat-entertainment", "sub-streaming", "Music Streaming", 9.99, true},
    {"cat-transport", "sub-public-transport", "Transit Pass", 110, true},
    {"cat-utilities", "", "Mobile Phone", 60, true},
    {"cat-entertainment", "sub-cinema", "Cinema", 60, true},
    {"cat-entertainment", "sub-streaming", "Cloud Storage", 2.99, true},
    {"cat-shopping", "sub-clothes", "Outfitters", 180, true},
    {"cat-interest", "", "Savings Interest", 300, false},
    {"cat-health", "sub-pharmacy", "Pharmacy", 50, true},
    {"cat-entertainment", "sub-streaming", "News Subscription", 12.99, true},
};

} // namespace

ReportTransactionList RemainingForPeriodCalculator::demoTransactions() {
    const Environment& env = Environment::current();
    const Calendar calendar = env.calendar();
    const Date now = env.now();
    const int year = calendar.component(CalendarComponent::year, now);
    const Date start = calendar.date(year, 1, 1).value_or(now);
    constexpr std::size_t count = std::size(demoEntries);
    // Spread evenly from the start of the year to now, so every transaction lies in the period.
    const double step = std::max(0.0, now - start) / static_cast<double>(count);

    ReportTransactionList out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const DemoEntry& e = demoEntries[i];
        const auto& category = demo::category(e.categoryId);
        std::optional<std::string> subcategoryName, subcategoryImage;
        if (!e.subcategoryId.empty()) {
            const auto& sub = demo::subcategory(category, e.subcategoryId);
            subcategoryName = std::string(sub.name);
            subcategoryImage = std::string(sub.imageName);
        }
        out.push_back(std::make_shared<ReportTransaction>(
            "remaining-demo-" + std::to_string(i + 1), e.amount, std::nullopt, std::nullopt,
            std::string(category.name), std::string(category.imageName), std::string(category.id),
            std::move(subcategoryName), std::move(subcategoryImage), e.isExpense, false,
            start + step * static_cast<double>(i), std::string(demo::wallet.id),
            std::string(demo::wallet.name), std::string(e.payee), std::nullopt, false, false, false));
    }
    return out;
}

std::shared_ptr<RemainingForPeriodCalculator> RemainingForPeriodCalculator::demo() {
    const Environment& env = Environment::current();
    const Calendar calendar = env.calendar();
    const int year = calendar.component(CalendarComponent::year, env.now());
    return std::make_shared<RemainingForPeriodCalculator>(demoTransactions(), year, year - 1, calendar);
}

} // namespace zt
