#include "CategoryInsightsViewModel.h"

#include "platform/Environment.h"

namespace zt {

CategoryInsightsViewModel::CategoryInsightsViewModel()
    : transactions(*this), locale(*this, Environment::current().localeIdentifier()) {}

double CategoryInsightsViewModel::totalAmount() const {
    double total = 0;
    for (const auto& t : transactions())
        total += t->amount();
    return total;
}

} // namespace zt
