#pragma once

#include "ZTSwiftUIComponents/accounts/ReconcileSteps.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The reconciliation flow: introduction, choice of account, actual balance, review of the
/// adjustment and the final screen, whose Close sets the balance and ends the flow.
class UpdateAccountBalanceFlowView {
public:
    enum class Step { intro, accounts, edit, preview, final };

    UpdateAccountBalanceFlowView(ui::Binding<BalanceUpdatingAccounts> accounts,
                                 std::function<void()> onDismissDidPress = {});

    ui::View body() const;
    Step step() const { return state_->path.empty() ? Step::intro : state_->path.back(); }
    bool isPresented() const { return state_->isPresented; }

private:
    struct State {
        bool isPresented = true;
        std::vector<Step> path;
        std::shared_ptr<AccountBalanceUpdating> account;
        std::optional<ReconcileEditView> edit;
        std::optional<ReconcilePreviewView> preview;
        std::optional<ReconcileFinalView> final;
    };

    ui::Binding<BalanceUpdatingAccounts> accounts_;
    std::function<void()> onDismissDidPress_;
    NumberFormatter currencyFormatter_;
    ui::ScreenState<State> state_;
};

} // namespace zt
