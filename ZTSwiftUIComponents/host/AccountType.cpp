#include "AccountType.h"

#include "platform/StringTable.h"

namespace zt {

std::string localized(AccountType type) {
    switch (type) {
    case AccountType::checking:
        return L("Checking", "Account type");
    case AccountType::savings:
        return L("Savings", "Account type");
    case AccountType::cash:
        return L("Cash", "Account type");
    case AccountType::digitalWallet:
        return L("Digital Wallet", "Account type");
    case AccountType::investment:
        return L("Investment", "Account type");
    case AccountType::retirement:
        return L("Retirement", "Account type");
    case AccountType::property:
        return L("Property", "Account type");
    case AccountType::vehicle:
        return L("Vehicle", "Account type");
    case AccountType::creditCard:
        return L("Credit Card", "Account type");
    case AccountType::crypto:
        return L("Crypto", "Account type");
    case AccountType::loan:
        return L("Loan", "Account type");
    case AccountType::other:
        return L("Other", "Account type");
    }
    return std::string(rawValue(type));
}

} // namespace zt
