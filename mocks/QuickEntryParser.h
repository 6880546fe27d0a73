#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zt {

/// One transaction read from a quick-entry line.
struct QuickEntry {
    double amount = 0;
    /// Positions in the parser's lists; none when no name matched.
    std::optional<std::size_t> category;
    std::optional<std::size_t> account;
    /// The words that named neither, in their order, as typed.
    std::string description;

    bool operator==(const QuickEntry&) const = default;
};

/// Why the line (or one entry of it, counted from 1) cannot be read.
struct QuickEntryProblem {
    enum class Kind { notAnAmount, notPositive, tooLong, tooManyEntries };
    Kind kind;
    std::size_t entry = 0;
    /// The text that is not an amount.
    std::string text;

    bool operator==(const QuickEntryProblem&) const = default;
};

struct QuickEntryParse {
    std::vector<QuickEntry> entries;
    std::vector<QuickEntryProblem> problems;
};

/// Reads the quick-entry line "3,24 Coffee | 5 Transport Wallet | 12 Food": entries separated by
/// "|" (empty ones skipped), each starting with an amount in the locale's form, then words. The
/// words name at most one category and one account, compared without regard to case or
/// diacritics, a name matching as whole words in a row. The category is found first, then the
/// account among the words left. The longest matching name wins; between names of equal length
/// the one earlier in the list. The words left over are the description. An amount that is not
/// wholly a number, or not above zero, is reported for its entry; nothing is guessed.
class QuickEntryParser {
public:
    static constexpr std::size_t maxLength = 4000;
    static constexpr std::size_t maxEntries = 50;

    QuickEntryParser(std::vector<std::string> categoryNames, std::vector<std::string> accountNames,
                     std::string localeIdentifier);

    QuickEntryParse parse(std::string_view text) const;

    /// A word or name as the matching compares it.
    static std::string folded(std::string_view text);
    /// The text's words, split at white space.
    static std::vector<std::string_view> words(std::string_view text);

private:
    struct Name {
        std::size_t index;
        std::vector<std::string> words;
    };
    struct Names {
        /// By first word.
        std::unordered_map<std::string, std::vector<Name>> byFirstWord;
        void add(std::size_t index, std::string_view name);
        /// The index of the best name among the words not yet used, whose words it then marks used.
        std::optional<std::size_t> match(const std::vector<std::string>& words,
                                         std::vector<bool>& used) const;
    };

    Names categories_;
    Names accounts_;
    std::string locale_;
};

} // namespace zt
