#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <any>
#include <string>
#include <vector>

namespace zt {

/// One titled group of the host's objects that quick entry offers while the user types.
struct SectionData {
    /// Identifies the section among the others.
    std::string id;
    /// The section's title.
    std::string name;
    /// The host's objects; the model that made the section names and tints them.
    std::vector<std::any> data;
};

/// The host's model behind quick entry: it reads the typed line, suggests accounts, categories
/// and completions for what is being typed, and stores the transactions. Main thread.
class QuickEntryViewModelConformable : public ObservableObject {
public:
    /// The line typed so far.
    virtual const std::string& transactionText() const = 0;
    /// The text field changed; announces objectWillChange.
    virtual void setTransactionText(std::string text) = 0;
    /// The date and time of the screen's date picker.
    virtual Date selectedDate() const = 0;
    /// The date picker changed; announces objectWillChange.
    virtual void setSelectedDate(Date date) = 0;
    /// Accounts matching what is being typed; its data is empty when none match.
    virtual const SectionData& accounts() const = 0;
    /// Categories matching what is being typed; its data is empty when none match.
    virtual const SectionData& categories() const = 0;
    /// Other completions of what is being typed; its data is empty when there are none.
    virtual const SectionData& suggestions() const = 0;
    /// Whether the text has characters other than white space and line breaks.
    virtual bool hasTransactionText() const;
    /// The date the transactions get on saving.
    virtual Date date() const = 0;
    /// Saving sets it to selectedDate() right before save().
    virtual void setDate(Date date) = 0;
    /// Stores the transactions the text describes; false when nothing was stored because the
    /// text cannot be read, and the screen then stays open with the text as typed.
    virtual bool save() = 0;
    /// The row text of a suggested object.
    virtual std::string text(const std::any& item) const = 0;
    /// The tint of a suggested object's row.
    virtual Color color(const std::any& item) const = 0;
    /// The user chose a suggested object (the model may complete the word being typed).
    virtual void select(const std::any& item) = 0;
    /// The screen closed without saving.
    virtual void reset() = 0;
    /// What the model cannot read in the text, one line per problem; none while it can save.
    virtual std::vector<std::string> problems() const { return {}; }

    /// accounts, categories and suggestions, in this order, without the empty ones.
    std::vector<SectionData> visibleSections() const;
};

/// The demo model: empty sections, every item named "none" in the negative red, and operations
/// that store nothing.
class MockQuickEntryViewModel : public QuickEntryViewModelConformable {
public:
    MockQuickEntryViewModel();

    /// Behind transactionText(); starts empty.
    Published<std::string, MockQuickEntryViewModel> transactionTextValue{*this};
    /// Behind selectedDate(); starts at the environment's now.
    Published<Date, MockQuickEntryViewModel> selectedDateValue{*this};
    /// Behind accounts(); empty.
    SectionData accountsSection{"accounts", "Accounts", {}};
    /// Behind categories(); empty.
    SectionData categoriesSection{"categories", "Categories", {}};
    /// Behind suggestions(); empty.
    SectionData suggestionsSection{"suggestions", "Suggestions", {}};
    /// Behind date(); set by setDate() only.
    Date storedDate{};

    const std::string& transactionText() const override { return transactionTextValue(); }
    void setTransactionText(std::string text) override { transactionTextValue.set(std::move(text)); }
    Date selectedDate() const override { return selectedDateValue(); }
    void setSelectedDate(Date date) override { selectedDateValue.set(date); }
    const SectionData& accounts() const override { return accountsSection; }
    const SectionData& categories() const override { return categoriesSection; }
    const SectionData& suggestions() const override { return suggestionsSection; }
    Date date() const override { return storedDate; }
    void setDate(Date date) override { storedDate = date; }
    bool save() override { return true; }
    std::string text(const std::any&) const override { return "none"; }
    Color color(const std::any&) const override { return negativeAmountColor; }
    void select(const std::any&) override {}
    void reset() override {}
};

} // namespace zt
