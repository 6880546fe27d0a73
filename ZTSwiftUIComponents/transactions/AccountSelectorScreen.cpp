#include "AccountSelectorScreen.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/TransferAccountItemView.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <utility>

namespace zt {

AccountSelectorScreen::AccountSelectorScreen(std::vector<WidgetAccount> accounts,
                                             std::optional<std::string> selectedAccountId,
                                             std::function<void(const WidgetAccount&)> onSelect)
    : accounts_(std::move(accounts)), selectedAccountId_(std::move(selectedAccountId)),
      onSelect_(std::move(onSelect)) {}

ui::View AccountSelectorScreen::body() const {
    const auto& formatter = sharedCurrencyFormatter();
    const OwnCurrencyBalances ownBalances(formatter.currencyCode());
    // One section a type, in the order the types first appear.
    std::vector<std::pair<AccountType, std::vector<ui::View>>> groups;
    for (const auto& account : accounts_) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == account.type; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {account.type, {}});
        const bool isSelected = selectedAccountId_ == account.id;
        // Moved in: an initialiser list would copy the row.
        std::vector<ui::View> content;
        content.push_back(
            TransferAccountItemView(account, formatter, isSelected, ownBalances(account)).body());
        group->second.push_back(ui::button(
                                    [onSelect = onSelect_, account] {
                                        if (onSelect)
                                            onSelect(account);
                                    },
                                    std::move(content))
                                    .id(account.id));
    }
    std::vector<ui::View> sections;
    for (auto& [type, rows] : groups)
        sections.push_back(ui::section(localized(type), std::move(rows)));
    if (sections.empty())
        return ui::navigationTitle(L("Select Account"), {ui::emptyState(L("No accounts"), {}, "creditcard")});
    std::vector<ui::View> screen;
    screen.push_back(ui::list(std::move(sections)));
    return ui::navigationTitle(L("Select Account"), std::move(screen));
}

} // namespace zt
