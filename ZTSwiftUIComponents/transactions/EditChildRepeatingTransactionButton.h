#pragma once

#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "ZTSwiftUIComponents/transactions/EditChildRepeatingTransactionsScreen.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>

namespace zt {

/// Opens the list of a series' occurrences in a sheet. Copies share the sheet's state.
class EditChildRepeatingTransactionButton {
public:
    explicit EditChildRepeatingTransactionButton(std::shared_ptr<ZTBaseRepeating> repeating);

    ui::View body() const;

private:
    struct State {
        bool isPresented = false;
        // Made when the sheet opens, so the list it keeps lives as long as the sheet.
        std::optional<EditChildRepeatingTransactionsScreen> screen;
    };
    std::shared_ptr<ZTBaseRepeating> repeating_;
    ui::ScreenState<State> state_;
};

} // namespace zt
