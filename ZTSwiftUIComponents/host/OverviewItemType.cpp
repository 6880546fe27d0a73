#include "OverviewItemType.h"

#include "platform/StringTable.h"

namespace zt {

std::string localized(OverviewItemType type) {
    switch (type) {
    case OverviewItemType::quickEntry:
        return L("Quick Entry");
    case OverviewItemType::shortcuts:
        return L("Shortcuts");
    case OverviewItemType::daysUntilPayday:
        return L("Days Until Payday", "Name of an overview card");
    case OverviewItemType::remainingForPeriod:
        return L("Remaining For Period");
    case OverviewItemType::dailyLimit:
        return L("Daily Limit");
    case OverviewItemType::topCategories:
        return L("Top Categories");
    case OverviewItemType::customPeriodSummary:
        return L("Custom Period Summary", "Name of an overview card");
    case OverviewItemType::weekSummary:
        return L("Week Summary", "Name of an overview card");
    case OverviewItemType::monthSummary:
        return L("Month Summary", "Name of an overview card");
    case OverviewItemType::yearSummary:
        return L("Year Summary", "Name of an overview card");
    case OverviewItemType::netWorth:
        return L("Net Worth");
    case OverviewItemType::accounts:
        return L("Accounts");
    case OverviewItemType::academy:
        return L("Academy Plus");
    case OverviewItemType::voteNextFeature:
        return L("Vote The Next Feature");
    case OverviewItemType::tutorials:
        return L("Tutorials");
    case OverviewItemType::newsletter:
        return L("Newsletter");
    case OverviewItemType::goals:
        return L("Smart Goals");
    case OverviewItemType::upcomingBills:
        return L("Upcoming Bills");
    }
    return std::string(rawValue(type));
}

} // namespace zt
