#include "AmountExpression.h"

#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"
#include "platform/AmountInput.h"

namespace zt {

std::optional<double> amountValue(std::string_view text, const std::string& localeIdentifier) {
    if (auto value = parseAmount(text, localeIdentifier))
        return value;
    const auto result = ZTMoneyCalculator(localeIdentifier).evaluate(text);
    return result ? parseAmount(*result, localeIdentifier) : std::nullopt;
}

bool isInvalidAmount(std::string_view text, const std::string& localeIdentifier) {
    const AmountField field(std::string(text), localeIdentifier);
    return field.isInvalid() && !ZTMoneyCalculator(localeIdentifier).evaluate(text);
}

} // namespace zt
