#pragma once

#include "QuickEntryParser.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/transactions/QuickEntryViewModelConformable.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Quick entry read with QuickEntryParser in the environment's locale against a host's categories
/// and active accounts: it suggests the categories, accounts and earlier descriptions that the word
/// being typed begins, and saves one transaction per entry (in the first account when none is
/// named; an entry whose category is an income category is an income). A line with a problem
/// stores nothing. Hosts say where earlier descriptions come from and how entries are stored.
class ParsedQuickEntryViewModel : public QuickEntryViewModelConformable {
public:
    /// How many suggestions each section offers at most.
    static constexpr std::size_t suggestionLimit = 5;

    const std::string& transactionText() const override { return text_(); }
    void setTransactionText(std::string text) override;
    Date selectedDate() const override { return selectedDate_(); }
    void setSelectedDate(Date date) override { selectedDate_.set(date); }
    const SectionData& accounts() const override { return accountsSection_; }
    const SectionData& categories() const override { return categoriesSection_; }
    const SectionData& suggestions() const override { return suggestionsSection_; }
    Date date() const override { return date_; }
    void setDate(Date date) override { date_ = date; }
    /// Stores the entries all or none and clears the text; false, with the text kept, when the
    /// line has a problem or the host could not store it (problems() then says so).
    bool save() final;
    std::string text(const std::any& item) const override;
    Color color(const std::any& item) const override;
    void select(const std::any& item) override;
    void reset() override { setTransactionText({}); }
    std::vector<std::string> problems() const override;

    /// The line as last read.
    const QuickEntryParse& parsed() const { return parsed_; }

protected:
    ParsedQuickEntryViewModel(std::vector<WidgetAccount> accounts, WidgetCategoryList categories);

    const std::vector<WidgetAccount>& accountList() const { return accountList_; }
    const WidgetCategoryList& categoryList() const { return categoryList_; }

    /// Descriptions of earlier transactions, most recent first, that the typed word may complete to.
    virtual std::vector<std::string> recentDescriptions() const = 0;
    /// Stores the entries of one line, all or none; throws std::exception when it stored nothing.
    virtual void store(const std::vector<QuickEntry>& entries) = 0;

private:
    void suggest();

    std::vector<WidgetAccount> accountList_;
    WidgetCategoryList categoryList_;
    QuickEntryParser parser_;
    Published<std::string, ParsedQuickEntryViewModel> text_{*this};
    Published<Date, ParsedQuickEntryViewModel> selectedDate_;
    Date date_{};
    QuickEntryParse parsed_;
    /// The host refused the last save of this text.
    bool storeFailed_ = false;
    SectionData accountsSection_;
    SectionData categoriesSection_;
    SectionData suggestionsSection_;
};

} // namespace zt
