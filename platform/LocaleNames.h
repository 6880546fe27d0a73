#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace zt {

/// Display names of languages and regions, and word capitalisation, as a locale writes them.
namespace LocaleNames {

/// The language's name ("de" -> "German"), in the display locale; nothing for a code ICU does not
/// know.
std::optional<std::string> languageName(std::string_view languageCode, std::string_view displayLocale = "en");
/// The region's name ("DE" -> "Germany"), in the display locale; nothing for an unknown code.
std::optional<std::string> regionName(std::string_view regionCode, std::string_view displayLocale = "en");
/// Each word starting with its title-case letter and the rest in lower case, by the rules of the
/// locale ("ijsland" -> "IJsland" in Dutch, "istanbul" -> "İstanbul" in Turkish). An empty locale
/// means the environment's.
std::string capitalized(std::string_view text, std::string_view localeIdentifier = {});

} // namespace LocaleNames

/// Small bridges to ICU shared by the formatters.
namespace icu_bridge {

/// ICU's locale for an identifier in either spelling ("de_DE", "de-DE", "en_US_POSIX"). The result
/// is bogus when the identifier is malformed, the root locale when it is empty.
icu::Locale locale(std::string_view identifier);
/// ICU's zone for an IANA identifier ("Europe/Berlin") or a GMT offset ("GMT+02:00"); null when ICU
/// does not know it (it would otherwise quietly use GMT).
std::unique_ptr<icu::TimeZone> timeZone(std::string_view identifier);
inline icu::UnicodeString ustring(std::string_view utf8) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}
inline std::string utf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

} // namespace icu_bridge

} // namespace zt
