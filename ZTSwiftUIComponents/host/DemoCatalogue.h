#pragma once

// The shared vocabulary of the host's demo data sets (categories, accounts), so that demo
// transactions, bills, shortcuts and budgets name the same categories and accounts.

#include "ZTSwiftUIComponents/host/TransactionType.h"

#include <string_view>
#include <vector>

namespace zt::demo {

struct DemoSubcategory {
    std::string_view id;
    std::string_view name;
    std::string_view imageName;
};

struct DemoCategory {
    std::string_view id;
    std::string_view name;
    std::string_view imageName;
    TransactionType type;
    std::vector<DemoSubcategory> subcategories; // empty: the category has no subcategory list
};

/// Expense categories first, then income categories, each in the user's order.
const std::vector<DemoCategory>& categories();
/// The category with that identifier; the demo sets only ask for ones that exist.
const DemoCategory& category(std::string_view id);
/// The subcategory with that identifier inside category.
const DemoSubcategory& subcategory(const DemoCategory& category, std::string_view id);

/// Transfers between the user's accounts carry this category.
inline constexpr DemoCategory transferCategory{
    "cat-transfer", "Transfer", "arrow.left.arrow.right", TransactionType::transferSource, {}};

struct AccountRef {
    std::string_view id;
    std::string_view name;
};
inline constexpr AccountRef checking{"acc-checking", "Checking"};
inline constexpr AccountRef savings{"acc-savings", "Savings"};
inline constexpr AccountRef wallet{"acc-wallet", "Wallet"};
inline constexpr AccountRef creditCard{"acc-credit-card", "Credit Card"};
inline constexpr AccountRef euroAccount{"acc-euro", "Euro Account"};

} // namespace zt::demo
