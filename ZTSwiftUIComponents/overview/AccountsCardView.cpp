#include "AccountsCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <algorithm>
#include <utility>

namespace zt {

std::vector<WidgetAccount> AccountsCardView::visibleAccounts() const {
    const auto n = static_cast<std::size_t>(std::clamp(visibleCount, 0, static_cast<int>(accounts.size())));
    return {accounts.begin(), accounts.begin() + static_cast<std::ptrdiff_t>(n)};
}

ui::View AccountsCardView::body() const {
    const bool empty = accounts.empty();
    std::vector<ui::View> content;
    content.push_back(ui::hstack({
        cardHeader(empty ? L("Finish Setup", "Accounts card title while there is no account")
                         : L("Accounts")),
        ui::spacer(),
        ui::button(L("Import CSV"), "document.badge.arrow.up", callIfSet(onImportCSV)).id("importCSV"),
        ui::button(L("Visible Accounts"), "slider.horizontal.3", callIfSet(onChooseVisibleCount))
            .id("chooseVisibleAccounts"),
    }));
    if (empty) {
        content.push_back(
            ui::button(L("Add Account"), "plus.square.on.square", callIfSet(onNewAccount)).id("addAccount"));
        return ui::vstack(std::move(content));
    }
    for (const auto& account : visibleAccounts()) {
        std::vector<ui::View> cells{ui::label(account.name, account.iconName)};
        if (syncingAccountIds.count(account.id))
            cells.push_back(ui::image("arrow.triangle.2.circlepath").accessibilityLabel(L("Syncing")));
        cells.push_back(ui::spacer());
        cells.push_back(ui::text(amountText(account.balance, formatter, isIncognito)).bold());
        if (selectedAccountId == account.id)
            cells.push_back(ui::image("checkmark"));
        content.push_back(
            ui::button(callIfSet(onSelectAccount, account.id), {ui::row(std::move(cells))}).id(account.id));
    }
    content.push_back(
        ui::button(L("New Account"), "plus.square.on.square", callIfSet(onNewAccount)).id("newAccount"));
    return ui::vstack(std::move(content));
}

int AccountsCardVisibilityPickerView::maximumCount(int accountCount) {
    return std::max(5, accountCount);
}

ui::View AccountsCardVisibilityPickerView::body() const {
    const int maximum = maximumCount(accountCount);
    std::vector<ui::PickerOption> options;
    for (int n = 1; n <= maximum; ++n)
        options.emplace_back(std::to_string(n));
    const int selected = std::clamp(selectedCount, 1, maximum);
    return ui::picker(L("Visible Accounts"), std::move(options), static_cast<std::size_t>(selected - 1),
                      [f = onChange](std::size_t index) {
                          if (f)
                              f(static_cast<int>(index) + 1);
                      })
        .id("visibleAccountsPicker");
}

} // namespace zt
