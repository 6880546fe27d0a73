#include "TransactionConformable.h"

#include <cmath>

namespace zt {

TransactionType TransactionConformable::type() const {
    if (isTransfer())
        return isExpense() ? TransactionType::transferSource : TransactionType::transferDestination;
    return isExpense() ? TransactionType::expense : TransactionType::income;
}

double TransactionConformable::exchangeRate() const {
    const auto original = amountOriginalCurrency();
    if (!original || *original == 0 || !std::isfinite(*original))
        return 1.0;
    return std::abs(amount() / *original);
}

int TransactionConformable::year(const Calendar& calendar) const {
    return calendar.component(CalendarComponent::year, date());
}

int TransactionConformable::year() const {
    return year(Calendar::current());
}

Color TransactionConformable::signColor() const {
    if (isTransfer())
        return neutralAmountColor;
    return isExpense() ? negativeAmountColor : positiveAmountColor;
}

} // namespace zt
