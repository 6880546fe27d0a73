#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Picks the counterpart of a transaction so that the host can make the pair a transfer. The
/// candidates are listed in the order given; "Mark as Transfer" stays disabled until one is chosen.
/// Copies share their state.
class MarkAsTransferScreen {
public:
    MarkAsTransferScreen(
        std::shared_ptr<const ReportTransaction> transaction, ReportTransactionList items,
        std::function<void(const std::shared_ptr<ReportTransaction>&)> onDidSelectCounterpart);

    /// Closes the screen; set by whoever presents it.
    std::function<void()> dismiss;

    std::optional<std::string> selectedId() const { return state_->selectedId; }

    ui::View body() const;

private:
    struct State {
        ReportTransactionList items;
        std::optional<std::string> selectedId;
    };

    std::string appCurrencyCode_;
    std::shared_ptr<const ReportTransaction> transaction_;
    NumberFormatter formatter_;
    std::function<void(const std::shared_ptr<ReportTransaction>&)> onDidSelectCounterpart_;
    ui::ScreenState<State> state_;
};

} // namespace zt
