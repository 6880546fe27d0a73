#include "AccountEntryScreen.h"

#include "ZTSwiftUIComponents/accountentry/AccountNameSection.h"
#include "ZTSwiftUIComponents/accountentry/AccountUseSection.h"
#include "ZTSwiftUIComponents/accountentry/FormAmountField.h"
#include "ZTSwiftUIComponents/accountentry/LoanDetailsSection.h"
#include "ZTSwiftUIComponents/accountentry/LoanPaymentDuePicker.h"
#include "ZTSwiftUIComponents/accounts/AccountPickers.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardBalanceSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatementSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardRemindersSection.h"
#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "ZTSwiftUIComponents/host/DefaultIconPickerService.h"
#include "ZTSwiftUIComponents/host/IconImages.h"
#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Environment.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace zt {

namespace {

/// Everything the form can change, to tell whether cancelling discards anything.
struct Snapshot {
    std::string name;
    std::optional<double> balance;
    bool isBusinessAccount = false;
    AccountType type = AccountType::checking;
    std::string currencyCode;
    std::string iconName;
    std::optional<double> vat;
    std::string groupId;

    Date loanStartDate;
    std::optional<double> loanAmount;
    std::optional<std::int16_t> loanTerm;
    std::optional<double> rate;
    int paymentDueDay = 0;

    std::optional<double> limit;
    Date openingDate, closingDate, paymentDueDate;
    std::optional<double> statementDueAmount, minimumDueAmount;
    std::vector<bool> activeReminders;

    bool operator==(const Snapshot&) const = default;

    static Snapshot of(AccountEntryControlling& controller) {
        Snapshot s;
        auto& account = *controller.account();
        s.name = account.name()();
        s.balance = account.balance()();
        s.isBusinessAccount = account.isBusinessAccount()();
        s.type = account.type()();
        s.currencyCode = account.currencyCode()();
        s.iconName = account.iconName()();
        s.vat = account.vat()();
        s.groupId = controller.selectedGroup()().id;

        auto& loan = *controller.loanDetails();
        s.loanStartDate = loan.startDate()();
        s.loanAmount = loan.initialAmount()();
        s.loanTerm = loan.initialTermInYears()();
        s.rate = loan.currentInterestRate()()->rate()();
        s.paymentDueDay = loan.currentPaymentSchedule()()->paymentDueDay()();

        auto& card = *controller.creditCardDetails();
        s.limit = card.limit()();
        const auto& statement = *card.lastStatement()();
        s.openingDate = statement.openingDate();
        s.closingDate = statement.closingDate();
        s.paymentDueDate = statement.paymentDueDate();
        s.statementDueAmount = statement.statementDueAmount();
        s.minimumDueAmount = statement.minimumDueAmount();
        for (const auto& reminder : card.reminderData()()->reminders())
            s.activeReminders.push_back(reminder.isActive);
        return s;
    }
};

/// A binding to a published field of an object the binding keeps alive.
template <class T, class Owner> ui::Binding<T> bindTo(std::shared_ptr<Owner> owner, Published<T>& field) {
    return ui::Binding<T>{[owner, &field] { return field(); },
                          [owner, &field](const T& value) { field.set(value); }};
}

} // namespace

struct AccountEntryScreen::State {
    State(std::optional<std::string> selectedIconId, FormAmountField balance, FormAmountField vat,
          LoanDetailsSection::Fields loan, Snapshot initial)
        : selectedIconId(std::move(selectedIconId)), balance(std::move(balance)), vat(std::move(vat)),
          loan(std::move(loan)), initial(std::move(initial)) {}

    bool showConfirmation = false;
    bool isCurrencyPickersVisible = false;
    bool isIconPickerVisible = false;
    std::optional<std::string> selectedIconId;
    std::string iconSearchText;

    FormAmountField balance;
    FormAmountField vat;
    LoanDetailsSection::Fields loan;
    Snapshot initial;

    // The account's currency formatter, made again only when the locale or currency changes.
    std::string formatterLocale, formatterCurrency;
    std::optional<NumberFormatter> numberFormatter;
    // The due days written in the form's locale.
    std::string dueDaysLocale;
    std::vector<ui::PickerOption> dueDays;

    // The card sections keep their sheet flags between draws; they are made again for a new
    // statement or reminder list.
    std::shared_ptr<CreditCardLastStatement> sectionStatement;
    std::optional<CreditCardLastStatementSection> statementSection;
    std::shared_ptr<AccountRemindersData> sectionReminders;
    std::optional<CreditCardRemindersSection> remindersSection;
    // The balance and limit fields keep what the user typed between draws, for the same card.
    std::shared_ptr<CreditCardEntryProviding> sectionCard;
    std::shared_ptr<AccountEntryProviding> sectionAccount;
    std::optional<CreditCardBalanceSection> balanceSection;

    /// A mistake in a field the form shows; a hidden field keeps its text for when it is shown
    /// again, but cannot hold back saving without the user seeing why.
    bool hasInvalidField(const AccountEntryControlling& controller) const {
        auto& account = *controller.account();
        const std::string_view type = rawValue(account.type()());
        std::vector<const FormAmountField*> shown;
        if (type == "loan")
            shown = {&loan.initialAmount, &loan.initialTermInYears, &loan.interestRate};
        else if (type != "creditCard")
            shown = {&balance};
        if (account.isBusinessAccount()())
            shown.push_back(&vat);
        if (type == "creditCard" && ((balanceSection && balanceSection->hasInvalidAmount()) ||
                                     (statementSection && statementSection->hasInvalidAmount())))
            return true;
        return std::any_of(shown.begin(), shown.end(),
                           [](const FormAmountField* f) { return f->isInvalid(); });
    }
    bool canSave(const AccountEntryControlling& controller) const {
        return controller.isValidationPassed() && !hasInvalidField(controller);
    }
    bool hasChanges(AccountEntryControlling& controller) const {
        return hasInvalidField(controller) || !(Snapshot::of(controller) == initial);
    }

    const NumberFormatter& formatter(const std::string& locale, const std::string& currency) {
        if (!numberFormatter || formatterLocale != locale || formatterCurrency != currency) {
            numberFormatter = NumberFormatter::currency(locale, currency);
            formatterLocale = locale;
            formatterCurrency = currency;
            // The card sections keep a copy of the formatter.
            sectionStatement.reset();
            sectionCard.reset();
        }
        return *numberFormatter;
    }
};

namespace {

// Each field reads and writes through the controller, so an account or loan the host replaces is
// followed.
AmountBinding amountOf(std::shared_ptr<AccountEntryControlling> controller,
                       Published<std::optional<double>>& (*field)(AccountEntryControlling&)) {
    return AmountBinding{[controller, field] { return field(*controller)(); },
                         [controller, field](std::optional<double> value) { field(*controller).set(value); }};
}

} // namespace

AccountEntryScreen::AccountEntryScreen(std::shared_ptr<AccountEntryControlling> controller,
                                       std::function<void()> onWillDismiss,
                                       std::shared_ptr<const IconPickerServicing> iconPickerService)
    : controller_(std::move(controller)), onWillDismiss_(std::move(onWillDismiss)),
      iconPickerService_(iconPickerService
                             ? std::move(iconPickerService)
                             : std::make_shared<DefaultIconPickerService>(
                                   std::make_shared<BundleIconPickerDataSource>("account-icons"))),
      state_([&] {
          const auto c = controller_;
          const std::string locale = c->locale();
          const auto term = AmountBinding{
              [c]() -> std::optional<double> {
                  const auto years = c->loanDetails()->initialTermInYears()();
                  return years ? std::optional<double>(*years) : std::nullopt;
              },
              [c](std::optional<double> years) {
                  // The rule has made sure it is a whole number that fits.
                  c->loanDetails()->initialTermInYears().set(
                      years ? std::optional<std::int16_t>(static_cast<std::int16_t>(*years)) : std::nullopt);
              }};
          return State(
              c->account()->iconName()(),
              FormAmountField(
                  amountOf(
                      c, [](AccountEntryControlling & c) -> auto& { return c.account()->balance(); }),
                  locale),
              FormAmountField(amountOf(
                                  c, [](AccountEntryControlling & c) -> auto& { return c.account()->vat(); }),
                              locale, AccountUseSection::vatRule()),
              LoanDetailsSection::Fields{
                  FormAmountField(amountOf(
                                      c, [](AccountEntryControlling & c) -> auto& {
                                          return c.loanDetails()->initialAmount();
                                      }),
                                  locale),
                  FormAmountField(term, locale, LoanDetailsSection::termRule()),
                  FormAmountField(amountOf(
                                      c, [](AccountEntryControlling & c) -> auto& {
                                          return c.loanDetails()->currentInterestRate()()->rate();
                                      }),
                                  locale, LoanDetailsSection::rateRule()),
              },
              Snapshot::of(*c));
      }()) {}

void AccountEntryScreen::onAppear() const {
    if (controller_->isNew() && !controller_->isNameInFocus()())
        controller_->isNameInFocus().set(true);
}

bool AccountEntryScreen::canSave() const {
    return state_->canSave(*controller_);
}

bool AccountEntryScreen::hasChanges() const {
    return state_->hasChanges(*controller_);
}

bool AccountEntryScreen::showConfirmation() const {
    return state_->showConfirmation;
}
bool AccountEntryScreen::isCurrencyPickersVisible() const {
    return state_->isCurrencyPickersVisible;
}
bool AccountEntryScreen::isIconPickerVisible() const {
    return state_->isIconPickerVisible;
}
std::optional<std::string> AccountEntryScreen::selectedIconId() const {
    return state_->selectedIconId;
}

namespace {

/// Children moved into a vector; an initializer list would copy every subtree.
template <class... Views> std::vector<ui::View> views(Views&&... children) {
    std::vector<ui::View> out;
    out.reserve(sizeof...(children));
    (out.push_back(std::forward<Views>(children)), ...);
    return out;
}

} // namespace

std::vector<std::string> AccountEntryScreen::offeredIcons() const {
    const auto offered = controller_->iconNames();
    const std::string& searchText = state_->iconSearchText;
    std::vector<std::string> names;
    if (controller_->areIconsSFSymbols()) {
        // The catalogue's symbols that match, narrowed to the ones the controller offers.
        const std::set<std::string, std::less<>> allowed(offered.begin(), offered.end());
        for (auto& icon : iconPickerService_->icon(searchText))
            if (allowed.empty() || allowed.contains(icon.name))
                names.push_back(std::move(icon.name));
    } else {
        // Image names are not in the catalogue; they are matched by name.
        const SearchText search(searchText);
        std::copy_if(offered.begin(), offered.end(), std::back_inserter(names),
                     [&search](const std::string& name) { return search.matches(name); });
    }
    return names;
}

ui::View AccountEntryScreen::iconSheet() const {
    const State& state = *state_;
    std::vector<ui::View> content;
    // A dismissed sheet shows nothing, so its grid is only built while it is open.
    if (state.isIconPickerVisible) {
        const auto account = controller_->account();
        std::vector<ui::View> icons;
        for (auto& name : offeredIcons()) {
            auto image = ui::image(name);
            if (name == state.selectedIconId)
                image.foregroundColor(ui::Color(Theme::shared().accentColor));
            icons.push_back(ui::button(state_.action([account, name](State& s) {
                                s.selectedIconId = name;
                                account->iconName().set(name);
                                s.isIconPickerVisible = false;
                            }),
                                       views(std::move(image)))
                                .id(name)
                                .accessibilityLabel(name));
        }
        if (icons.empty())
            icons.push_back(ui::text(L("No Results Found")).secondary());
        content =
            views(ui::textField(L("Search..."), state.iconSearchText, state_.binding(&State::iconSearchText))
                      .id("iconSearch"),
                  ui::grid(5, std::move(icons)).id("iconGrid"));
    }
    return ui::sheet(L("Choose Icon"), state.isIconPickerVisible, state_.binding(&State::isIconPickerVisible),
                     std::move(content))
        .id("iconPicker");
}

ui::View AccountEntryScreen::typeDependentSection(const NumberFormatter& formatter) const {
    const auto controller = controller_;
    const auto account = controller->account();
    State& state = *state_;
    const std::string_view type = rawValue(account->type()());
    if (type == "creditCard") {
        const auto card = controller->creditCardDetails();
        const auto statement = card->lastStatement()();
        if (state.sectionStatement != statement) {
            state.statementSection.emplace(statement, Environment::current().now(), formatter);
            state.sectionStatement = statement;
        }
        const auto reminders = card->reminderData()();
        if (state.sectionReminders != reminders) {
            state.remindersSection.emplace(reminders);
            state.sectionReminders = reminders;
        }
        if (state.sectionCard != card || state.sectionAccount != account) {
            state.balanceSection.emplace(
                AmountBinding::to(account, account->balance()), AmountBinding::to(card, card->limit()),
                formatter, controller->locale(),
                [card, account] { return card->isValidationPassed(account->balance()()); });
            state.sectionCard = card;
            state.sectionAccount = account;
        }
        return ui::group(views(state.balanceSection->body(), state.statementSection->body(),
                               state.remindersSection->body()));
    }
    if (type == "loan") {
        if (state.dueDays.empty() || state.dueDaysLocale != controller->locale()) {
            state.dueDays = LoanPaymentDuePicker::days(NumberFormatter::ordinal(controller->locale()));
            state.dueDaysLocale = controller->locale();
        }
        return LoanDetailsSection(controller->loanDetails(), state.loan,
                                  controller->loanAmountValidationError(), formatter, state.dueDays)
            .body();
    }
    return ui::section(L("Balance", "Section of the account form"),
                       views(state.balance.row(L("Balance", "Section of the account form"), "balance",
                                               formatter.currencySymbol())))
        .id("balanceSection");
}

ui::View AccountEntryScreen::body() const {
    const auto controller = controller_;
    const auto account = controller->account();
    State& state = *state_;
    const NumberFormatter& formatter = state.formatter(controller->locale(), account->currencyCode()());
    const bool isOnlineBanking = account->isOnlineBanking()();

    std::vector<ui::View> sections;
    sections.reserve(7);
    // The bank decides the type of an online-banking account.
    const auto typeBinding = ui::Binding<AccountType>{[account] { return account->type()(); },
                                                      [account](const AccountType& type) {
                                                          if (!account->isOnlineBanking()())
                                                              account->type().set(type);
                                                      }};
    sections.push_back(
        ui::section({}, views(AccountTypePickerView(typeBinding).body().disabled(isOnlineBanking)),
                    isOnlineBanking ? L("You cannot change the type of an online banking account.")
                                    : std::string())
            .id("typeSection"));
    sections.push_back(AccountNameSection(bindTo(account, account->name()),
                                          L("Account Name", "Placeholder of the account name"),
                                          bindTo(controller, controller->isNameInFocus()))
                           .body());
    const std::string& iconName = account->iconName()();
    sections.push_back(
        ui::section(L("Icon", "Section of the account form"),
                    views(ui::button(state_.setter(&State::isIconPickerVisible, true),
                                     views(ui::image(iconName.empty() ? std::string(defaultAccountImageName)
                                                                      : iconName),
                                           ui::text(L("Choose Icon"))))
                              .id("icon")
                              .accessibilityLabel(iconName)))
            .id("iconSection"));

    // The card's sections come as a group; the list takes them one by one.
    auto variable = typeDependentSection(formatter);
    if (variable.is<ui::Group>())
        for (auto& section : variable.children())
            sections.push_back(std::move(section));
    else
        sections.push_back(std::move(variable));

    sections.push_back(
        ui::section(
            views(ui::button(state_.action([controller](State& s) {
                      if (controller->onCurrencyDidPress)
                          controller->onCurrencyDidPress();
                      else
                          s.isCurrencyPickersVisible = true;
                  }),
                             views(ui::text(L("Currency")), ui::spacer(),
                                   ui::text(account->currencyCode()()).secondary().id("currencyCode")))
                      .disabled(!controller->canEditCurrency())
                      .id("currency")))
            .id("currencySection"));
    const auto groupBinding = ui::Binding<std::optional<AccountGroupItem>>{
        [controller] { return controller->selectedGroup()(); },
        [controller](const std::optional<AccountGroupItem>& group) {
            if (group)
                controller->selectedGroup().set(*group);
        }};
    sections.push_back(ui::section(views(AccountGroupPickerView(groupBinding, controller->groups()).body()))
                           .id("groupSection"));
    sections.push_back(AccountUseSection(bindTo(account, account->isBusinessAccount()), state.vat).body());

    const auto dismiss = [onWillDismiss = onWillDismiss_] {
        if (onWillDismiss)
            onWillDismiss();
    };
    const auto cancel = state_.action([controller, dismiss](State& s) {
        if (s.hasChanges(*controller))
            s.showConfirmation = true;
        else
            dismiss();
    });
    const auto save = state_.action([controller](State& s) {
        if (s.canSave(*controller))
            controller->save(controller->account());
    });

    return ui::navigationTitle(
        controller->isNew() ? L("New Account") : L("Edit Account"),
        views(ui::list(std::move(sections)), iconSheet(),
              ui::sheet(L("Currency"), state.isCurrencyPickersVisible,
                        state_.binding(&State::isCurrencyPickersVisible),
                        state.isCurrencyPickersVisible ? views(controller->currencyPicker()) : views()),
              ui::confirmationDialog(
                  L("Discard Changes?"), L("The changes you made to this account will be lost."),
                  state.showConfirmation, state_.binding(&State::showConfirmation),
                  views(ui::button(L("Discard Changes"), dismiss).role(ui::ButtonRole::destructive),
                        ui::button(L("Keep Editing"), [] {}).role(ui::ButtonRole::cancel)))
                  .id("discardConfirmation"),
              ui::toolbarItem("cancel", ui::button(L("Cancel"), cancel).role(ui::ButtonRole::cancel)),
              ui::toolbarItem(
                  "save", ui::button(L("Save", "Save action"), save).disabled(!state.canSave(*controller)))));
}

} // namespace zt
