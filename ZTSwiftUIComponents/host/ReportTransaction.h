#pragma once

#include "ZTSwiftUIComponents/host/TransactionConformable.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A transaction as the host's reports hand it to the library. A shared object: lists hold
/// std::shared_ptr<ReportTransaction> and "the same transaction" means the same pointer.
class ReportTransaction final : public TransactionConformable {
public:
    ReportTransaction(std::string identifier, double amount, std::optional<double> amountOriginalCurrency,
                      std::optional<std::string> currencyCode, std::string categoryName,
                      std::string categoryImageName, std::string categoryId,
                      std::optional<std::string> subcategoryName,
                      std::optional<std::string> subcategoryImageName, bool isExpense, bool isTransfer,
                      Date transactionDate, std::string accountId, std::string accountName,
                      std::optional<std::string> payee, std::optional<std::string> description,
                      bool isChildRepeating, bool isDynamicShortcut, bool isExcludedFromCalculations);

    const std::string& identifier() const override { return identifier_; }
    double amount() const override { return amount_; }
    std::optional<double> amountOriginalCurrency() const override { return amountOriginalCurrency_; }
    const std::optional<std::string>& currencyCode() const override { return currencyCode_; }
    Date date() const override { return date_; }
    bool isExpense() const override { return isExpense_; }
    bool isTransfer() const override { return isTransfer_; }
    bool isExcludedFromCalculations() const override { return isExcludedFromCalculations_; }
    const std::string& categoryName() const override { return categoryName_; }
    const std::string& categoryImageName() const override { return categoryImageName_; }
    const std::optional<std::string>& subcategoryName() const override { return subcategoryName_; }
    const std::string& accountName() const override { return accountName_; }
    const std::optional<std::string>& payee() const override { return payee_; }
    const std::optional<std::string>& descriptionText() const override { return description_; }

    const std::string& categoryId() const { return categoryId_; }
    const std::optional<std::string>& subcategoryImageName() const { return subcategoryImageName_; }
    const std::string& accountId() const { return accountId_; }
    /// An occurrence created by a repeating series (not the series' main transaction).
    bool isChildRepeating() const { return isChildRepeating_; }
    /// The transaction is offered as a frequently-used (dynamic) shortcut.
    bool isDynamicShortcut() const { return isDynamicShortcut_; }

    // The host edits its records in place; the library sees the change through the shared object.
    void setAmount(double amount, std::optional<double> amountOriginalCurrency = std::nullopt);
    void setDate(Date date) { date_ = date; }
    void setExcludedFromCalculations(bool excluded) { isExcludedFromCalculations_ = excluded; }
    void setPayee(std::optional<std::string> payee) { payee_ = std::move(payee); }
    void setDescription(std::optional<std::string> description) { description_ = std::move(description); }

    /// A year of believable transactions in the application currency up to referenceDate (its
    /// month and the eleven before it), newest first, the first two on referenceDate's day.
    /// Deterministic for a given reference date and environment time zone.
    static std::vector<std::shared_ptr<ReportTransaction>> demo(Date referenceDate);
    /// The same, relative to the environment's "now".
    static std::vector<std::shared_ptr<ReportTransaction>> demo();
    /// Transactions of a trip and a foreign account: amounts in the application currency with their
    /// original amounts in EUR, GBP and CHF, newest first.
    static std::vector<std::shared_ptr<ReportTransaction>> demoInMulticurrency(Date referenceDate);
    static std::vector<std::shared_ptr<ReportTransaction>> demoInMulticurrency();

private:
    // The fields every figure reads come first, within the record's first 64 bytes (vtable
    // pointer, amount, date, flags, category name with its short-string buffer), so a pass over
    // many transactions touches two cache lines of each at most and can fetch them ahead.
    double amount_;
    Date date_;
    bool isExpense_;
    bool isTransfer_;
    bool isExcludedFromCalculations_;
    bool isChildRepeating_;
    bool isDynamicShortcut_;
    std::string categoryName_;
    std::string identifier_;
    std::optional<double> amountOriginalCurrency_;
    std::optional<std::string> currencyCode_;
    std::string categoryImageName_;
    std::string categoryId_;
    std::optional<std::string> subcategoryName_;
    std::optional<std::string> subcategoryImageName_;
    std::string accountId_;
    std::string accountName_;
    std::optional<std::string> payee_;
    std::optional<std::string> description_;
};

using ReportTransactionList = std::vector<std::shared_ptr<ReportTransaction>>;

} // namespace zt
