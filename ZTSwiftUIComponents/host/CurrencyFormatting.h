#pragma once

#include "platform/NumberFormatter.h"

#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// The user-defaults key under which the host keeps the application currency.
inline constexpr std::string_view appCurrencyCodeKey = "appCurrencyCode";

/// The application currency (ISO 4217, upper case): the code stored under appCurrencyCodeKey in the
/// environment's user defaults, else the currency of the environment's locale, else "USD".
std::string appCurrencyCode();
/// Stores code (upper-cased) as the application currency; an empty code removes the choice.
void setAppCurrencyCode(std::string_view code);

/// The currency a locale formats by default ("de_DE" -> "EUR"), or nothing when the locale names
/// no region that has a currency.
std::optional<std::string> currencyCode(std::string_view localeIdentifier);

/// A locale identifier whose own currency is code, so a currency formatter made with it writes the
/// amount the way that currency's users expect. The environment's locale wins when it already
/// uses the currency; otherwise a locale of the same language where that language is the region's
/// main one (en + EUR -> en_IE), then any locale of the same language (fr + CHF -> fr_CH), then the
/// main locale of the currency's home region (ja + USD -> en_US). An unknown code gives the
/// environment's locale. The code is compared case-insensitively.
std::string localeFor(std::string_view currencyCode);

/// A currency formatter for code in the locale localeFor(code) gives.
NumberFormatter makeCurrencyFormatter(std::string_view currencyCode);
/// A currency formatter for the application currency.
NumberFormatter makeAppBasedCurrencyFormatter();

/// The shared application-currency formatter. It is rebuilt when the environment's locale or the
/// application currency change, so it always matches makeAppBasedCurrencyFormatter(). Main thread.
const NumberFormatter& sharedCurrencyFormatter();

} // namespace zt
