#include "LocaleNames.h"

#include "Environment.h"

#include <memory>
#include <unicode/brkiter.h>
#include <unicode/uloc.h>

namespace zt {

namespace icu_bridge {

icu::Locale locale(std::string_view identifier) {
    // ICU reads an empty name as the machine's locale; ours means no locale in particular.
    if (identifier.empty())
        return icu::Locale::getRoot();
    const std::string id(identifier);
    if (id.find('-') == std::string::npos)
        return icu::Locale(id.c_str());
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale result = icu::Locale::forLanguageTag(id, status);
    if (U_FAILURE(status))
        result.setToBogus();
    return result;
}

std::unique_ptr<icu::TimeZone> timeZone(std::string_view identifier) {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(ustring(identifier)));
    icu::UnicodeString id;
    if (!zone || zone->getID(id) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID))
        return nullptr;
    return zone;
}

} // namespace icu_bridge

namespace LocaleNames {

namespace {

// Subtags are letters or digits only: anything else would let a caller address a different
// field of the identifier ("de_AT" as a language code).
bool isSubtag(std::string_view code) {
    if (code.empty() || code.size() > 8)
        return false;
    for (char c : code)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

using DisplayFunction = int32_t (*)(const char*, const char*, UChar*, int32_t, UErrorCode*);

std::optional<std::string> displayName(DisplayFunction function, const std::string& localeId,
                                       std::string_view displayLocale) {
    const std::string display(displayLocale);
    UChar buffer[256];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = function(localeId.c_str(), display.c_str(), buffer, 256, &status);
    // ICU echoes the code itself with a "default" warning when it has no name for it.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || length <= 0)
        return std::nullopt;
    return icu_bridge::utf8(icu::UnicodeString(buffer, length));
}

} // namespace

std::optional<std::string> languageName(std::string_view languageCode, std::string_view displayLocale) {
    if (!isSubtag(languageCode))
        return std::nullopt;
    return displayName(uloc_getDisplayLanguage, std::string(languageCode), displayLocale);
}

std::optional<std::string> regionName(std::string_view regionCode, std::string_view displayLocale) {
    if (!isSubtag(regionCode))
        return std::nullopt;
    return displayName(uloc_getDisplayCountry, "_" + std::string(regionCode), displayLocale);
}

std::string capitalized(std::string_view text, std::string_view localeIdentifier) {
    const icu::Locale locale = icu_bridge::locale(
        localeIdentifier.empty() ? std::string_view(Environment::current().localeIdentifier())
                                 : localeIdentifier);
    icu::UnicodeString value = icu_bridge::ustring(text);
    // A null break iterator makes ICU use the locale's word breaks.
    value.toTitle(nullptr, locale.isBogus() ? icu::Locale::getRoot() : locale);
    return icu_bridge::utf8(value);
}

} // namespace LocaleNames

} // namespace zt
