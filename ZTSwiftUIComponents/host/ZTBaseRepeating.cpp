#include "ZTBaseRepeating.h"

namespace zt {

ZTBaseRepeating::ZTBaseRepeating(std::string identifier, RepeatingInterval interval, Date startDate,
                                 std::optional<Date> endDate, double amount,
                                 std::optional<std::string> currencyCode,
                                 std::optional<ReportTransactionList> transactions)
    : interval(*this, interval), startDate(*this, startDate), endDate(*this, endDate), amount(*this, amount),
      transactions(*this, std::move(transactions)), identifier_(std::move(identifier)),
      currencyCode_(std::move(currencyCode)) {}

double ZTBaseRepeating::totalAmount() const {
    const auto& list = transactions();
    return list ? total(*list) : 0.0;
}

std::optional<Date> ZTBaseRepeating::nextOccurrence(Date after, const Calendar& calendar) const {
    if (isRepeating() != true)
        return std::nullopt;
    // Step from the start by whole multiples of the interval, so month clamping never drifts
    // (31 Jan, 28 Feb, 31 Mar rather than 31 Jan, 28 Feb, 28 Mar). Jump close to `after` first:
    // whole units elapsed divided by the step cannot overshoot it.
    const auto s = step(interval());
    const Date start = startDate();
    int n = 0; // the start itself is the first occurrence
    if (after > start) {
        const bool weeks = s.component == CalendarComponent::weekOfYear;
        const auto units = calendar.difference(weeks ? CalendarComponent::day : s.component, start, after);
        const int per = weeks ? 7 * s.value : s.value;
        if (units && per > 0 && *units / per > 0)
            n = *units / per;
    }
    std::optional<Date> candidate =
        n == 0 ? std::optional<Date>(start) : calendar.adding(s.component, s.value * n, start);
    while (candidate && *candidate <= after)
        candidate = calendar.adding(s.component, s.value * ++n, start);
    if (!candidate)
        return std::nullopt;
    if (endDate() && *candidate > *endDate())
        return std::nullopt;
    return candidate;
}

} // namespace zt
