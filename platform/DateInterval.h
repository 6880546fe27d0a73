#pragma once

#include "Date.h"

namespace zt {

/// A closed span of time; both ends belong to it.
struct DateInterval {
    Date start;
    Date end;

    constexpr DateInterval() = default;
    constexpr DateInterval(Date s, Date e) : start(s), end(e < s ? s : e) {}
    static constexpr DateInterval withDuration(Date s, double seconds) { return DateInterval{s, s + seconds}; }

    constexpr double duration() const { return end - start; }
    constexpr bool contains(Date d) const { return start <= d && d <= end; }

    constexpr bool operator==(const DateInterval&) const = default;
};

} // namespace zt
