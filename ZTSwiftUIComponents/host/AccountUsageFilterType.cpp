#include "AccountUsageFilterType.h"

#include "platform/StringTable.h"

namespace zt {

std::string localized(AccountUsageFilterType filter) {
    switch (filter) {
    case AccountUsageFilterType::all:
        return L("All", "Account filter: personal and business accounts");
    case AccountUsageFilterType::personal:
        return L("Personal", "Account filter: accounts for personal use");
    case AccountUsageFilterType::business:
        return L("Business", "Account filter: accounts for business use");
    }
    return std::string(rawValue(filter));
}

} // namespace zt
