#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The account picker of the entry screen: the accounts grouped by type in list order, the
/// selected one marked; a tap hands the account to onSelect.
class AccountSelectorScreen {
public:
    AccountSelectorScreen(std::vector<WidgetAccount> accounts, std::optional<std::string> selectedAccountId,
                          std::function<void(const WidgetAccount&)> onSelect);

    ui::View body() const;

private:
    std::vector<WidgetAccount> accounts_;
    std::optional<std::string> selectedAccountId_;
    std::function<void(const WidgetAccount&)> onSelect_;
};

} // namespace zt
