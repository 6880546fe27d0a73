#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The summary card of a credit card: icon, name, current balance and, with a limit, the limit
/// and what is still available.
class CreditCardDetailCardView {
public:
    /// The host's transfer screen, given the action that closes it.
    using TransferContent = std::function<ui::View(std::function<void()> dismiss)>;

    /// currentBalance is signed as the host keeps it (a debt is negative), so the available amount
    /// is limit + currentBalance. With transferContent, a transfer button opens it in a sheet.
    CreditCardDetailCardView(std::string name, double currentBalance, std::optional<double> limit,
                             NumberFormatter currencyFormatter, std::string iconName, Color accountColor,
                             TransferContent transferContent = {});

    ui::View body() const;

    bool isTransferVisible() const { return state_->isTransferVisible; }

private:
    struct State {
        bool isTransferVisible = false;
    };
    std::string name_;
    double currentBalance_;
    std::optional<double> limit_;
    NumberFormatter currencyFormatter_;
    std::string iconName_;
    Color accountColor_;
    TransferContent transferContent_;
    ui::ScreenState<State> state_;
};

} // namespace zt
