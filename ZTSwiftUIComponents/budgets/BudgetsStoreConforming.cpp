#include "BudgetsStoreConforming.h"

#include "platform/Environment.h"

namespace zt {

std::map<Date, ReportTransactionList> groupTransactionsByMonth(const ReportTransactionList& transactions,
                                                               const MonthIndex& months,
                                                               const Calendar& calendar) {
    std::map<Date, ReportTransactionList> out;
    // Each month's first instant is worked out once; transactions usually come sorted by date, so
    // the month rarely changes from one to the next.
    std::map<YearMonth, ReportTransactionList*> groups;
    YearMonth current{};
    ReportTransactionList* group = nullptr;
    for (const auto& transaction : transactions) {
        const YearMonth month = months.yearMonth(transaction->date());
        if (month != current || !group) {
            current = month;
            auto [slot, isNew] = groups.try_emplace(month, nullptr);
            if (isNew)
                if (const auto start = calendar.date(month.year, month.month, 1))
                    slot->second = &out[*start];
            group = slot->second;
        }
        // An instant that is not finite has no month and belongs to no group.
        if (group)
            group->push_back(transaction);
    }
    return out;
}

std::map<Date, ReportTransactionList> BudgetsStoreConforming::transactionsByMonth(const WidgetBudget& budget,
                                                                                  Date from, Date to) {
    const auto& environment = Environment::current();
    return groupTransactionsByMonth(transactions(budget, from, to),
                                    *MonthIndex::forTimeZone(environment.timeZoneIdentifier()),
                                    environment.calendar());
}

} // namespace zt
