#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// Which accounts an account filter keeps by their use: personal ones, business ones or both.
enum class AccountUsageFilterType { all, personal, business };

template <> struct RawValues<AccountUsageFilterType> {
    static constexpr std::array<std::pair<AccountUsageFilterType, std::string_view>, 3> cases{{
        {AccountUsageFilterType::all, "all"},
        {AccountUsageFilterType::personal, "personal"},
        {AccountUsageFilterType::business, "business"},
    }};
};

/// Whether an account of that use passes the filter.
constexpr bool includes(AccountUsageFilterType filter, bool isBusinessAccount) {
    switch (filter) {
    case AccountUsageFilterType::all:
        return true;
    case AccountUsageFilterType::personal:
        return !isBusinessAccount;
    case AccountUsageFilterType::business:
        return isBusinessAccount;
    }
    return true;
}

/// "All", "Personal" or "Business" in the environment's language.
std::string localized(AccountUsageFilterType filter);

} // namespace zt
