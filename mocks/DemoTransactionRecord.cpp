#include "DemoTransactionRecord.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/Environment.h"
#include "platform/UUID.h"

namespace zt {

std::optional<ExchangeRate> demoAccountRate(const WidgetAccount& account) {
    if (!account.currencyCode || sameCurrencyCode(account.currencyCode, appCurrencyCode()))
        return std::nullopt;
    return ExchangeRate::make(*account.currencyCode, appCurrencyCode(), account.exchangeRate,
                              Environment::current().now());
}

std::shared_ptr<ReportTransaction> demoTransactionRecord(const WidgetAccount& account, double amount,
                                                         const std::optional<ExchangeRate>& rate,
                                                         bool isExpense, bool isTransfer,
                                                         const std::string& categoryName, Date date,
                                                         const std::optional<std::string>& description) {
    std::string image = isTransfer ? "arrow.right.arrow.left" : "questionmark.circle";
    std::string categoryId;
    for (const auto& category : WidgetCategory::demo())
        if (category->name == categoryName) {
            image = category->imageName;
            categoryId = category->id;
        }
    return std::make_shared<ReportTransaction>(makeUUIDString(), rate ? rate->converted(amount) : amount,
                                               rate ? std::optional(amount) : std::nullopt,
                                               rate ? std::optional(rate->fromCurrencyCode) : std::nullopt,
                                               categoryName, image, categoryId, std::nullopt, std::nullopt,
                                               isExpense, isTransfer, date, account.id, account.name,
                                               std::nullopt, description, false, false, false);
}

} // namespace zt
