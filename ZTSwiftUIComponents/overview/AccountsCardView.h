#pragma once

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// The accounts card: the first visibleCount accounts with their balances, a marker on those whose
/// bank synchronisation is running, and the add, import and visible-count actions. Without
/// accounts it invites the user to finish the set-up.
struct AccountsCardView {
    std::vector<WidgetAccount> accounts;
    int visibleCount = 5;
    std::set<std::string> syncingAccountIds;
    NumberFormatter formatter = makeAppBasedCurrencyFormatter();
    bool isIncognito = false;
    std::optional<std::string> selectedAccountId;
    std::function<void(const std::string&)> onSelectAccount;
    std::function<void()> onNewAccount;
    std::function<void()> onImportCSV;
    std::function<void()> onChooseVisibleCount;

    std::vector<WidgetAccount> visibleAccounts() const;
    ui::View body() const;
};

/// The chooser "Visible Accounts": from 1 to maximumCount(accountCount).
struct AccountsCardVisibilityPickerView {
    int accountCount = 0;
    int selectedCount = 5;
    std::function<void(int)> onChange;

    /// The larger of 5 and the number of accounts.
    static int maximumCount(int accountCount);
    ui::View body() const;
};

} // namespace zt
