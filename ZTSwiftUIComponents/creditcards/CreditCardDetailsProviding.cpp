#include "CreditCardDetailsProviding.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"

#include <algorithm>

namespace zt {

std::optional<Date> CreditCardDetailsProviding::currentDueDate(const DateInterval& currentCycle, int dueDay) {
    return paymentDueDate(currentCycle, dueDay);
}

void CreditCardDetailsProviding::calculateRemainingDue(std::optional<double>) {
    auto ordered = statements();
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a->paymentDueDate() < b->paymentDueDate(); });
    const CreditCardLastStatement* previous = nullptr;
    for (const auto& statement : ordered) {
        double due = statement->statementDueAmount().value_or(0);
        if (previous)
            due += previous->statementDueAmount().value_or(0) - previous->paidAmount();
        statement->statementDueAmount.set(due);
        previous = statement.get();
    }
}

} // namespace zt
