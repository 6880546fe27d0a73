#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// The one rule by which the library reads an amount typed by a user, in the user's locale:
/// surrounding spaces are ignored; one leading sign ("+", "-" or "−") is allowed; the locale's
/// decimal separator marks the fraction; the locale's grouping separator is accepted only where
/// it groups correctly ("1.250,50" in German, "1,250.50" in English, never "1,5" in English).
/// Where the locale groups with a space or an apostrophe-like mark, the plain space and
/// apostrophe a keyboard types are accepted for it. Anything else (letters, a second separator,
/// trailing garbage, an empty text) is not a number.
std::optional<double> parseAmount(std::string_view text, const std::string& localeIdentifier);

/// One amount field: the text exactly as the user typed it, never dropped or replaced behind
/// their back, and what it reads as under parseAmount(). A form disables its save while any of
/// its fields isInvalid().
class AmountField {
public:
    /// An empty field in the environment's locale.
    AmountField();
    explicit AmountField(std::string text, std::optional<std::string> localeIdentifier = std::nullopt);
    /// A field showing value (none: empty) as the locale writes it without grouping, so that it
    /// reads back as the same value.
    static AmountField showing(std::optional<double> value,
                               std::optional<std::string> localeIdentifier = std::nullopt);

    const std::string& text() const { return text_; }
    const std::string& localeIdentifier() const { return locale_; }
    /// The amount; none while the field is empty or invalid.
    std::optional<double> value() const { return value_; }
    /// Nothing but spaces.
    bool isEmpty() const { return empty_; }
    /// Some text that is not wholly a number.
    bool isInvalid() const { return !empty_ && !value_; }

    /// Takes the user's new text and reads it again.
    void setText(std::string text);
    /// Follows a value that changed elsewhere: shows it, unless the field already reads as that
    /// value or holds text that is no number (which stays for the user to correct).
    void follow(std::optional<double> value);

    bool operator==(const AmountField&) const = default;

private:
    std::string text_;
    std::string locale_;
    std::optional<double> value_;
    bool empty_ = true;
};

} // namespace zt
