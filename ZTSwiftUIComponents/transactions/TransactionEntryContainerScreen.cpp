#include "TransactionEntryContainerScreen.h"

#include "ZTSwiftUIComponents/Location/InlineLocationView.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/AccountSelectorScreen.h"
#include "ZTSwiftUIComponents/transactions/AmountExpression.h"
#include "ZTSwiftUIComponents/transactions/ExchangeRateButton.h"
#include "ZTSwiftUIComponents/transactions/IncomeOrExpenseView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsBankingView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalView.h"
#include "ZTSwiftUIComponents/transactions/TransactionDescriptionView.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransactionTypeSegmentedControl.h"
#include "ZTSwiftUIComponents/transactions/TransferSourceView.h"
#include "platform/AmountInput.h"
#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>

namespace zt {

using ViewModel = TransactionEntryContainerViewModel;

struct TransactionEntryContainerScreen::State {
    std::optional<TransactionEntryField> focusedField;
    bool hasAppeared = false;
    // The place row with its sheet; none when the model has no place manager.
    std::optional<InlineLocationView> place;
    ui::ScreenState<ExchangeRateButton::State> exchangeRateButton{};
    // Made when the editor opens, so its lists keep their state while it is shown.
    std::optional<TransactionDescriptionView> descriptionView;
    // The last values seen, so only a real change counts as one.
    TransactionType type = TransactionType::expense;
    std::string amountText{};
    Subscription typeChanges, amountChanges, accountChanges, alertChanges;

    // The amount field of the entry's kind takes the focus, felt as a tap.
    void focusAmount(TransactionType entryType) {
        focusedField = isTransfer(entryType) ? TransactionEntryField::transferSource
                                             : TransactionEntryField::expenseOrIncome;
        Environment::current().feedback().impactOccurred(ImpactStyle::medium);
    }
};

namespace {

// The banner goes away after its duration unless another alert replaced it meanwhile.
void scheduleBannerRemoval(const AlertItem& alert) {
    MainQueue::main().asyncAfter(alert.duration, [id = alert.id] {
        auto& manager = TransactionEntryErrorManager::shared();
        if (manager.alert() && manager.alert()->id == id)
            manager.alert.set(std::nullopt);
    });
}

} // namespace

TransactionEntryContainerScreen::TransactionEntryContainerScreen(
    std::shared_ptr<TransactionEntryContainerViewModel> viewModel, std::shared_ptr<AccountStore> store,
    ViewBuilder categoryPickerView, ViewBuilder attachmentView, AccountEntryBuilder accountEntryScreen,
    std::function<void()> onDidSave)
    : viewModel_(std::move(viewModel)), store_(std::move(store)),
      categoryPickerView_(std::move(categoryPickerView)), attachmentView_(std::move(attachmentView)),
      accountEntryScreen_(std::move(accountEntryScreen)), onDidSave_(std::move(onDidSave)) {
    state_->type = viewModel_->type();
    state_->amountText = viewModel_->amountText();
    // Observers hold the model and the state weakly: the model owns the signals they sit in.
    const std::weak_ptr<ViewModel> weakVm = viewModel_;
    const std::weak_ptr<State> weakState = state_.weak();

    state_->typeChanges =
        viewModel_->type.observe(weakCallback(weakState, [](State& s, const TransactionType& type) {
            if (s.type == type)
                return;
            s.type = type;
            s.focusAmount(type);
        }));
    state_->amountChanges =
        viewModel_->amountText.observe(weakCallback(weakState, [weakVm](State& s, const std::string& text) {
            const auto vm = weakVm.lock();
            if (!vm || s.amountText == text)
                return;
            s.amountText = text;
            if (const auto amount = parseAmount(text, vm->formatter.localeIdentifier()))
                vm->setupTransferAmountManager(*amount);
        }));
    if (store_)
        state_->accountChanges = store_->observe(
            weakCallback(weakVm, [](ViewModel& vm, const std::vector<WidgetAccount>& accounts) {
                vm.accounts.set(accounts);
            }));
    state_->alertChanges =
        TransactionEntryErrorManager::shared().alert.observe([](const std::optional<AlertItem>& alert) {
            if (alert)
                scheduleBannerRemoval(*alert);
        });
    if (const auto& manager = viewModel_->locationManager)
        state_->place.emplace(manager, [weakVm] {
            const auto vm = weakVm.lock();
            return vm && vm->isAutomaticLocationEnabled;
        });
}

void TransactionEntryContainerScreen::onAppear() const {
    if (state_->hasAppeared)
        return;
    state_->hasAppeared = true;
    if (viewModel_->locationManager)
        viewModel_->locationManager->start();
    MainQueue::main().asyncAfter(0.3,
                                 state_.action([weakVm = std::weak_ptr<ViewModel>(viewModel_)](State& s) {
                                     if (const auto vm = weakVm.lock())
                                         s.focusAmount(vm->type());
                                 }));
}

std::function<void()> TransactionEntryContainerScreen::saveAction() const {
    return [vm = viewModel_, onDidSave = onDidSave_, dismiss = dismiss] {
        CalculatorBarView::evaluate(ui::bind(vm, &ViewModel::amountText));
        if (!vm->save())
            return;
        if (onDidSave)
            onDidSave();
        if (dismiss)
            dismiss();
    };
}

std::function<void()> TransactionEntryContainerScreen::cancelAction() const {
    return [vm = viewModel_, dismiss = dismiss] {
        vm->cancel();
        if (dismiss)
            dismiss();
    };
}

void TransactionEntryContainerScreen::save() const {
    saveAction()();
}

void TransactionEntryContainerScreen::cancel() const {
    cancelAction()();
}

std::optional<TransactionEntryField> TransactionEntryContainerScreen::focusedField() const {
    return state_->focusedField;
}

void TransactionEntryContainerScreen::focus(std::optional<TransactionEntryField> field) const {
    state_->focusedField = field;
}

std::optional<CalculatorBarView> TransactionEntryContainerScreen::calculatorBar() const {
    const auto field = state_->focusedField;
    if (!field || !isAmountField(*field) || !viewModel_->isKeyboardTypeCalculator())
        return std::nullopt;
    const auto vm = viewModel_;
    auto text = field == TransactionEntryField::transferDestination
                    ? ui::bind(vm, &ViewModel::amountReceiverText)
                    : ui::bind(vm, &ViewModel::amountText);
    return CalculatorBarView(std::move(text), true, saveAction());
}

bool TransactionEntryContainerScreen::canSave() const {
    const auto& vm = *viewModel_;
    const auto& locale = vm.formatter.localeIdentifier();
    if (isInvalidAmount(vm.amountText(), locale))
        return false;
    return !isTransfer(vm.type()) ||
           !isMulticurrencyTransfer(vm.selectedAccount(), vm.selectedReceiverAccount()) ||
           !isInvalidAmount(vm.amountReceiverText(), locale);
}

std::function<void()> TransactionEntryContainerScreen::editDescription() const {
    // The editor's text field takes the keyboard, and with it any calculator bar goes.
    return state_.action([vm = viewModel_](State& s) {
        s.focusedField = TransactionEntryField::description;
        if (vm->descriptionViewModel())
            s.descriptionView.emplace(
                vm->descriptionViewModel(),
                [weakVm = std::weak_ptr<ViewModel>(vm)] {
                    if (const auto model = weakVm.lock())
                        model->addDescriptionPressed.set(false);
                },
                vm->payeeDatabase(), vm->tagsDatabase());
        vm->addDescriptionPressed.set(true);
    });
}

ui::View TransactionEntryContainerScreen::detailsSection() const {
    const auto vm = viewModel_;
    const bool hasDescription =
        vm->descriptionViewModel() && !vm->descriptionViewModel()->descriptionText().empty();
    const auto& repeat = vm->repeatViewModel();
    const bool isRepeating = repeat && repeat->isRepeating();
    return ui::section({
        ui::datePicker(
            {}, vm->date(), [vm](Date date) { vm->date.set(date); }, std::nullopt, std::nullopt,
            ui::DatePickerComponents::dateAndTime)
            .disabled(!vm->canChangeDate)
            .accessibilityLabel(L("Date"))
            .id("date"),
        ui::button(L("Description"), hasDescription ? "custom.doc.append.badge.checkmark" : "doc.append",
                   editDescription())
            .id("descriptionRow"),
        ui::button([vm] { vm->makeRepeatingPressed.set(true); },
                   {ui::label(L("Repeat", "Row that opens the repetition settings"), "repeat"),
                    ui::text(isRepeating ? localizedString(repeat->selectedInterval())
                                         : L("Never", "A transaction that does not repeat"))
                        .secondary()})
            .disabled(vm->isRepeatingButtonDisabled)
            .id("repeatRow"),
        placeSection(),
        // A host without attachments gives no attachment view, and so gets no row that opens nothing.
        attachmentView_ ? ui::button(L("Attachment"),
                                     vm->hasAttachment() ? "custom.paperclip.badge.checkmark" : "paperclip",
                                     [vm] { vm->addAttachmentPressed.set(true); })
                              .id("attachmentRow")
                        : ui::group(),
    });
}

ui::View TransactionEntryContainerScreen::placeSection() const {
    if (state_->place)
        return state_->place->body();
    return ui::button(L("Add location"), "mappin.circle", [] {}).disabled().id("placeRow");
}

ui::View TransactionEntryContainerScreen::sheets() const {
    const auto vm = viewModel_;
    std::vector<ui::View> sheets;

    const auto close = [vm](Published<bool> ViewModel::*flag) {
        return [vm, flag] { ((*vm).*flag).set(false); };
    };
    // A sheet's content is built only while it is presented, and moved in rather than copied.
    const auto content = [](bool presented, auto build) {
        std::vector<ui::View> views;
        if (presented)
            views.push_back(build());
        return views;
    };

    sheets.push_back(ui::sheet(L("Description"), vm->addDescriptionPressed(),
                               ui::bind(vm, &ViewModel::addDescriptionPressed).set,
                               content(vm->addDescriptionPressed() && vm->descriptionViewModel(), [&] {
                                   if (state_->descriptionView)
                                       return state_->descriptionView->body();
                                   return TransactionDescriptionView(vm->descriptionViewModel(),
                                                                     close(&ViewModel::addDescriptionPressed),
                                                                     vm->payeeDatabase(), vm->tagsDatabase())
                                       .body();
                               })));
    sheets.push_back(ui::sheet(
        L("Attachment"), vm->addAttachmentPressed(), ui::bind(vm, &ViewModel::addAttachmentPressed).set,
        content(vm->addAttachmentPressed() && attachmentView_, [&] { return attachmentView_(); })));
    sheets.push_back(
        ui::sheet(L("Repeating Details"), vm->makeRepeatingPressed(),
                  ui::bind(vm, &ViewModel::makeRepeatingPressed).set,
                  content(vm->makeRepeatingPressed() && vm->repeatViewModel(), [&] {
                      const auto onDismiss = close(&ViewModel::makeRepeatingPressed);
                      return transactionRepeatMode == TransactionRepeatMode::banking
                                 ? RepeatTransactionsBankingView(vm->repeatViewModel(),
                                                                 makeAppBasedCurrencyFormatter(), onDismiss)
                                       .body()
                                 : RepeatTransactionsModalView(vm->repeatViewModel(), onDismiss).body();
                  })));
    sheets.push_back(ui::sheet(
        L("Select Account"), vm->selectAccountPressed(), ui::bind(vm, &ViewModel::selectAccountPressed).set,
        content(vm->selectAccountPressed(), [&] {
            const auto& selected = vm->selectedAccount();
            return ui::group({
                AccountSelectorScreen(vm->accounts(), selected ? std::optional(selected->id) : std::nullopt,
                                      [vm](const WidgetAccount& account) { vm->select(account); })
                    .body(),
                accountEntryScreen_ ? ui::button(L("New Account"), "plus.circle",
                                                 [vm] {
                                                     vm->selectAccountPressed.set(false);
                                                     vm->newAccountWithGroupId.set(std::nullopt);
                                                     vm->isNewAccountModal.set(true);
                                                 })
                                          .id("newAccount")
                                    : ui::group(),
            });
        })));
    sheets.push_back(ui::sheet(
        L("Category"), vm->selectCategoryPressed(), ui::bind(vm, &ViewModel::selectCategoryPressed).set,
        content(vm->selectCategoryPressed() && categoryPickerView_, [&] { return categoryPickerView_(); })));
    sheets.push_back(ui::sheet(L("New Account"), vm->isNewAccountModal(),
                               ui::bind(vm, &ViewModel::isNewAccountModal).set,
                               content(vm->isNewAccountModal() && accountEntryScreen_,
                                       [&] { return accountEntryScreen_(vm->newAccountWithGroupId()); })));
    return ui::group(std::move(sheets));
}

ui::View TransactionEntryContainerScreen::body() const {
    const auto vm = viewModel_;
    const std::function<void(TransactionEntryField)> onFocus =
        state_.action([](State& s, TransactionEntryField field) { s.focusedField = field; });

    std::vector<ui::View> content;
    content.push_back(
        ui::section({TransactionTypeSegmentedControl(vm->availableTransactionTypes, vm->type(),
                                                     vm->isTransactionTypePickerDisabled,
                                                     [vm](TransactionType type) { vm->type.set(type); })
                         .body()}));
    if (isTransfer(vm->type()))
        content.push_back(TransferSourceView(vm, onFocus).body());
    else
        content.push_back(
            IncomeOrExpenseView(vm, onFocus, editDescription(), state_->exchangeRateButton).body());
    content.push_back(detailsSection());

    std::vector<ui::View> screen;
    screen.push_back(ui::toolbarItem(
        "close",
        ui::button({}, "xmark", cancelAction()).accessibilityLabel(L("Close")).role(ui::ButtonRole::cancel)));
    screen.push_back(ui::toolbarItem("save", ui::button(L("Save"), saveAction()).disabled(!canSave())));
    if (const auto& alert = TransactionEntryErrorManager::shared().alert())
        screen.push_back(
            ui::vstack({ui::label(alert->title, alert->systemImageName).bold().foregroundColor(alert->color),
                        ui::text(alert->message)})
                .id("errorBanner"));
    screen.push_back(ui::list(std::move(content)));
    if (const auto bar = calculatorBar())
        screen.push_back(bar->body());
    screen.push_back(sheets());
    return ui::navigationTitle(vm->isEditMode ? L("Edit Transaction") : L("New Transaction"),
                               std::move(screen));
}

} // namespace zt
