#include "QuickEntryParser.h"

#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/AmountInput.h"

#include <algorithm>

namespace zt {

namespace {

bool isQuickEntrySpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimmedEntry(std::string_view text) {
    while (!text.empty() && isQuickEntrySpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isQuickEntrySpace(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string QuickEntryParser::folded(std::string_view text) {
    // Most words are ASCII: lower-casing is their whole fold, without a trip through ICU.
    if (std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; }))
        return lowercasedName(text);
    return foldedForSearch(text);
}

std::vector<std::string_view> QuickEntryParser::words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isQuickEntrySpace(text[i]))
            ++i;
        const auto start = i;
        while (i < text.size() && !isQuickEntrySpace(text[i]))
            ++i;
        if (i > start)
            result.push_back(text.substr(start, i - start));
    }
    return result;
}

void QuickEntryParser::Names::add(std::size_t index, std::string_view name) {
    Name entry{index, {}};
    for (const auto word : QuickEntryParser::words(name))
        entry.words.push_back(QuickEntryParser::folded(word));
    if (entry.words.empty())
        return;
    auto first = entry.words.front();
    byFirstWord[std::move(first)].push_back(std::move(entry));
}

std::optional<std::size_t> QuickEntryParser::Names::match(const std::vector<std::string>& words,
                                                          std::vector<bool>& used) const {
    const Name* best = nullptr;
    std::size_t bestStart = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (used[i])
            continue;
        const auto found = byFirstWord.find(words[i]);
        if (found == byFirstWord.end())
            continue;
        for (const auto& name : found->second) {
            const auto count = name.words.size();
            if (i + count > words.size())
                continue;
            bool matches = true;
            for (std::size_t k = 0; k < count && matches; ++k)
                matches = !used[i + k] && words[i + k] == name.words[k];
            if (!matches)
                continue;
            if (!best || count > best->words.size() ||
                (count == best->words.size() && name.index < best->index)) {
                best = &name;
                bestStart = i;
            }
        }
    }
    if (!best)
        return std::nullopt;
    for (std::size_t k = 0; k < best->words.size(); ++k)
        used[bestStart + k] = true;
    return best->index;
}

QuickEntryParser::QuickEntryParser(std::vector<std::string> categoryNames,
                                   std::vector<std::string> accountNames, std::string localeIdentifier)
    : locale_(std::move(localeIdentifier)) {
    for (std::size_t i = 0; i < categoryNames.size(); ++i)
        categories_.add(i, categoryNames[i]);
    for (std::size_t i = 0; i < accountNames.size(); ++i)
        accounts_.add(i, accountNames[i]);
}

QuickEntryParse QuickEntryParser::parse(std::string_view text) const {
    QuickEntryParse result;
    if (text.size() > maxLength) {
        result.problems.push_back({QuickEntryProblem::Kind::tooLong, 0, {}});
        return result;
    }
    std::size_t number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('|', start);
        if (end == std::string_view::npos)
            end = text.size();
        const auto entryText = trimmedEntry(text.substr(start, end - start));
        start = end + 1;
        if (entryText.empty())
            continue;
        if (++number > maxEntries) {
            result.entries.clear();
            result.problems = {{QuickEntryProblem::Kind::tooManyEntries, number, {}}};
            return result;
        }
        const auto entryWords = words(entryText);
        const auto amountText = entryWords.front();
        const auto amount = parseAmount(amountText, locale_);
        if (!amount) {
            result.problems.push_back(
                {QuickEntryProblem::Kind::notAnAmount, number, std::string(amountText)});
            continue;
        }
        if (!(*amount > 0)) {
            result.problems.push_back(
                {QuickEntryProblem::Kind::notPositive, number, std::string(amountText)});
            continue;
        }
        std::vector<std::string> foldedWords;
        foldedWords.reserve(entryWords.size() - 1);
        for (std::size_t i = 1; i < entryWords.size(); ++i)
            foldedWords.push_back(folded(entryWords[i]));
        std::vector<bool> used(foldedWords.size(), false);
        QuickEntry entry;
        entry.amount = *amount;
        entry.category = categories_.match(foldedWords, used);
        entry.account = accounts_.match(foldedWords, used);
        for (std::size_t i = 0; i < foldedWords.size(); ++i) {
            if (used[i])
                continue;
            if (!entry.description.empty())
                entry.description.push_back(' ');
            entry.description += entryWords[i + 1];
        }
        result.entries.push_back(std::move(entry));
    }
    return result;
}

} // namespace zt
