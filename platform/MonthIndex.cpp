#include "MonthIndex.h"

#include "Calendar.h"
#include "Environment.h"

#include <cmath>
#include <mutex>
#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>
#include <unicode/unistr.h>
#include <unordered_map>
#include <utility>

namespace zt {

namespace {

constexpr double kMillisPerDay = 86400000.0;
// Buckets of 2^20 s (about 12 days) hold at most one month start and a few offset changes.
constexpr double kBucketSeconds = 1048576.0;

YearMonth monthOfWall(double wallMillis) {
    return civil::yearMonthFromDays(static_cast<std::int64_t>(std::floor(wallMillis / kMillisPerDay)));
}

double wallMillisOf(YearMonth ym) {
    return static_cast<double>(civil::daysFromCivil(ym.year, ym.month, 1)) * kMillisPerDay;
}

YearMonth following(YearMonth ym) {
    return ym.month == 12 ? YearMonth{ym.year + 1, 1} : YearMonth{ym.year, ym.month + 1};
}

double toReferenceSeconds(double utcMillis) {
    return Date::fromIcuMillis(utcMillis).secondsSinceReferenceDate;
}

} // namespace

MonthIndex::MonthIndex(const std::string& timeZoneIdentifier) : zone_(timeZoneIdentifier) {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone_)));
    const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(zone.get());

    // Between two offset changes local time runs evenly, so the month changes exactly where
    // local time crosses a month boundary; at an offset change it may jump into another month.
    const double lo = wallMillisOf({firstYear, 1}) - 2 * kMillisPerDay;
    const double hi = wallMillisOf({lastYear + 1, 1}) + 2 * kMillisPerDay;
    std::vector<std::pair<double, YearMonth>> changes;
    for (double spanStart = lo; spanStart < hi;) {
        double spanEnd = hi;
        icu::TimeZoneTransition transition;
        if (basic && basic->getNextTransition(spanStart, false, transition) && transition.getTime() < hi)
            spanEnd = transition.getTime();
        int32_t raw = 0, dst = 0;
        UErrorCode status = U_ZERO_ERROR;
        zone->getOffset(spanStart, false, raw, dst, status);
        const double offset = U_SUCCESS(status) ? raw + dst : 0;
        YearMonth ym = monthOfWall(spanStart + offset);
        changes.emplace_back(spanStart, ym);
        for (ym = following(ym); wallMillisOf(ym) < spanEnd + offset; ym = following(ym))
            changes.emplace_back(wallMillisOf(ym) - offset, ym);
        spanStart = spanEnd;
    }

    const YearMonth beyond{lastYear + 1, 1};
    for (const auto& [millis, ym] : changes) {
        if (!months_.empty() && months_.back() == ym)
            continue;
        if (ym >= beyond) {
            end_ = toReferenceSeconds(millis);
            break;
        }
        starts_.push_back(toReferenceSeconds(millis));
        months_.push_back(ym);
    }
    first_ = starts_.front();

    buckets_.resize(static_cast<std::size_t>((end_ - first_) / kBucketSeconds) + 1);
    std::size_t i = 0;
    for (std::size_t b = 0; b < buckets_.size(); ++b) {
        const double bucketStart = first_ + static_cast<double>(b) * kBucketSeconds;
        while (i + 1 < starts_.size() && starts_[i + 1] <= bucketStart)
            ++i;
        buckets_[b] = static_cast<std::uint32_t>(i);
    }
}

std::shared_ptr<const MonthIndex> MonthIndex::forTimeZone(const std::string& timeZoneIdentifier) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const MonthIndex>> cache;
    {
        std::lock_guard lock(mutex);
        if (const auto found = cache.find(timeZoneIdentifier); found != cache.end())
            return found->second;
    }
    // Built outside the lock so other zones are not held up; a racing build of the same zone
    // yields an equal table and the first one stored wins.
    auto built = std::make_shared<const MonthIndex>(timeZoneIdentifier);
    std::lock_guard lock(mutex);
    return cache.emplace(timeZoneIdentifier, std::move(built)).first->second;
}

std::shared_ptr<const MonthIndex> MonthIndex::current() {
    return forTimeZone(Environment::current().timeZoneIdentifier());
}

YearMonth MonthIndex::lookup(double seconds) const {
    std::size_t i = buckets_[static_cast<std::size_t>((seconds - first_) / kBucketSeconds)];
    while (i + 1 < starts_.size() && starts_[i + 1] <= seconds)
        ++i;
    return months_[i];
}

YearMonth MonthIndex::yearMonth(Date date) const {
    if (covers(date))
        return lookup(date.secondsSinceReferenceDate);
    const DateComponents c = Calendar(zone_).components(date);
    return YearMonth{c.year.value_or(0), c.month.value_or(0)};
}

} // namespace zt
