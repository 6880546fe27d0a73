#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// The kinds of card on the overview screen. The raw value is a card's identity (list identity,
/// navigation value, selection comparison); the declaration order fixes nothing else.
enum class OverviewItemType {
    quickEntry,
    shortcuts,
    daysUntilPayday,
    remainingForPeriod,
    dailyLimit,
    topCategories,
    customPeriodSummary,
    weekSummary,
    monthSummary,
    yearSummary,
    netWorth,
    accounts,
    academy,
    voteNextFeature,
    tutorials,
    newsletter,
    goals,
    upcomingBills,
};

template <> struct RawValues<OverviewItemType> {
    static constexpr std::array<std::pair<OverviewItemType, std::string_view>, 18> cases{{
        {OverviewItemType::quickEntry, "quickEntry"},
        {OverviewItemType::shortcuts, "shortcuts"},
        {OverviewItemType::daysUntilPayday, "daysUntilPayday"},
        {OverviewItemType::remainingForPeriod, "remainingForPeriod"},
        {OverviewItemType::dailyLimit, "dailyLimit"},
        {OverviewItemType::topCategories, "topCategories"},
        {OverviewItemType::customPeriodSummary, "customPeriodSummary"},
        {OverviewItemType::weekSummary, "weekSummary"},
        {OverviewItemType::monthSummary, "monthSummary"},
        {OverviewItemType::yearSummary, "yearSummary"},
        {OverviewItemType::netWorth, "netWorth"},
        {OverviewItemType::accounts, "accounts"},
        {OverviewItemType::academy, "academy"},
        {OverviewItemType::voteNextFeature, "voteNextFeature"},
        {OverviewItemType::tutorials, "tutorials"},
        {OverviewItemType::newsletter, "newsletter"},
        {OverviewItemType::goals, "goals"},
        {OverviewItemType::upcomingBills, "upcomingBills"},
    }};
};

/// The card's name in the card editor, in the environment's language.
std::string localized(OverviewItemType type);

} // namespace zt
