#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/Published.h"

#include <cstddef>
#include <string>

namespace zt {

/// The figures of a category's insights sheet: how many transactions it has and what they add
/// up to.
class CategoryInsightsViewModel final : public ObservableObject {
public:
    CategoryInsightsViewModel();

    Published<ReportTransactionList> transactions;
    /// The locale amounts are formatted in; the environment's at first.
    Published<std::string> locale;

    /// The amounts summed in list order, from 0.
    double totalAmount() const;
    std::size_t transactionCount() const { return transactions().size(); }
};

} // namespace zt
