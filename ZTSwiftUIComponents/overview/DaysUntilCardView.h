#pragma once

#include "platform/Date.h"
#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt {

/// The days-until-payday card: how many days are left until the pay date, a ring that fills as
/// payday nears and a message for the stretch the user is in.
class DaysUntilCardView {
public:
    static constexpr double ringCap = 0.85;
    static constexpr double ringFloor = 0.05;
    /// The ring's side in points.
    static constexpr double ringSize = 110;

    /// now defaults to the environment's; the calendar is the environment's.
    DaysUntilCardView(Date payDate, std::function<void()> onSettings = {}, bool isIncognito = false);
    DaysUntilCardView(Date payDate, Date now, std::function<void()> onSettings = {},
                      bool isIncognito = false);

    /// Whole calendar days from the start of today to the start of the pay date's day; never below 0.
    int days() const { return days_; }
    /// "TODAY", "DAY" or "DAYS".
    std::string unit() const;
    std::string message() const;
    /// 1 on payday, 0.9 the day before, otherwise 1 − days ÷ 30 kept between ringFloor and ringCap.
    double ringValue() const;

    /// The pure rules, for any day count.
    static double ringValue(int days);
    static std::string message(int days);

    ui::View body() const;

private:
    Date payDate_;
    int days_;
    std::function<void()> onSettings_;
    bool isIncognito_;
};

} // namespace zt
