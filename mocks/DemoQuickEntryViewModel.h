#pragma once

#include "MockOverviewDatabase.h"
#include "QuickEntryParser.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/transactions/QuickEntryViewModelConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The demo host's quick entry: it reads the line with QuickEntryParser in the environment's
/// locale against the demo's categories and active accounts, suggests the categories, accounts and
/// earlier descriptions that the word being typed begins, and stores one transaction per entry in
/// the demo overview database (in the first account when none is named). An entry whose category
/// is an income category is an income. A line with a problem stores nothing.
class DemoQuickEntryViewModel : public QuickEntryViewModelConformable {
public:
    explicit DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database);
    DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                            std::vector<WidgetAccount> accounts,
                            std::vector<std::shared_ptr<WidgetCategory>> categories);

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
    bool save() override;
    std::string text(const std::any& item) const override;
    Color color(const std::any& item) const override;
    void select(const std::any& item) override;
    void reset() override { setTransactionText({}); }
    std::vector<std::string> problems() const override;

    /// The line as last read.
    const QuickEntryParse& parsed() const { return parsed_; }

private:
    void suggest();

    std::shared_ptr<MockOverviewDatabase> database_;
    std::vector<WidgetAccount> accountList_;
    std::vector<std::shared_ptr<WidgetCategory>> categoryList_;
    QuickEntryParser parser_;
    Published<std::string, DemoQuickEntryViewModel> text_{*this};
    Published<Date, DemoQuickEntryViewModel> selectedDate_;
    Date date_{};
    QuickEntryParse parsed_;
    SectionData accountsSection_;
    SectionData categoriesSection_;
    SectionData suggestionsSection_;
};

} // namespace zt
