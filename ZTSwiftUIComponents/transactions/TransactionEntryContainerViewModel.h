#pragma once

#include "ZTSwiftUIComponents/Location/LocationManager.h"
#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "ZTSwiftUIComponents/host/ExchangeRate.h"
#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/transactions/DatabaseConformable.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalViewModel.h"
#include "ZTSwiftUIComponents/transactions/TagsDatabaseConformable.h"
#include "ZTSwiftUIComponents/transactions/TransactionDescriptionViewModel.h"
#include "platform/Date.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The state of the transaction entry screen and the operations it calls. The library publishes
/// the state; a host subclasses it and overrides the operations to read and write its records
/// (the base versions are trivial). Main thread.
///
/// selectedAccount is assigned only through setSelectedAccount(), which refreshes exchangeRate
/// from updatedExchangeRate() after every assignment.
class TransactionEntryContainerViewModel : public ObservableObject {
public:
    /// transferAmountManager is the host's object for transfer amounts: the base class does not
    /// keep it (a subclass keeps its own). payeeDatabase and tagsDatabase may be empty while the
    /// host has no such store.
    TransactionEntryContainerViewModel(TransactionType type, std::string amountText,
                                       const std::shared_ptr<void>& transferAmountManager,
                                       std::shared_ptr<TransactionDescriptionViewModel> descriptionViewModel,
                                       std::shared_ptr<RepeatTransactionsModalViewModel> repeatViewModel,
                                       std::vector<WidgetAccount> accounts,
                                       std::optional<std::vector<WidgetAccount>> destinationTransferAccounts,
                                       std::shared_ptr<DatabaseConformable> payeeDatabase,
                                       std::shared_ptr<TagsDatabaseConformable> tagsDatabase,
                                       std::optional<BaseLocation> baseLocation, bool isEditMode,
                                       bool isTransactionTypePickerDisabled,
                                       std::vector<TransactionType> availableTransactionTypes);

    /// Expense, income or a side of a transfer; the type picker changes it.
    Published<TransactionType> type;
    /// When the transaction happened; the date row changes it unless canChangeDate is false.
    Published<Date> date;
    /// The account, or a transfer's source account. Assign with setSelectedAccount().
    Published<std::optional<WidgetAccount>, TransactionEntryContainerViewModel> selectedAccount{*this};
    /// A transfer's destination account.
    Published<std::optional<WidgetAccount>> selectedReceiverAccount{*this};
    /// The chosen category by name; none until the user picks one.
    Published<std::optional<std::string>> selectedCategoryName{*this};
    /// The amount, or an amount expression, as typed.
    Published<std::string> amountText;
    /// What a multicurrency transfer's destination receives.
    Published<std::string> amountReceiverText{*this};
    /// The rate of a multicurrency transfer as the host formats it; none hides it.
    Published<std::optional<std::string>> destinationExchangeRateFormatted{*this};
    /// The description, payee and tags of the entry.
    Published<std::shared_ptr<TransactionDescriptionViewModel>> descriptionViewModel;
    /// The repetition of the entry.
    Published<std::shared_ptr<RepeatTransactionsModalViewModel>> repeatViewModel;
    /// The host's payees; empty while it has none.
    Published<std::shared_ptr<DatabaseConformable>> payeeDatabase;
    /// The host's tags; empty while it has none.
    Published<std::shared_ptr<TagsDatabaseConformable>> tagsDatabase;
    /// Offered for selection.
    Published<std::vector<WidgetAccount>> accounts;
    /// Presents the account picker.
    Published<bool> selectAccountPressed{*this, false};
    /// Presents the category picker.
    Published<bool> selectCategoryPressed{*this, false};
    /// Presents the description editor.
    Published<bool> addDescriptionPressed{*this, false};
    /// Asks the host for its attachment screen.
    Published<bool> addAttachmentPressed{*this, false};
    /// Presents the repetition sheet.
    Published<bool> makeRepeatingPressed{*this, false};
    /// Presents the host's new-account screen.
    Published<bool> isNewAccountModal{*this, false};
    /// The group the new account is to be created in.
    Published<std::optional<std::string>> newAccountWithGroupId{*this};
    /// The rate of an entry in another currency than the application's; none when there is no
    /// conversion. Refreshed from updatedExchangeRate() whenever the account changes.
    Published<std::optional<ExchangeRate>> exchangeRate{*this};

    /// Offered as a transfer's destination; none lets the screen offer the other accounts.
    const std::optional<std::vector<WidgetAccount>> destinationTransferAccounts;
    /// The place section may fill in the current place by itself.
    bool isAutomaticLocationEnabled = true;
    /// Follows the device's position for the place section; none leaves the section out.
    std::shared_ptr<LocationManager> locationManager;
    /// Reads amounts typed by the user (decimal style of the locale at construction).
    const NumberFormatter formatter;
    /// The repetition row is shown but cannot be pressed.
    bool isRepeatingButtonDisabled = false;
    /// The date row can be changed.
    bool canChangeDate = true;
    /// An existing transaction is being edited.
    const bool isEditMode;
    /// The type picker is shown but cannot be changed.
    const bool isTransactionTypePickerDisabled;
    /// The type picker's segments, in this order.
    const std::vector<TransactionType> availableTransactionTypes;
    /// Lays the amount sections out for a phone; tablet hosts clear it.
    bool isRunningOniPhone = true;

    // Operations a host overrides; the base behaviour is noted.

    /// false.
    virtual bool hasAttachment() const;
    /// false: the screen then shows no calculator bar.
    virtual bool isKeyboardTypeCalculator() const;
    /// Nothing. Called by the subclass's own save path.
    virtual void prepareTransactionObjectForSaving(const WidgetAccount& account);
    /// Nothing. Called by the subclass's own save path.
    virtual void prepareTransferObjectForSaving();
    /// Stores the entry; true when the screen may close. Base: true exactly when amountText is not
    /// empty.
    virtual bool save();
    /// Nothing.
    virtual void cancel();
    /// Receives the amount whenever the amount text changes and reads as a number. Nothing.
    virtual void setupTransferAmountManager(double amount);
    /// The rate for the selected account; none.
    virtual std::optional<ExchangeRate> updatedExchangeRate();
    /// The account picker's choice: selects the account (refreshing the rate) and toggles
    /// selectAccountPressed.
    virtual void select(const WidgetAccount& account);

    /// Assigns selectedAccount, then exchangeRate = updatedExchangeRate().
    void setSelectedAccount(std::optional<WidgetAccount> account);
};

} // namespace zt
