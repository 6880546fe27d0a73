#include "ReconcileSteps.h"

#include "ZTSwiftUIComponents/accounts/ReconciliationAdjustment.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

namespace zt {

ReconcileIntroView::ReconcileIntroView(ui::Binding<bool> isPresented, BalanceUpdatingAccounts accounts,
                                       std::function<void()> onContinue)
    : isPresented_(std::move(isPresented)), accounts_(std::move(accounts)),
      onContinue_(std::move(onContinue)) {}

ui::View ReconcileIntroView::body() const {
    return ui::vstack({
        ui::image("zentReconcileIntroLight"),
        ui::text(L("Update account balance")).font(ui::Font::title).bold(),
        ui::text(L("Forgot to track your transactions? No worries. Update your account balance quickly."))
            .secondary(),
        ui::button(L("Continue"), onContinue_).disabled(accounts_.empty()).id("continue"),
    });
}

ReconcileAccountsView::ReconcileAccountsView(
    ui::Binding<bool> isPresented, BalanceUpdatingAccounts accounts,
    std::optional<NumberFormatter> currencyFormatter,
    std::function<void(const std::shared_ptr<AccountBalanceUpdating>&)> onSelect)
    : isPresented_(std::move(isPresented)), accounts_(std::move(accounts)),
      currencyFormatter_(std::move(currencyFormatter)), onSelect_(std::move(onSelect)) {}

ui::View ReconcileAccountsView::body() const {
    std::vector<ui::View> rows;
    for (std::size_t i = 0; i < accounts_.size(); ++i) {
        const auto& account = accounts_[i];
        // An account in the application currency has no balance of its own to show.
        std::string balance = account->balanceInAccountCurrencyString().value_or(
            currencyFormatter_ ? currencyFormatter_->stringOrDash(account->mainCurrencyBalance())
                               : std::string());
        rows.push_back(ui::button(
                           [onSelect = onSelect_, account] {
                               if (onSelect)
                                   onSelect(account);
                           },
                           {ui::hstack({ui::text(account->accountName()), ui::spacer(),
                                        ui::text(std::move(balance)).secondary()})})
                           .id("account-" + std::to_string(i)));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No accounts")).secondary());
    return ui::navigationTitle(L("Select Account"), {ui::list({ui::section(std::move(rows))})});
}

ReconcileEditView::ReconcileEditView(ui::Binding<bool> isPresented,
                                     std::shared_ptr<AccountBalanceUpdating> account,
                                     NumberFormatter currencyFormatter,
                                     std::function<void(double)> onContinue)
    : isPresented_(std::move(isPresented)), account_(std::move(account)),
      currencyFormatter_(std::move(currencyFormatter)), onContinue_(std::move(onContinue)) {}

void ReconcileEditView::onAppear() const {
    MainQueue::main().asyncAfter(focusDelay, [weak = state_.weak()] {
        if (const auto s = weak.lock())
            s->amountInFocus = true;
    });
}

double ReconcileEditView::updatedBalance() const {
    return state_->actualBalance.value().value_or(account_->accountCurrencyBalance());
}

ui::View ReconcileEditView::body() const {
    const auto& state = *state_;
    const auto symbol = account_->currencySymbol().value_or(currencyFormatter_.currencySymbol());
    const auto next = state_.action([onContinue = onContinue_, account = account_](State& s) {
        if (s.actualBalance.isInvalid())
            return;
        s.goesToPreview = true;
        if (onContinue)
            onContinue(s.actualBalance.value().value_or(account->accountCurrencyBalance()));
    });
    return ui::navigationTitle(
        L("Update Balance"),
        {ui::list({
             ui::section(L("Selected Account"), {ui::text(account_->accountName()).id("selectedAccount")}),
             ui::section(L("Actual Balance"),
                         {ui::hstack({ui::text(symbol).secondary(),
                                      ui::amountField(L("Enter actual balance"), state.actualBalance,
                                                      state_.action([](State& s, const std::string& text) {
                                                          s.actualBalance.setText(text);
                                                      }))
                                          .accessibilityLabel(L("Enter the actual account balance"))
                                          .id("actualBalance")})}),
         }),
         ui::button(next, {ui::image("arrow.right")})
             .accessibilityLabel(L("Continue"))
             .disabled(isContinueDisabled())
             .id("continue")});
}

ReconcilePreviewView::ReconcilePreviewView(ui::Binding<bool> isPresented,
                                           std::shared_ptr<AccountBalanceUpdating> account,
                                           double updatedAccountBalanceInAccountCurrency,
                                           NumberFormatter currencyFormatter, std::function<void()> onConfirm)
    : isPresented_(std::move(isPresented)), account_(std::move(account)),
      updatedBalance_(updatedAccountBalanceInAccountCurrency),
      currencyFormatter_(std::move(currencyFormatter)), onConfirm_(std::move(onConfirm)),
      adjustment_(makeAdjustmentTransaction(*account_, updatedBalance_, Environment::current().now())) {}

ui::View ReconcilePreviewView::body() const {
    const auto formatter = account_->accountCurrencyFormatter();
    const std::string amount = adjustment_ ? formatter.stringOrDash(adjustment_->amount()) : "--";
    std::vector<ui::View> rows{
        ui::row({ui::label(adjustment_ ? adjustment_->categoryName()
                                       : L("General", "Category of the balance adjustment"),
                           "KDNew2016-36"),
                 ui::spacer(), ui::text(amount).id("adjustmentAmount")}),
        ui::text(L("Account reconciliation")).secondary(),
        ui::row({ui::text(account_->accountName()), ui::spacer(),
                 ui::text(formatter.stringOrDash(updatedBalance_)).id("newBalance")}),
    };
    return ui::navigationTitle(L("Review"),
                               {
                                   ui::list({ui::section(std::move(rows))}),
                                   ui::button(L("Confirm"), onConfirm_).disabled(!adjustment_).id("confirm"),
                               });
}

ReconcileFinalView::ReconcileFinalView(ui::Binding<bool> isPresented,
                                       std::shared_ptr<AccountBalanceUpdating> account,
                                       double newAccountBalance)
    : isPresented_(std::move(isPresented)), account_(std::move(account)),
      newAccountBalance_(newAccountBalance) {}

ui::View ReconcileFinalView::body() const {
    const auto close = state_.action(
        [account = account_, balance = newAccountBalance_, isPresented = isPresented_](State& s) {
            // A second press (a stale tree) must not set the balance again.
            if (s.isClosed)
                return;
            s.isClosed = true;
            account->updateBalance(balance, Environment::current().now());
            isPresented(!isPresented());
        });
    return ui::vstack({
        ui::image("zentReconcileSuccessLight"),
        ui::text(L("Account Updated")).font(ui::Font::title).bold(),
        ui::text(L("Boom. Done.")).secondary(),
        ui::button(L("Close"), close).id("close"),
    });
}

} // namespace zt
