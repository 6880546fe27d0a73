#include "TransactionType.h"

#include "platform/StringTable.h"

namespace zt {

std::vector<TransactionType> pickerValues() {
    return {TransactionType::expense, TransactionType::income};
}

std::string localized(TransactionType type) {
    switch (type) {
    case TransactionType::expense:
        return L("Expense", "Transaction type");
    case TransactionType::income:
        return L("Income", "Transaction type");
    case TransactionType::transferSource:
        return L("Transfer", "Transaction type: money leaving an account");
    case TransactionType::transferDestination:
        return L("Incoming Transfer", "Transaction type: money arriving in an account");
    }
    return std::string(rawValue(type));
}

} // namespace zt
