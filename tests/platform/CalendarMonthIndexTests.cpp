#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MonthIndex.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <unicode/basictz.h>
#include <unicode/gregocal.h>
#include <unicode/tztrans.h>

using namespace zt;

namespace {

// The reference is ICU's own calendar, set to each instant in turn.
class IcuReference {
public:
    explicit IcuReference(const char* zone)
        : zone_(icu::TimeZone::createTimeZone(zone)), calendar_(zone_->clone(), status_) {}

    YearMonth at(double unixSeconds) {
        calendar_.setTime(unixSeconds * 1000.0, status_);
        return YearMonth{calendar_.get(UCAL_YEAR, status_), calendar_.get(UCAL_MONTH, status_) + 1};
    }

    /// Offset changes between 1900 and 2100, in Unix seconds.
    std::vector<double> transitions() const {
        std::vector<double> out;
        const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(zone_.get());
        icu::TimeZoneTransition transition;
        for (double t = -2208988800000.0;
             basic->getNextTransition(t, false, transition) && transition.getTime() < 4133980800000.0;) {
            t = transition.getTime();
            out.push_back(t / 1000.0);
        }
        return out;
    }

    bool ok() const { return U_SUCCESS(status_); }

private:
    UErrorCode status_ = U_ZERO_ERROR;
    std::unique_ptr<icu::TimeZone> zone_;
    icu::GregorianCalendar calendar_;
};

// America/St_Johns set its clocks back at 00:01 on 1 November 2009, so local time ran from
// November back into October for an hour: the month changes twice that night.
const char* const zones[] = {"Europe/Berlin", "America/Santiago", "Asia/Beirut", "America/St_Johns"};

} // namespace

TEST(MonthIndex, AgreesWithIcuEveryHourOfSeveralYears) {
    for (const char* zone : zones) {
        IcuReference icu(zone);
        const auto index = MonthIndex::forTimeZone(zone);
        const Calendar calendar(zone);
        const double from = Date::fromIcuMillis(1672531200000.0).unixSeconds(); // 2023-01-01Z
        for (double t = from; t < from + 3 * 365 * 86400.0; t += 3600) {
            const Date date = Date::fromUnixSeconds(t);
            const YearMonth expected = icu.at(t);
            ASSERT_EQ(index->yearMonth(date), expected) << zone << " " << t;
            ASSERT_EQ(calendar.component(CalendarComponent::month, date), expected.month) << zone << " " << t;
            ASSERT_EQ(calendar.component(CalendarComponent::year, date), expected.year) << zone << " " << t;
        }
        EXPECT_TRUE(icu.ok());
    }
}

TEST(MonthIndex, AgreesWithIcuAroundEveryOffsetChangeAndMonthStart) {
    for (const char* zone : zones) {
        IcuReference icu(zone);
        const auto index = MonthIndex::forTimeZone(zone);
        const Calendar calendar(zone);
        // Each minute for 90 minutes either side of every change catches a month that begins
        // again after the clocks were set back.
        for (const double transition : icu.transitions())
            for (int minute = -90; minute <= 90; ++minute)
                for (const double delta : {-1.0, 0.0}) {
                    const double t = transition + minute * 60 + delta;
                    ASSERT_EQ(index->yearMonth(Date::fromUnixSeconds(t)), icu.at(t)) << zone << " " << t;
                }
        for (int year = MonthIndex::firstYear; year <= MonthIndex::lastYear; ++year)
            for (int month = 1; month <= 12; ++month) {
                const double start = calendar.startOfDay(*calendar.date(year, month, 1)).unixSeconds();
                ASSERT_EQ(index->yearMonth(Date::fromUnixSeconds(start)), (YearMonth{year, month})) << zone;
                ASSERT_EQ(index->yearMonth(Date::fromUnixSeconds(start - 1)), icu.at(start - 1)) << zone;
            }
        EXPECT_TRUE(icu.ok());
    }
    // The night of two month changes, spelled out (Newfoundland: UTC-2:30 then UTC-3:30).
    const auto stJohns = MonthIndex::forTimeZone("America/St_Johns");
    const double clocksBack = 1257042660.0; // 2009-11-01 02:31Z, 00:01 NDT
    EXPECT_EQ(stJohns->yearMonth(Date::fromUnixSeconds(clocksBack - 61)), (YearMonth{2009, 10}));
    EXPECT_EQ(stJohns->yearMonth(Date::fromUnixSeconds(clocksBack - 30)), (YearMonth{2009, 11}));
    EXPECT_EQ(stJohns->yearMonth(Date::fromUnixSeconds(clocksBack)), (YearMonth{2009, 10}));
    EXPECT_EQ(stJohns->yearMonth(Date::fromUnixSeconds(clocksBack + 3540 - 1)), (YearMonth{2009, 10}));
    EXPECT_EQ(stJohns->yearMonth(Date::fromUnixSeconds(clocksBack + 3540)), (YearMonth{2009, 11}));
}

TEST(MonthIndex, OutsideTheTableAsksIcu) {
    IcuReference icu("Europe/Berlin");
    const auto index = MonthIndex::forTimeZone("Europe/Berlin");
    for (const double t :
         {-4102444800.0 /* 1840 */, 5680281600.0 /* 2150 */, 4133980800.0 - 3600 /* 2101 local */}) {
        const Date date = Date::fromUnixSeconds(t);
        EXPECT_EQ(index->yearMonth(date), icu.at(t)) << t;
    }
    EXPECT_FALSE(index->covers(Date::fromUnixSeconds(5680281600.0)));
    EXPECT_TRUE(index->covers(Date::fromUnixSeconds(1700000000.0)));
    EXPECT_EQ(index->yearMonth(Date{NAN}), (YearMonth{0, 0}));
    EXPECT_EQ(index->year(Date::fromUnixSeconds(4133980800.0 - 3600)), 2101); // 00:00 local on 1 Jan 2101
}

TEST(MonthIndex, SharedPerZoneAndForTheEnvironmentsZone) {
    EXPECT_EQ(MonthIndex::forTimeZone("Europe/Berlin"), MonthIndex::forTimeZone("Europe/Berlin"));
    Environment::Override pin({.timeZone = "Asia/Tokyo"});
    const auto current = MonthIndex::current();
    EXPECT_EQ(current->timeZoneIdentifier(), "Asia/Tokyo");
    EXPECT_EQ(current->yearMonth(Date::fromUnixSeconds(1735657200.0)),
              (YearMonth{2025, 1})); // 2024-12-31 15:00Z
}
