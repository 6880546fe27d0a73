#include "Gallery.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryScreen.h"
#include "mocks/MockAccountEntryController.h"
#include "platform/Console.h"

#include <algorithm>
#include <memory>

namespace zt::preview {

namespace {

/// The form over the demo controller; the type picker switches the form's sections live.
Screen entryPage(std::shared_ptr<MockAccountEntryController> controller) {
    const auto screen =
        std::make_shared<const AccountEntryScreen>(controller, [] { console("onWillDismiss"); });
    screen->onAppear();
    return [screen] { return screen->body(); };
}

WidgetAccount demoAccount(AccountType type) {
    const auto accounts = WidgetAccount::demo();
    return *std::find_if(accounts.begin(), accounts.end(),
                         [type](const WidgetAccount& a) { return a.type == type; });
}

} // namespace

std::vector<Page> accountEntryPages() {
    return {
        {"account-entry-checking", "Account form: checking account",
         [](PageContext&) {
             return entryPage(MockAccountEntryController::editing(demoAccount(AccountType::checking)));
         }},
        {"account-entry-credit-card", "Account form: credit card",
         [](PageContext&) {
             return entryPage(MockAccountEntryController::editing(demoAccount(AccountType::creditCard)));
         }},
        {"account-entry-loan", "Account form: loan",
         [](PageContext&) {
             return entryPage(MockAccountEntryController::editing(demoAccount(AccountType::loan)));
         }},
        {"account-entry-online-banking", "Account form: online banking account",
         [](PageContext&) {
             return entryPage(MockAccountEntryController::editing(WidgetAccount::onlineBankingDemo()));
         }},
        {"account-entry-new", "Account form: new account",
         [](PageContext&) { return entryPage(MockAccountEntryController::creating()); }},
    };
}

} // namespace zt::preview
