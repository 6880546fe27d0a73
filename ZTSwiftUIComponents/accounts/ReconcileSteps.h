#pragma once

#include "ZTSwiftUIComponents/host/AccountBalanceUpdating.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/AmountInput.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zt {

using BalanceUpdatingAccounts = std::vector<std::shared_ptr<AccountBalanceUpdating>>;

/// The first screen of the reconciliation: what it is for, and Continue.
class ReconcileIntroView {
public:
    ReconcileIntroView(ui::Binding<bool> isPresented, BalanceUpdatingAccounts accounts,
                       std::function<void()> onContinue);
    ui::View body() const;

private:
    ui::Binding<bool> isPresented_;
    BalanceUpdatingAccounts accounts_;
    std::function<void()> onContinue_;
};

/// The accounts to choose from, with their balances in their own currencies.
class ReconcileAccountsView {
public:
    ReconcileAccountsView(ui::Binding<bool> isPresented, BalanceUpdatingAccounts accounts,
                          std::optional<NumberFormatter> currencyFormatter,
                          std::function<void(const std::shared_ptr<AccountBalanceUpdating>&)> onSelect);
    ui::View body() const;

private:
    ui::Binding<bool> isPresented_;
    BalanceUpdatingAccounts accounts_;
    std::optional<NumberFormatter> currencyFormatter_;
    std::function<void(const std::shared_ptr<AccountBalanceUpdating>&)> onSelect_;
};

/// The actual balance of the chosen account, typed in the account's currency. Continue is off
/// while the text is not a number; an empty field keeps the current balance.
class ReconcileEditView {
public:
    /// How long after the screen appears the amount field takes the focus.
    static constexpr double focusDelay = 0.25;

    ReconcileEditView(ui::Binding<bool> isPresented, std::shared_ptr<AccountBalanceUpdating> account,
                      NumberFormatter currencyFormatter, std::function<void(double)> onContinue);

    /// The screen is shown: the field takes the focus a moment later, on the main queue.
    void onAppear() const;
    ui::View body() const;

    std::optional<double> actualBalanceInAccountCurrency() const { return state_->actualBalance.value(); }
    bool isContinueDisabled() const { return state_->actualBalance.isInvalid(); }
    bool amountInFocus() const { return state_->amountInFocus; }
    /// The balance the review gets: the typed one, else the current one.
    double updatedBalance() const;

private:
    struct State {
        AmountField actualBalance;
        bool goesToPreview = false;
        bool amountInFocus = false;
    };

    ui::Binding<bool> isPresented_;
    std::shared_ptr<AccountBalanceUpdating> account_;
    NumberFormatter currencyFormatter_;
    std::function<void(double)> onContinue_;
    ui::ScreenState<State> state_;
};

/// The adjustment the new balance means, as a transaction; Confirm goes on to the final screen.
/// Without a usable exchange rate the amount reads "--" and Confirm stays off.
class ReconcilePreviewView {
public:
    ReconcilePreviewView(ui::Binding<bool> isPresented, std::shared_ptr<AccountBalanceUpdating> account,
                         double updatedAccountBalanceInAccountCurrency, NumberFormatter currencyFormatter,
                         std::function<void()> onConfirm);

    /// None when no adjustment can be recorded.
    const std::shared_ptr<ReportTransaction>& adjustment() const { return adjustment_; }
    ui::View body() const;

private:
    ui::Binding<bool> isPresented_;
    std::shared_ptr<AccountBalanceUpdating> account_;
    double updatedBalance_;
    NumberFormatter currencyFormatter_;
    std::function<void()> onConfirm_;
    std::shared_ptr<ReportTransaction> adjustment_;
};

/// The last screen. Close gives the account its new balance, dated at that moment, once, and
/// ends the flow.
class ReconcileFinalView {
public:
    ReconcileFinalView(ui::Binding<bool> isPresented, std::shared_ptr<AccountBalanceUpdating> account,
                       double newAccountBalance);
    ui::View body() const;

private:
    struct State {
        bool isClosed = false;
    };

    ui::Binding<bool> isPresented_;
    std::shared_ptr<AccountBalanceUpdating> account_;
    double newAccountBalance_;
    ui::ScreenState<State> state_;
};

} // namespace zt
