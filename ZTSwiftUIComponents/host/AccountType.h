#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// What kind of account a WidgetAccount is. The raw values are stored by the host and compared
/// by screens ("creditCard", "loan"), so they never change.
enum class AccountType {
    checking,
    savings,
    cash,
    digitalWallet,
    investment,
    retirement,
    property,
    vehicle,
    creditCard,
    crypto,
    loan,
    other,
};

template <> struct RawValues<AccountType> {
    static constexpr std::array<std::pair<AccountType, std::string_view>, 12> cases{{
        {AccountType::checking, "checking"},
        {AccountType::savings, "savings"},
        {AccountType::cash, "cash"},
        {AccountType::digitalWallet, "digitalWallet"},
        {AccountType::investment, "investment"},
        {AccountType::retirement, "retirement"},
        {AccountType::property, "property"},
        {AccountType::vehicle, "vehicle"},
        {AccountType::creditCard, "creditCard"},
        {AccountType::crypto, "crypto"},
        {AccountType::loan, "loan"},
        {AccountType::other, "other"},
    }};
};

/// The display name in the environment's language.
std::string localized(AccountType type);

/// Credit cards and loans hold money owed; their balances count as liabilities.
constexpr bool isLiability(AccountType type) {
    return type == AccountType::creditCard || type == AccountType::loan;
}

} // namespace zt
