#include "StringTable.h"

#include "DataDirectories.h"
#include "Environment.h"
#include "LocaleNames.h"

#include <algorithm>
#include <boost/locale/generator.hpp>
#include <boost/locale/message.hpp>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <locale>
#include <map>
#include <mutex>

namespace zt {

namespace {

using MessageFacet = boost::locale::message_format<char>;

struct Catalogues {
    std::mutex mutex;
    std::string directory; // set by the host; empty: environment variable or default
    // Keyed by directory and locale identifier as the caller spelt it, so a hit costs no parsing.
    std::map<std::string, std::locale, std::less<>> locales;
};

Catalogues& catalogues() {
    static Catalogues instance;
    return instance;
}

// Must hold the mutex.
std::string currentDirectory(const Catalogues& c) {
    if (!c.directory.empty())
        return c.directory;
    if (const char* fromEnvironment = std::getenv("ZT_LOCALE_DIR"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return defaultDataDirectories().stringTables;
}

// gettext's spelling of a locale: language and region only ("de-DE" -> "de_DE.UTF-8"); gettext
// then tries "de_DE" and "de". Empty for identifiers that name no language.
std::string gettextName(std::string_view identifier) {
    const icu::Locale locale = icu_bridge::locale(identifier);
    if (locale.isBogus() || !*locale.getLanguage())
        return {};
    std::string name = locale.getLanguage();
    if (*locale.getCountry())
        name += std::string("_") + locale.getCountry();
    return name + ".UTF-8";
}

std::locale makeLocale(const std::string& directory, std::string_view identifier) {
    const std::string name = gettextName(identifier);
    if (name.empty() || directory.empty())
        return std::locale::classic();
    try {
        boost::locale::generator generator;
        generator.categories(boost::locale::message_facet);
        generator.add_messages_path(directory);
        generator.add_messages_domain(std::string(libraryStringDomain));
        generator.add_messages_domain(std::string(hostStringDomain));
        return generator.generate(name);
    } catch (const std::exception&) {
        // An unreadable or malformed catalogue leaves the texts in English.
        return std::locale::classic();
    }
}

std::locale cataloguesFor(std::string_view identifier) {
    Catalogues& c = catalogues();
    std::lock_guard lock(c.mutex);
    const std::string directory = currentDirectory(c);
    std::string key = directory;
    key += '\n';
    key += identifier;
    if (auto found = c.locales.find(key); found != c.locales.end())
        return found->second;
    return c.locales.emplace(std::move(key), makeLocale(directory, identifier)).first->second;
}

std::string lookUp(std::string_view domain, std::string_view source, const std::locale& locale,
                   std::string_view context = {}) {
    std::string id(source);
    // gettext keeps the catalogue's header under the empty id.
    if (id.empty() || !std::has_facet<MessageFacet>(locale))
        return id;
    const MessageFacet& facet = std::use_facet<MessageFacet>(locale);
    const int domainId = facet.domain(std::string(domain));
    if (domainId < 0)
        return id;
    const std::string contextName(context);
    const char* translated = facet.get(domainId, context.empty() ? nullptr : contextName.c_str(), id.c_str());
    return translated ? std::string(translated) : id;
}

} // namespace

std::string localizedString(std::string_view domain, std::string_view source,
                            std::string_view localeIdentifier) {
    return lookUp(domain, source, cataloguesFor(localeIdentifier));
}

std::string L(std::string_view source, std::string_view /*comment*/) {
    return localizedString(libraryStringDomain, source, Environment::current().localeIdentifier());
}

std::string L(std::string_view source, std::string_view /*comment*/, TextContext context) {
    return lookUp(libraryStringDomain, source, cataloguesFor(Environment::current().localeIdentifier()),
                  context.name);
}

std::string LHost(std::string_view source, std::string_view /*comment*/) {
    return localizedString(hostStringDomain, source, Environment::current().localeIdentifier());
}

void setStringTableDirectory(std::string path) {
    Catalogues& c = catalogues();
    std::lock_guard lock(c.mutex);
    c.directory = std::move(path);
    // Entries of other directories stay valid for a switch back; they are few.
}

std::string stringTableDirectory() {
    Catalogues& c = catalogues();
    std::lock_guard lock(c.mutex);
    return currentDirectory(c);
}

// ---------------------------------------------------------------------------------------------
// format()

namespace {

struct Directive {
    int position = 0; // 1-based when positional
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits, saturating so that absurd widths cannot overflow.
int readNumber(std::string_view text, size_t& i) {
    int value = 0;
    while (i < text.size() && isDigit(text[i])) {
        value = std::min(value * 10 + (text[i] - '0'), 100000);
        ++i;
    }
    return value;
}

template <class T> std::string integerText(T value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string realText(double value, int precision) {
    if (value != value)
        return "nan";
    if (value == std::numeric_limits<double>::infinity())
        return "inf";
    if (value == -std::numeric_limits<double>::infinity())
        return "-inf";
    char buffer[512];
    const auto result = precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value)
                                      : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                      std::chars_format::fixed, std::min(precision, 100));
    if (result.ec != std::errc())
        return std::to_string(value);
    return std::string(buffer, result.ptr);
}

std::string render(const Directive& directive, const FormatArgument& argument) {
    using Kind = FormatArgument::Kind;
    const bool wantsReal = directive.conversion == 'f';
    const bool wantsInteger =
        directive.conversion == 'd' || directive.conversion == 'i' || directive.conversion == 'u';
    std::string body;
    bool numeric = false;
    switch (argument.kind()) {
    case Kind::text:
        body = std::string(argument.text());
        break;
    case Kind::signedInteger:
        body = wantsReal ? realText(static_cast<double>(argument.signedInteger()),
                                    directive.precision < 0 ? 6 : directive.precision)
                         : integerText(argument.signedInteger());
        numeric = true;
        break;
    case Kind::unsignedInteger:
        body = wantsReal ? realText(static_cast<double>(argument.unsignedInteger()),
                                    directive.precision < 0 ? 6 : directive.precision)
                         : integerText(argument.unsignedInteger());
        numeric = true;
        break;
    case Kind::real:
        // An integer specifier does not truncate a real: the value is written in full.
        body =
            realText(argument.real(), wantsReal ? (directive.precision < 0 ? 6 : directive.precision) : -1);
        numeric = true;
        break;
    }
    if (numeric && directive.plusSign && (wantsInteger || wantsReal) && !body.empty() && body[0] != '-')
        body.insert(body.begin(), '+');

    // Width counts characters, not UTF-8 bytes.
    int length = 0;
    for (unsigned char c : body)
        length += (c & 0xC0) != 0x80;
    if (length >= directive.width)
        return body;
    const size_t fill = static_cast<size_t>(directive.width - length);
    if (directive.leftAlign)
        return body + std::string(fill, ' ');
    if (directive.zeroPad && numeric && (wantsInteger || wantsReal)) {
        const size_t signLength = !body.empty() && (body[0] == '-' || body[0] == '+') ? 1 : 0;
        return body.insert(signLength, fill, '0');
    }
    return std::string(fill, ' ') + body;
}

} // namespace

std::string formatArguments(std::string_view format, std::span<const FormatArgument> arguments) {
    std::string out;
    out.reserve(format.size() + 16 * arguments.size());
    size_t nextSequential = 0;
    size_t i = 0;
    while (i < format.size()) {
        const size_t percent = format.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(format.substr(i));
            break;
        }
        out.append(format.substr(i, percent - i));
        size_t j = percent + 1;
        if (j < format.size() && format[j] == '%') {
            out += '%';
            i = j + 1;
            continue;
        }

        Directive directive;
        // "%2$@": digits followed by '$' name the argument; otherwise they are a width.
        if (size_t k = j; k < format.size() && isDigit(format[k]) && format[k] != '0') {
            const int number = readNumber(format, k);
            if (k < format.size() && format[k] == '$') {
                directive.position = number;
                j = k + 1;
            }
        }
        for (; j < format.size(); ++j) {
            if (format[j] == '-')
                directive.leftAlign = true;
            else if (format[j] == '0')
                directive.zeroPad = true;
            else if (format[j] == '+')
                directive.plusSign = true;
            else if (format[j] != ' ' && format[j] != '#')
                break;
        }
        directive.width = readNumber(format, j);
        if (j < format.size() && format[j] == '.') {
            ++j;
            directive.precision = readNumber(format, j);
        }
        while (j < format.size() &&
               (format[j] == 'l' || format[j] == 'h' || format[j] == 'q' || format[j] == 'z' ||
                format[j] == 'j' || format[j] == 't' || format[j] == 'L'))
            ++j;
        if (j >= format.size()) {
            out.append(format.substr(percent));
            break;
        }
        directive.conversion = format[j];
        const std::string_view whole = format.substr(percent, j + 1 - percent);
        i = j + 1;

        const bool known = directive.conversion == '@' || directive.conversion == 's' ||
                           directive.conversion == 'd' || directive.conversion == 'i' ||
                           directive.conversion == 'u' || directive.conversion == 'f';
        if (!known) {
            out.append(whole);
            continue;
        }
        const size_t index =
            directive.position > 0 ? static_cast<size_t>(directive.position - 1) : nextSequential++;
        if (index >= arguments.size()) {
            out.append(whole);
            continue;
        }
        out += render(directive, arguments[index]);
    }
    return out;
}

} // namespace zt
