#include "ReportTransaction.h"

namespace zt {

ReportTransaction::ReportTransaction(std::string identifier, double amount,
                                     std::optional<double> amountOriginalCurrency,
                                     std::optional<std::string> currencyCode, std::string categoryName,
                                     std::string categoryImageName, std::string categoryId,
                                     std::optional<std::string> subcategoryName,
                                     std::optional<std::string> subcategoryImageName, bool isExpense,
                                     bool isTransfer, Date transactionDate, std::string accountId,
                                     std::string accountName, std::optional<std::string> payee,
                                     std::optional<std::string> description, bool isChildRepeating,
                                     bool isDynamicShortcut, bool isExcludedFromCalculations)
    : amount_(amount), date_(transactionDate), isExpense_(isExpense), isTransfer_(isTransfer),
      isExcludedFromCalculations_(isExcludedFromCalculations), isChildRepeating_(isChildRepeating),
      isDynamicShortcut_(isDynamicShortcut), categoryName_(std::move(categoryName)),
      identifier_(std::move(identifier)), amountOriginalCurrency_(amountOriginalCurrency),
      currencyCode_(std::move(currencyCode)), categoryImageName_(std::move(categoryImageName)),
      categoryId_(std::move(categoryId)), subcategoryName_(std::move(subcategoryName)),
      subcategoryImageName_(std::move(subcategoryImageName)), accountId_(std::move(accountId)),
      accountName_(std::move(accountName)), payee_(std::move(payee)), description_(std::move(description)) {}

void ReportTransaction::setAmount(double amount, std::optional<double> amountOriginalCurrency) {
    amount_ = amount;
    amountOriginalCurrency_ = amountOriginalCurrency;
}

} // namespace zt
