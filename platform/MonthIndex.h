#pragma once

#include "Date.h"

#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zt {

/// A year and a month (1-12) of the Gregorian calendar.
struct YearMonth {
    int year = 0;
    int month = 0;

    constexpr auto operator<=>(const YearMonth&) const = default;
    constexpr bool operator==(const YearMonth&) const = default;
};

namespace civil {

/// Days since 1970-01-01 of a date in the proleptic Gregorian calendar (ICU's Gregorian
/// calendar agrees from 1583 on).
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

/// The year and month of a day number of daysFromCivil.
constexpr YearMonth yearMonthFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return YearMonth{static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month};
}

} // namespace civil

/// The local year and month of instants in one time zone, for grouping many records by month or
/// year without an ICU calendar per item. Built once per zone from the zone's offset changes: a
/// sorted table of the instants where the local month changes (including the rare second change
/// when clocks are set back across a month boundary), looked up in constant time. Exact across
/// daylight-saving changes from firstYear to lastYear; outside that range it asks ICU.
/// Immutable once built, so one instance may be shared by any number of threads.
class MonthIndex {
public:
    static constexpr int firstYear = 1900;
    static constexpr int lastYear = 2100;

    /// Builds the table (about 0.2 ms); forTimeZone() builds it once per zone.
    explicit MonthIndex(const std::string& timeZoneIdentifier);

    /// The shared index of a zone, built on first use.
    static std::shared_ptr<const MonthIndex> forTimeZone(const std::string& timeZoneIdentifier);
    /// The shared index of the environment's time zone.
    static std::shared_ptr<const MonthIndex> current();

    const std::string& timeZoneIdentifier() const { return zone_; }

    /// The year and month of date in the zone; {0, 0} for an instant that is not finite.
    YearMonth yearMonth(Date date) const;
    int year(Date date) const { return yearMonth(date).year; }
    int month(Date date) const { return yearMonth(date).month; }
    /// Whether date lies in the table (other instants are answered by ICU, more slowly).
    bool covers(Date date) const {
        return date.secondsSinceReferenceDate >= first_ && date.secondsSinceReferenceDate < end_;
    }

private:
    YearMonth lookup(double seconds) const;

    std::string zone_;
    double first_ = 0; // the table covers [first_, end_), seconds since the reference date
    double end_ = 0;
    std::vector<double> starts_;         // instants where the local month changes, ascending
    std::vector<YearMonth> months_;      // the month in force from starts_[i]
    std::vector<std::uint32_t> buckets_; // the last change at or before each bucket's beginning
};

} // namespace zt
