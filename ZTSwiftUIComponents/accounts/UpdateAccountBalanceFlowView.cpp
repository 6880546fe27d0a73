#include "UpdateAccountBalanceFlowView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/StringTable.h"

namespace zt {

UpdateAccountBalanceFlowView::UpdateAccountBalanceFlowView(ui::Binding<BalanceUpdatingAccounts> accounts,
                                                           std::function<void()> onDismissDidPress)
    : accounts_(std::move(accounts)), onDismissDidPress_(std::move(onDismissDidPress)),
      currencyFormatter_(makeAppBasedCurrencyFormatter()) {}

ui::View UpdateAccountBalanceFlowView::body() const {
    const auto& state = *state_;
    const auto weak = state_.weak();
    const auto onDismiss = onDismissDidPress_;
    // Ending the flow, from the final screen or the close button, tells the host once.
    const ui::Binding<bool> isPresented{[weak] {
                                            const auto s = weak.lock();
                                            return s && s->isPresented;
                                        },
                                        [weak, onDismiss](const bool& presented) {
                                            const auto s = weak.lock();
                                            if (!s || presented || !s->isPresented)
                                                return;
                                            s->isPresented = false;
                                            if (onDismiss)
                                                onDismiss();
                                        }};
    if (!state.isPresented)
        return ui::group();

    const auto formatter = currencyFormatter_;
    const auto push = [weak](Step step) {
        if (const auto s = weak.lock())
            s->path.push_back(step);
    };

    ui::View screen = ui::group();
    switch (step()) {
    case Step::intro:
        screen = ReconcileIntroView(isPresented, accounts_(), [push] { push(Step::accounts); }).body();
        break;
    case Step::accounts:
        screen = ReconcileAccountsView(
                     isPresented, accounts_(), formatter,
                     [weak, push, formatter, isPresented](const auto& account) {
                         const auto s = weak.lock();
                         if (!s)
                             return;
                         s->account = account;
                         s->edit.emplace(isPresented, account, formatter,
                                         [weak, push, formatter, isPresented](double balance) {
                                             const auto st = weak.lock();
                                             if (!st)
                                                 return;
                                             st->preview.emplace(isPresented, st->account, balance, formatter,
                                                                 [weak, push, isPresented, balance] {
                                                                     const auto s2 = weak.lock();
                                                                     if (!s2)
                                                                         return;
                                                                     s2->final.emplace(isPresented,
                                                                                       s2->account, balance);
                                                                     push(Step::final);
                                                                 });
                                             push(Step::preview);
                                         });
                         s->edit->onAppear();
                         push(Step::edit);
                     })
                     .body();
        break;
    case Step::edit:
        screen = state.edit->body();
        break;
    case Step::preview:
        screen = state.preview->body();
        break;
    case Step::final:
        screen = state.final->body();
        break;
    }

    std::vector<ui::View> content{std::move(screen)};
    if (step() != Step::final)
        content.push_back(ui::toolbarItem("close", ui::button({}, "xmark", [isPresented] {
                                                       isPresented(false);
                                                   }).accessibilityLabel(L("Close"))));
    if (!state.path.empty() && step() != Step::final)
        content.push_back(
            ui::toolbarItem("back", ui::button(L("Back"), "chevron.left",
                                               state_.action([](State& s) { s.path.pop_back(); }))));
    return ui::group(std::move(content));
}

} // namespace zt
