#pragma once

#include "ZTSwiftUIComponents/accountentry/AccountEntryControlling.h"
#include "ZTSwiftUIComponents/host/IconPickerServicing.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The form on which an account is created or edited: type, name, icon, then by type the card's
/// balance, limit, last statement and reminders, the loan's terms or the balance, then currency,
/// group and business use. Every edit goes straight into the controller's objects; "Save" hands
/// the account to the controller while its validation passes and no amount field holds a
/// mistake. Cancelling asks before discarding changes and then calls onWillDismiss. Copies of a
/// screen share its state.
class AccountEntryScreen {
public:
    /// Without an icon service the icons come from the bundled "account-icons" catalogue.
    explicit AccountEntryScreen(std::shared_ptr<AccountEntryControlling> controller,
                                std::function<void()> onWillDismiss = {},
                                std::shared_ptr<const IconPickerServicing> iconPickerService = nullptr);

    ui::View body() const;

    /// The form is shown: the name of a new account takes the focus.
    void onAppear() const;

    /// The controller's validation passes and every amount field reads as an acceptable number
    /// or is empty.
    bool canSave() const;
    /// Something differs from when the form was opened, or a field holds a mistake.
    bool hasChanges() const;

    bool showConfirmation() const;
    bool isCurrencyPickersVisible() const;
    bool isIconPickerVisible() const;
    std::optional<std::string> selectedIconId() const;

private:
    struct State;

    /// The icons the sheet offers for its search text.
    std::vector<std::string> offeredIcons() const;
    ui::View iconSheet() const;
    /// The card's sections (as a group), the loan's section or the balance section.
    ui::View typeDependentSection(const NumberFormatter& formatter) const;

    std::shared_ptr<AccountEntryControlling> controller_;
    std::function<void()> onWillDismiss_;
    std::shared_ptr<const IconPickerServicing> iconPickerService_;
    ui::ScreenState<State> state_;
};

} // namespace zt
