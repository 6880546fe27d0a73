#pragma once

#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The accounts a transfer can leave from or arrive in. A tap selects the account, except while an
/// existing transfer is edited: its accounts cannot change, so the selection stays and the entry
/// screen's banner says why.
class TransferAccountListView {
public:
    TransferAccountListView(std::string title, std::vector<WidgetAccount> accounts,
                            ui::Binding<std::optional<WidgetAccount>> selection, NumberFormatter formatter,
                            bool isEditingExistingTransfer);

    /// The banner of a refused change.
    static AlertItem notAllowedAlert();

    /// What a tap on the account's row does.
    void tap(const WidgetAccount& account) const;

    ui::View body() const;

private:
    std::string title_;
    std::vector<WidgetAccount> accounts_;
    ui::Binding<std::optional<WidgetAccount>> selection_;
    NumberFormatter formatter_;
    bool isEditingExistingTransfer_;
};

} // namespace zt
