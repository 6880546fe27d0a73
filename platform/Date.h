#pragma once

#include <compare>
#include <cstdint>

namespace zt {

/// An absolute instant: seconds since 2001-01-01 00:00:00 UTC. Stored records keep this
/// representation, so it stays a plain double.
struct Date {
    double secondsSinceReferenceDate = 0;

    /// Seconds between 1970-01-01 and 2001-01-01.
    static constexpr double timeIntervalBetween1970AndReferenceDate = 978307200.0;

    constexpr Date() = default;
    constexpr explicit Date(double seconds) : secondsSinceReferenceDate(seconds) {}

    static constexpr Date fromUnixSeconds(double secondsSince1970) {
        return Date{secondsSince1970 - timeIntervalBetween1970AndReferenceDate};
    }
    constexpr double unixSeconds() const {
        return secondsSinceReferenceDate + timeIntervalBetween1970AndReferenceDate;
    }
    /// ICU counts milliseconds since 1970.
    constexpr double icuMillis() const { return unixSeconds() * 1000.0; }
    static constexpr Date fromIcuMillis(double millis) { return fromUnixSeconds(millis / 1000.0); }

    constexpr Date addingTimeInterval(double seconds) const {
        return Date{secondsSinceReferenceDate + seconds};
    }
    constexpr double timeIntervalSince(Date other) const {
        return secondsSinceReferenceDate - other.secondsSinceReferenceDate;
    }

    constexpr auto operator<=>(const Date&) const = default;
    constexpr bool operator==(const Date&) const = default;
};

constexpr Date operator+(Date d, double seconds) {
    return d.addingTimeInterval(seconds);
}
constexpr Date operator-(Date d, double seconds) {
    return d.addingTimeInterval(-seconds);
}
constexpr double operator-(Date a, Date b) {
    return a.timeIntervalSince(b);
}

} // namespace zt
