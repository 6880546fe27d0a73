#pragma once

#include <array>
#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace zt {

/// The user-visible text for an English source text in the library's string table (domain
/// "ZTSwiftUIComponents"), for the environment's locale; the source itself when the locale has no
/// table or the table no entry. The comment is for translators only (a "#." line in the .po file).
std::string L(std::string_view source, std::string_view comment = {});
/// The same in the host's string table (domain "ZTFoundation").
std::string LHost(std::string_view source, std::string_view comment = {});

/// A gettext context ("msgctxt") that tells one use of a source text from another that a language
/// translates differently (German "Einnahme" as a transaction's type, "Einnahmen" as a column).
struct TextContext {
    std::string_view name;
};
/// L() for a source text in a context: the catalogue's entry with that msgctxt, else the source.
std::string L(std::string_view source, std::string_view comment, TextContext context);

inline constexpr std::string_view libraryStringDomain = "ZTSwiftUIComponents";
inline constexpr std::string_view hostStringDomain = "ZTFoundation";

/// Looks the source text up in one domain for the given locale ("de_DE", "de-DE" and "de" all
/// find the German table). Tables are loaded once per locale and directory, without touching the
/// process's locale or environment.
std::string localizedString(std::string_view domain, std::string_view source,
                            std::string_view localeIdentifier);

/// The directory that holds `<language>/LC_MESSAGES/<domain>.mo`: the one set here, else the
/// ZT_LOCALE_DIR variable, else the library's own (defaultDataDirectories(): the build's, or the
/// install prefix's for an installed copy). Setting an empty path goes back to the others.
void setStringTableDirectory(std::string path);
std::string stringTableDirectory();

/// One value for format(): text, integer or floating point, kept by reference for texts.
class FormatArgument {
public:
    enum class Kind { text, signedInteger, unsignedInteger, real };

    FormatArgument(std::string_view text) : kind_(Kind::text), text_(text) {}
    FormatArgument(const std::string& text) : kind_(Kind::text), text_(text) {}
    FormatArgument(const char* text) : kind_(Kind::text), text_(text ? text : "(null)") {}
    // A lone char is ambiguous (a letter or a small number): make callers say which.
    FormatArgument(char) = delete;
    template <std::integral T>
    requires(!std::same_as<T, char>) FormatArgument(T value) {
        if constexpr (std::is_signed_v<T>) {
            kind_ = Kind::signedInteger;
            signed_ = value;
        } else {
            kind_ = Kind::unsignedInteger;
            unsigned_ = value;
        }
    }
    template <std::floating_point T>
    FormatArgument(T value) : kind_(Kind::real), real_(static_cast<double>(value)) {}

    Kind kind() const { return kind_; }
    std::string_view text() const { return text_; }
    long long signedInteger() const { return signed_; }
    unsigned long long unsignedInteger() const { return unsigned_; }
    double real() const { return real_; }

private:
    Kind kind_ = Kind::text;
    std::string_view text_;
    long long signed_ = 0;
    unsigned long long unsigned_ = 0;
    double real_ = 0;
};

/// Fills a printf-style format as the platform's string formatting does for the specifiers our
/// texts use: "%@" and "%s" (text), "%d", "%i", "%u" with the length modifiers "l", "ll", "q",
/// "z", "h" (integers), "%f" with an optional precision ("%.2f"), flags "-", "0", "+" and a width,
/// positional forms ("%2$@", "%1$lld") that translations use to reorder, and "%%". A value of
/// another kind than its specifier asks for is written as text rather than reinterpreted; a
/// specifier without a value or of an unknown kind is copied unchanged.
std::string formatArguments(std::string_view format, std::span<const FormatArgument> arguments);

template <class... Args> std::string format(std::string_view fmt, const Args&... args) {
    const std::array<FormatArgument, sizeof...(Args)> list{FormatArgument(args)...};
    return formatArguments(fmt, list);
}

} // namespace zt
