#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>
#include <vector>

namespace zt {

/// The kind of a transaction. A transfer is stored as two transactions: the outgoing one
/// (transferSource) and the incoming one (transferDestination).
enum class TransactionType { expense, income, transferSource, transferDestination };

template <> struct RawValues<TransactionType> {
    static constexpr std::array<std::pair<TransactionType, std::string_view>, 4> cases{{
        {TransactionType::expense, "expense"},
        {TransactionType::income, "income"},
        {TransactionType::transferSource, "transferSource"},
        {TransactionType::transferDestination, "transferDestination"},
    }};
};

constexpr bool isTransfer(TransactionType type) {
    return type == TransactionType::transferSource || type == TransactionType::transferDestination;
}

/// The kinds a category picker offers: expense, then income.
std::vector<TransactionType> pickerValues();

/// The display name in the environment's language.
std::string localized(TransactionType type);

} // namespace zt
