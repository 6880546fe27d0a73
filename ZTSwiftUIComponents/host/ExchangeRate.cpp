#include "ExchangeRate.h"

#include "platform/Environment.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

namespace zt {

ExchangeRate ExchangeRate::make(std::string fromCurrencyCode, std::string toCurrencyCode, double rate,
                                std::optional<Date> date) {
    ExchangeRate out{std::move(fromCurrencyCode), std::move(toCurrencyCode), rate, std::nullopt, date};
    auto number = NumberFormatter::decimal(Environment::current().localeIdentifier());
    number.setMinimumFractionDigits(2).setMaximumFractionDigits(4);
    if (const auto text = number.string(rate))
        out.formattedString = format(L("1 %@ = %@ %@", "Exchange rate: 1 EUR = 1.09 USD"),
                                     out.fromCurrencyCode, *text, out.toCurrencyCode);
    return out;
}

} // namespace zt
