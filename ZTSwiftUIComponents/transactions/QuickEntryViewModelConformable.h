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
    std::string id;
    std::string name;
    /// The host's objects; the model that made the section names and tints them.
    std::vector<std::any> data;
};

/// The host's model behind quick entry: it reads the typed line, suggests accounts, categories
/// and completions for what is being typed, and stores the transactions. Main thread.
class QuickEntryViewModelConformable : public ObservableObject {
public:
    virtual const std::string& transactionText() const = 0;
    virtual void setTransactionText(std::string text) = 0;
    virtual Date selectedDate() const = 0;
    virtual void setSelectedDate(Date date) = 0;
    virtual const SectionData& accounts() const = 0;
    virtual const SectionData& categories() const = 0;
    virtual const SectionData& suggestions() const = 0;
    /// Whether the text has characters other than white space and line breaks.
    virtual bool hasTransactionText() const;
    /// The date the transactions get on saving.
    virtual Date date() const = 0;
    virtual void setDate(Date date) = 0;
    /// Stores the transactions the text describes; false when nothing was stored because the
    /// text cannot be read, and the screen then stays open with the text as typed.
    virtual bool save() = 0;
    /// The row text and tint of a suggested object.
    virtual std::string text(const std::any& item) const = 0;
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

    Published<std::string, MockQuickEntryViewModel> transactionTextValue{*this};
    Published<Date, MockQuickEntryViewModel> selectedDateValue{*this};
    SectionData accountsSection{"accounts", "Accounts", {}};
    SectionData categoriesSection{"categories", "Categories", {}};
    SectionData suggestionsSection{"suggestions", "Suggestions", {}};
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
