#include "CurrencyFormatting.h"

#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <unicode/locid.h>
#include <unicode/ucurr.h>
#include <unicode/uloc.h>
#include <vector>

namespace zt {

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return out;
}

bool looksLikeCurrencyCode(std::string_view code) {
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](unsigned char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
           });
}

icu::Locale icuLocale(std::string_view identifier) {
    const std::string id(identifier);
    // BCP-47 tags ("de-DE") and ICU names ("de_DE") are both in use.
    if (id.find('-') != std::string::npos && id.find('_') == std::string::npos) {
        UErrorCode status = U_ZERO_ERROR;
        auto locale = icu::Locale::forLanguageTag(id, status);
        if (U_SUCCESS(status))
            return locale;
    }
    return icu::Locale(id.c_str());
}

std::optional<std::string> currencyOf(const icu::Locale& locale) {
    icu::Locale withRegion = locale;
    if (*withRegion.getCountry() == '\0') {
        UErrorCode status = U_ZERO_ERROR;
        withRegion.addLikelySubtags(status);
        if (U_FAILURE(status))
            return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::array<UChar, 4> buffer{};
    const int32_t length = ucurr_forLocale(withRegion.getName(), buffer.data(), buffer.size(), &status);
    if (U_FAILURE(status) || length != 3)
        return std::nullopt;
    std::string code;
    for (int32_t i = 0; i < length; ++i)
        code.push_back(static_cast<char>(buffer[static_cast<std::size_t>(i)]));
    return code;
}

// The language a region mostly speaks ("DE" -> "de"), from ICU's likely subtags.
std::string mainLanguageOf(const char* region) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale probe("und", region);
    probe.addLikelySubtags(status);
    return U_SUCCESS(status) ? probe.getLanguage() : std::string();
}

struct Candidate {
    std::string name;     // ICU locale name, e.g. "en_IE"
    std::string language; // "en"
    std::string region;   // "IE"
};

// Whether the language is the region's main one; likely subtags are looked up once per region.
bool isRegionsLanguage(const Candidate& candidate) {
    static std::mutex lock;
    static std::map<std::string, std::string, std::less<>> languages;
    std::lock_guard guard(lock);
    auto found = languages.find(candidate.region);
    if (found == languages.end())
        found = languages.emplace(candidate.region, mainLanguageOf(candidate.region.c_str())).first;
    return found->second == candidate.language;
}

// Every available locale with a region, grouped by the region's currency. Built once.
const std::map<std::string, std::vector<Candidate>>& localesByCurrency() {
    static const auto table = [] {
        std::map<std::string, std::vector<Candidate>> out;
        int32_t count = 0;
        const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
        for (int32_t i = 0; i < count; ++i) {
            const icu::Locale& locale = locales[i];
            // Script variants ("sr_Latn_RS") duplicate their plain forms.
            if (*locale.getCountry() == '\0' || *locale.getScript() != '\0' || *locale.getVariant() != '\0')
                continue;
            const auto code = currencyOf(locale);
            if (!code)
                continue;
            out[*code].push_back(Candidate{locale.getName(), locale.getLanguage(), locale.getCountry()});
        }
        return out;
    }();
    return table;
}

// The home region of currencies shared by several regions; others fall back to name order.
std::string_view homeRegion(std::string_view code) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> homes{{
        {"AUD", "AU"},
        {"CHF", "CH"},
        {"DKK", "DK"},
        {"EUR", "DE"},
        {"GBP", "GB"},
        {"INR", "IN"},
        {"NOK", "NO"},
        {"NZD", "NZ"},
        {"USD", "US"},
        {"XAF", "CM"},
        {"XOF", "SN"},
        {"ZAR", "ZA"},
    }};
    for (const auto& [c, region] : homes)
        if (c == code)
            return region;
    return {};
}

std::string currentLocaleIdentifier() {
    return Environment::current().localeIdentifier();
}

std::string chooseLocale(const std::string& current, const std::string& wanted) {
    const icu::Locale currentLocale = icuLocale(current);
    if (currencyOf(currentLocale) == wanted)
        return current;

    const auto& table = localesByCurrency();
    const auto found = table.find(wanted);
    if (found == table.end())
        return current;

    const std::string language = currentLocale.getLanguage();
    const std::string_view home = homeRegion(wanted);
    // Lower rank is better; ties go to the currency's home region, then to the name.
    const auto rank = [&](const Candidate& c) {
        const bool main = isRegionsLanguage(c);
        if (c.language == language)
            return main ? 0 : 1;
        return main ? 2 : 3;
    };
    const auto better = [&](const Candidate& a, const Candidate& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if ((a.region == home) != (b.region == home))
            return a.region == home;
        return a.name < b.name;
    };
    const auto best = std::min_element(found->second.begin(), found->second.end(), better);
    return best == found->second.end() ? current : best->name;
}

} // namespace

std::optional<std::string> currencyCode(std::string_view localeIdentifier) {
    return currencyOf(icuLocale(localeIdentifier));
}

std::string appCurrencyCode() {
    if (const auto stored = Environment::current().userDefaults().string(std::string(appCurrencyCodeKey));
        stored && looksLikeCurrencyCode(*stored))
        return upper(*stored);
    return currencyCode(currentLocaleIdentifier()).value_or("USD");
}

void setAppCurrencyCode(std::string_view code) {
    auto& defaults = Environment::current().userDefaults();
    if (code.empty())
        defaults.removeObject(std::string(appCurrencyCodeKey));
    else
        defaults.set(std::string(appCurrencyCodeKey), UserDefaults::Value{upper(code)});
}

std::string localeFor(std::string_view code) {
    const std::string wanted = upper(code);
    const std::string current = currentLocaleIdentifier();
    // Formatters are made per screen and per row; the answer only depends on these two texts.
    static std::mutex lock;
    static std::map<std::pair<std::string, std::string>, std::string> answers;
    {
        std::lock_guard guard(lock);
        if (const auto found = answers.find({current, wanted}); found != answers.end())
            return found->second;
    }
    std::string answer = chooseLocale(current, wanted);
    std::lock_guard guard(lock);
    answers.emplace(std::make_pair(current, wanted), answer);
    return answer;
}

NumberFormatter makeCurrencyFormatter(std::string_view code) {
    const std::string wanted = upper(code);
    return NumberFormatter::currency(localeFor(wanted), wanted);
}

NumberFormatter makeAppBasedCurrencyFormatter() {
    return makeCurrencyFormatter(appCurrencyCode());
}

const NumberFormatter& sharedCurrencyFormatter() {
    struct Cache {
        std::string locale;
        std::string code;
        std::optional<NumberFormatter> formatter;
    };
    static Cache cache;
    const std::string locale = currentLocaleIdentifier();
    const std::string code = appCurrencyCode();
    if (!cache.formatter || cache.locale != locale || cache.code != code) {
        cache.formatter.emplace(makeCurrencyFormatter(code));
        cache.locale = locale;
        cache.code = code;
    }
    return *cache.formatter;
}

} // namespace zt
