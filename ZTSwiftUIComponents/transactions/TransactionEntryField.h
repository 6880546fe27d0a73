#pragma once

namespace zt {

/// The fields of the entry screen that can hold the keyboard focus.
enum class TransactionEntryField { expenseOrIncome, transferSource, transferDestination, description };

/// Whether the field edits an amount (and so may show the calculator bar).
constexpr bool isAmountField(TransactionEntryField field) {
    return field != TransactionEntryField::description;
}

} // namespace zt
