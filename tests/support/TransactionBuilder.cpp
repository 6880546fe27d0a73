#include "TransactionBuilder.h"

namespace zt::test {

std::shared_ptr<ReportTransaction> transaction(TransactionFields f) {
    return std::make_shared<ReportTransaction>(
        std::move(f.id), f.amount, f.amountOriginalCurrency, std::move(f.currencyCode),
        std::move(f.categoryName), std::move(f.categoryImageName), std::move(f.categoryId),
        std::move(f.subcategoryName), std::move(f.subcategoryImageName), f.isExpense, f.isTransfer, f.date,
        std::move(f.accountId), std::move(f.accountName), std::move(f.payee), std::move(f.description),
        f.isChildRepeating, f.isDynamicShortcut, f.isExcludedFromCalculations);
}

} // namespace zt::test
