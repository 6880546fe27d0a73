#pragma once

#include "ZTSwiftUIComponents/host/AccountUsageFilterType.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// Chooses which accounts a figure counts: active and archived accounts in two sections, a check
/// per account, and options that narrow the list by use and type or order it. Done hands over the
/// chosen identifiers.
class FilterAccountsView {
public:
    /// One section of the list.
    struct SectionData {
        bool isArchived = false;
        std::vector<WidgetAccount> items;
    };

    /// How the rows are ordered.
    enum SortOrder : int { listOrder = 0, byName = 1, byBalance = 2 };

    FilterAccountsView(std::string title, std::vector<WidgetAccount> items, std::set<std::string> selection,
                       std::function<void(const std::vector<std::string>&)> onDonePressed);

    /// The sections under the current options; a section without accounts is left out.
    std::vector<SectionData> sections() const;
    const std::set<std::string>& selection() const { return state_->selection; }
    ui::View body() const;

private:
    struct State {
        std::set<std::string> selection;
        AccountUsageFilterType usageFilterType = AccountUsageFilterType::all;
        std::optional<AccountType> accountType;
        int sort = listOrder;
    };

    std::string title_;
    std::vector<WidgetAccount> items_;
    std::function<void(const std::vector<std::string>&)> onDonePressed_;
    ui::ScreenState<State> state_;
};

} // namespace zt
