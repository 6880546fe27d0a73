#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/transactions/CalculatorBarView.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryField.h"
#include "ZTSwiftUIComponents/transactions/TransactionRepeatMode.h"
#include "platform/Published.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The screen on which an expense, an income or a transfer is entered: type picker, amount section,
/// date, description, repetition, place and attachment, the pickers and editors in sheets, the
/// error banner and, while an amount has the focus and the model asks for it, the calculator bar.
///
/// Amounts: a field shows "Not a valid amount" while its text is neither a number in the user's
/// locale nor an expression the calculator can evaluate ("12,5+3" is valid); the toolbar's Save is
/// disabled meanwhile. Saving (toolbar or calculator bar) first replaces an evaluable expression by
/// its result, so what the field showed as valid is what the model stores; the calculator bar's
/// save key saves whatever is left, and the model's own validation decides.
///
/// Like a toolkit's view value the object is cheap to copy; copies share the screen's state.
/// Main thread.
class TransactionEntryContainerScreen {
public:
    using ViewBuilder = std::function<ui::View()>;
    /// Builds the host's new-account screen for the group the account is to be created in.
    using AccountEntryBuilder = std::function<ui::View(const std::optional<std::string>& groupId)>;
    /// The host's observable account list; the screen copies each new list into the view model.
    using AccountStore = Published<std::vector<WidgetAccount>>;

    TransactionEntryContainerScreen(std::shared_ptr<TransactionEntryContainerViewModel> viewModel,
                                    std::shared_ptr<AccountStore> store, ViewBuilder categoryPickerView,
                                    ViewBuilder attachmentView, AccountEntryBuilder accountEntryScreen,
                                    std::function<void()> onDidSave);

    /// Which repetition sheet is offered.
    TransactionRepeatMode transactionRepeatMode = TransactionRepeatMode::manual;
    /// Closes the screen; set by whoever presents it.
    std::function<void()> dismiss;

    /// The screen became visible: the first time, the amount takes the focus 0.3 s later.
    void onAppear() const;
    /// Save: evaluates a pending expression, then the model's save(); on success onDidSave and
    /// closing, else the screen stays with everything typed.
    void save() const;
    /// The model's cancel(), then closing.
    void cancel() const;

    std::optional<TransactionEntryField> focusedField() const;
    /// Moves the focus (none: the keyboard goes away).
    void focus(std::optional<TransactionEntryField> field) const;
    /// The calculator bar editing the focused amount; none while it is hidden.
    std::optional<CalculatorBarView> calculatorBar() const;
    /// Whether Save is offered: no amount field holds an invalid text.
    bool canSave() const;

    ui::View body() const;

private:
    struct State;

    // Actions the tree keeps: they hold the model and callbacks, never the screen's state.
    std::function<void()> saveAction() const;
    std::function<void()> cancelAction() const;
    std::function<void()> editDescription() const;
    ui::View detailsSection() const;
    ui::View placeSection() const;
    ui::View sheets() const;

    std::shared_ptr<TransactionEntryContainerViewModel> viewModel_;
    std::shared_ptr<AccountStore> store_;
    ViewBuilder categoryPickerView_;
    ViewBuilder attachmentView_;
    AccountEntryBuilder accountEntryScreen_;
    std::function<void()> onDidSave_;
    ui::ScreenState<State> state_;
};

} // namespace zt
