#include "TransactionRow.h"

#include <utility>

namespace zt {

std::string transactionTitle(const TransactionConformable& transaction, std::string_view fallback) {
    if (const auto& payee = transaction.payee(); payee && !payee->empty())
        return *payee;
    if (const auto& description = transaction.descriptionText(); description && !description->empty())
        return *description;
    return transaction.categoryName().empty() ? std::string(fallback) : transaction.categoryName();
}

ui::View transactionTitleAndDate(std::string title, Date date, const DateFormatter& dateFormatter) {
    return ui::vstack({
        ui::text(std::move(title)),
        ui::text(dateFormatter.string(date).value_or("")).secondary().font(ui::Font::caption),
    });
}

ui::View transactionNameRow(const TransactionConformable& transaction) {
    return ui::row({
        ui::image(transaction.categoryImageName()),
        ui::vstack({
            ui::text(transactionTitle(transaction, {})),
            ui::text(transaction.categoryName()).secondary(),
        }),
    });
}

} // namespace zt
