#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// How often a budget starts over. The raw values are stored by the host and are also the English
/// labels; rawValue(), fromRawValue<BudgetInterval>() and allCases<BudgetInterval>() apply, and an
/// unknown text (also one in another case) gives no interval.
enum class BudgetInterval {
    once,
    day,
    week,
    twoWeeks,
    threeWeeks,
    month,
    twomonth,
    threeMonths,
    fourMonths,
    sixMonths,
    nineMonths,
    year,
};

template <> struct RawValues<BudgetInterval> {
    static constexpr std::array<std::pair<BudgetInterval, std::string_view>, 12> cases{{
        {BudgetInterval::once, "Once"},
        {BudgetInterval::day, "Day"},
        {BudgetInterval::week, "Week"},
        {BudgetInterval::twoWeeks, "2 Weeks"},
        {BudgetInterval::threeWeeks, "3 Weeks"},
        {BudgetInterval::month, "Month"},
        {BudgetInterval::twomonth, "2 Months"},
        {BudgetInterval::threeMonths, "3 Months"},
        {BudgetInterval::fourMonths, "4 Months"},
        {BudgetInterval::sixMonths, "6 Months"},
        {BudgetInterval::nineMonths, "9 Months"},
        {BudgetInterval::year, "Year"},
    }};
};

/// The raw value in the environment's language.
std::string label(BudgetInterval interval);

} // namespace zt
