#include "ParsedQuickEntryViewModel.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <exception>
#include <set>

namespace zt {

namespace {

template <class T, class Name>
std::vector<std::string> quickEntryNames(const std::vector<T>& items, Name name) {
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(name(item));
    return names;
}

/// Whether a word of name begins with the folded prefix.
bool quickEntryNameBegins(std::string_view name, const std::string& prefix) {
    for (const auto word : QuickEntryParser::words(name))
        if (QuickEntryParser::folded(word).starts_with(prefix))
            return true;
    return false;
}

/// The word being typed at the end of the line: empty after a space or a bar, or while the entry
/// has only its amount.
std::string_view quickEntryTypedWord(std::string_view text) {
    const auto bar = text.rfind('|');
    const auto entry = bar == std::string_view::npos ? text : text.substr(bar + 1);
    if (entry.empty() || entry.back() == ' ' || entry.back() == '\n' || entry.back() == '\t')
        return {};
    const auto words = QuickEntryParser::words(entry);
    return words.size() < 2 ? std::string_view{} : words.back();
}

} // namespace

ParsedQuickEntryViewModel::ParsedQuickEntryViewModel(std::vector<WidgetAccount> accounts,
                                                     WidgetCategoryList categories)
    : accountList_(std::move(accounts)), categoryList_(std::move(categories)),
      parser_(quickEntryNames(categoryList_, [](const auto& c) { return c->name; }),
              quickEntryNames(accountList_, [](const auto& a) { return a.name; }),
              Environment::current().localeIdentifier()),
      selectedDate_(*this, Environment::current().now()),
      date_(Environment::current().now()), accountsSection_{"accounts", L("Accounts"), {}},
      categoriesSection_{"categories", L("Categories"), {}}, suggestionsSection_{
                                                                 "suggestions", L("Suggestions"), {}} {}

void ParsedQuickEntryViewModel::setTransactionText(std::string text) {
    parsed_ = parser_.parse(text);
    storeFailed_ = false;
    text_.assign(std::move(text));
    suggest();
    text_.notify();
}

void ParsedQuickEntryViewModel::suggest() {
    accountsSection_.data.clear();
    categoriesSection_.data.clear();
    suggestionsSection_.data.clear();
    const auto typed = quickEntryTypedWord(text_());
    if (typed.empty())
        return;
    const auto prefix = QuickEntryParser::folded(typed);
    for (const auto& category : categoryList_)
        if (categoriesSection_.data.size() < suggestionLimit && quickEntryNameBegins(category->name, prefix))
            categoriesSection_.data.emplace_back(category);
    for (const auto& account : accountList_)
        if (accountsSection_.data.size() < suggestionLimit && quickEntryNameBegins(account.name, prefix))
            accountsSection_.data.emplace_back(account);
    std::set<std::string> seen;
    for (auto& description : recentDescriptions()) {
        if (suggestionsSection_.data.size() >= suggestionLimit)
            break;
        if (!description.empty() && quickEntryNameBegins(description, prefix) &&
            seen.insert(description).second)
            suggestionsSection_.data.emplace_back(std::move(description));
    }
}

std::vector<std::string> ParsedQuickEntryViewModel::problems() const {
    std::vector<std::string> lines;
    for (const auto& problem : parsed_.problems) {
        switch (problem.kind) {
        case QuickEntryProblem::Kind::notAnAmount:
            lines.push_back(
                format(L("Entry %d: “%@” is not an amount.", "%d is the entry's number, %@ what was typed"),
                       static_cast<long long>(problem.entry), problem.text));
            break;
        case QuickEntryProblem::Kind::notPositive:
            lines.push_back(
                format(L("Entry %d: the amount must be greater than zero.", "%d is the entry's number"),
                       static_cast<long long>(problem.entry)));
            break;
        case QuickEntryProblem::Kind::tooLong:
            lines.push_back(format(L("The text is too long (at most %d characters).", "Quick entry"),
                                   static_cast<long long>(QuickEntryParser::maxLength)));
            break;
        case QuickEntryProblem::Kind::tooManyEntries:
            lines.push_back(format(L("Too many entries (at most %d).", "Quick entry"),
                                   static_cast<long long>(QuickEntryParser::maxEntries)));
            break;
        }
    }
    if (storeFailed_)
        lines.push_back(L("The transactions could not be saved.", "Quick entry"));
    return lines;
}

bool ParsedQuickEntryViewModel::save() {
    if (!parsed_.problems.empty() || parsed_.entries.empty() || accountList_.empty())
        return false;
    console("Saving transaction....");
    try {
        store(parsed_.entries);
    } catch (const std::exception& e) {
        console(std::string("Quick entry not saved: ") + e.what());
        objectWillChange.notify(); // problems() changes
        storeFailed_ = true;
        return false;
    }
    setTransactionText({});
    return true;
}

std::string ParsedQuickEntryViewModel::text(const std::any& item) const {
    if (const auto* category = std::any_cast<std::shared_ptr<WidgetCategory>>(&item))
        return (*category)->name;
    if (const auto* account = std::any_cast<WidgetAccount>(&item))
        return account->name;
    if (const auto* description = std::any_cast<std::string>(&item))
        return *description;
    return {};
}

Color ParsedQuickEntryViewModel::color(const std::any& item) const {
    if (const auto* category = std::any_cast<std::shared_ptr<WidgetCategory>>(&item))
        return (*category)->isIncome() ? positiveAmountColor : negativeAmountColor;
    return Theme::shared().accentColor;
}

void ParsedQuickEntryViewModel::select(const std::any& item) {
    const auto name = text(item);
    if (name.empty())
        return;
    std::string line = text_();
    line.resize(line.size() - quickEntryTypedWord(line).size());
    setTransactionText(line + name + " ");
}

} // namespace zt
