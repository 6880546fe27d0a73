#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zt {

/// The symbol of the transaction type at position (0-based) in the declaration of TransactionType:
/// expense and income get their own, both transfer kinds the same, any later kind a question mark.
std::string transactionTypeIcon(std::size_t position);
std::string transactionTypeIcon(TransactionType type);

/// The segmented picker of the entry screen: one segment a type, with its icon and name.
class TransactionTypeSegmentedControl {
public:
    TransactionTypeSegmentedControl(std::vector<TransactionType> types, TransactionType selection,
                                    bool isDisabled, std::function<void(TransactionType)> onChange);

    ui::View body() const;

private:
    std::vector<TransactionType> types_;
    TransactionType selection_;
    bool isDisabled_;
    std::function<void(TransactionType)> onChange_;
};

} // namespace zt
