#include "RemainingForPeriodCalculator.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "ZTSwiftUIComponents/host/RecordPrefetch.h"
#include "platform/Environment.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zt {

RemainingForPeriodCalculator::RemainingForPeriodCalculator(ReportTransactionList items_,
                                                           int currentPeriodInterval,
                                                           int previousPeriodInterval,
                                                           const Calendar& calendar)
    : items(*this, std::move(items_)), currentPeriodInterval_(currentPeriodInterval),
      previousPeriodInterval_(previousPeriodInterval) {
    const YearSums sums = scan(items(), &calendar);
    periodSummary_ = sums.currentIncome - sums.currentExpense;
    // The previous year is measured exactly like the current one: a fixed figure would make the
    // difference meaningless for anyone's real data.
    previousPeriodSummary_ = sums.previousIncome - sums.previousExpense;
    isDifferencePositive_ = difference() > 0;
    differenceColor_ = isDifferencePositive_ ? positiveAmountColor : negativeAmountColor;
    itemsSubscription_ = items.observe([this](const ReportTransactionList& list) { scan(list, nullptr); });
}

RemainingForPeriodCalculator::YearSums RemainingForPeriodCalculator::scan(const ReportTransactionList& list,
                                                                          const Calendar* calendar) {
    // One pass that touches each transaction once and copies no handle: with tens of thousands
    // of transactions, memory traffic is what decides whether the screen fits in a frame.
    const std::size_t n = list.size();
    // Expenses fill the positions from the front, the others from the back (reversed at the
    // end), so both lists share one buffer of exactly n entries.
    std::vector<std::uint32_t> positions(n);
    std::uint32_t* const position = positions.data();
    std::size_t expenses = 0, others = 0;
    // Every entry is written below, so the buffer is not zeroed first.
    auto series = std::make_unique_for_overwrite<double[]>(n);
    CategoryGrouping groups[2];
    double sums[2][2] = {}; // [expense][current, previous]
    std::optional<CalendarYears> years;
    if (calendar)
        years.emplace(*calendar);
    double running = 0;
    for (std::size_t i = 0; i < n; ++i) {
        prefetchRecordAhead(list, i);
        const ReportTransaction& t = *list[i];
        const double amount = t.amount();
        const Date date = t.date();
        const bool expense = t.isExpense();
        // Which list takes a transaction is a coin toss to the branch predictor: select, don't branch.
        position[expense ? expenses : n - 1 - others] = static_cast<std::uint32_t>(i);
        expenses += expense;
        others += !expense;
        groups[expense].add(t, t.categoryName(), amount, date);
        if (years) {
            // Hosts hand lists sorted by date, so which year a transaction falls in is well predicted.
            const int year = years->yearOf(date);
            if (year == currentPeriodInterval_)
                sums[expense][0] += amount;
            else if (year == previousPeriodInterval_)
                sums[expense][1] += amount;
        }
        running += expense ? amount : -amount;
        series[i] = running;
    }
    if (currentPeriodInterval_ == previousPeriodInterval_) {
        sums[0][1] = sums[0][0];
        sums[1][1] = sums[1][0];
    }
    std::reverse(positions.begin() + static_cast<std::ptrdiff_t>(expenses), positions.end());
    positions_ = std::move(positions);
    runningSeries_ = RunningSeries(&items(), std::move(series));
    const std::span<const std::uint32_t> all(positions_);
    expensesThisPeriod_ = TransactionSelection(&items(), all.first(expenses));
    incomesThisPeriod_ = TransactionSelection(&items(), all.subspan(expenses));
    incomeCategorySummaries_ = categorySummaries(groups[0]);
    expenseCategorySummaries_ = categorySummaries(groups[1]);
    return YearSums{sums[0][0], sums[1][0], sums[0][1], sums[1][1]};
}

void RemainingForPeriodCalculator::deleteTransaction(const std::shared_ptr<ReportTransaction>& transaction) {
    // Hold the transaction: the caller's handle may be one of the elements being erased.
    const std::shared_ptr<ReportTransaction> doomed = transaction;
    ReportTransactionList remaining = items();
    std::erase_if(remaining, [&](const std::shared_ptr<ReportTransaction>& t) { return t == doomed; });
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
