#pragma once

#include "platform/Date.h"

#include <optional>
#include <string>

namespace zt {

/// The rate between a transaction's currency and its account's: a value. Screens show
/// formattedString and may overwrite `rate`; the other fields stay as the host set them.
struct ExchangeRate {
    /// The currency the amount was entered in.
    std::string fromCurrencyCode;
    /// The currency it is converted to (the account's).
    std::string toCurrencyCode;
    /// Units of toCurrencyCode per unit of fromCurrencyCode.
    double rate = 1;
    /// The display text, e.g. "1 EUR = 1.09 USD".
    std::optional<std::string> formattedString;
    /// The day the rate is quoted for.
    std::optional<Date> date;

    bool operator==(const ExchangeRate&) const = default;

    double converted(double amount) const { return amount * rate; }

    /// A rate with its display text in the environment's locale (two to four fraction digits).
    static ExchangeRate make(std::string fromCurrencyCode, std::string toCurrencyCode, double rate,
                             std::optional<Date> date = std::nullopt);
};

} // namespace zt
