#include "CreditCardDetailsProvider.h"

#include <utility>

namespace zt {

CreditCardDetailsProvider::CreditCardDetailsProvider(
    std::string name, std::string iconName, Color accountColor, std::optional<double> limit,
    std::vector<std::shared_ptr<CreditCardLastStatement>> statements)
    : name_(std::move(name)), iconName_(std::move(iconName)), accountColor_(accountColor),
      limit_(*this, limit), statements_(std::move(statements)) {}

} // namespace zt
