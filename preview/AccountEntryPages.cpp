#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryScreen.h"
#include "host-sqlite/HostAccountEntryController.h"
#include "mocks/MockAccountEntryController.h"
#include "platform/Console.h"

#include <algorithm>
#include <memory>

namespace zt::preview {

namespace {

/// The form over its controller; the type picker switches the form's sections live.
Screen entryPage(std::shared_ptr<AccountEntryControlling> controller) {
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

/// With a database file, its account of that demo account's identifier, saved into the file.
Screen editingPage(AccountType type) {
    const auto account = demoAccount(type);
    if (const auto database = galleryDatabase())
        if (auto stored =
                HostAccountEntryController::editing(database, account.id, galleryNotificationCenter()))
            return entryPage(std::move(stored));
    return entryPage(MockAccountEntryController::editing(account));
}

} // namespace

std::vector<Page> accountEntryPages() {
    return {
        {"account-entry-checking", "Account form: checking account",
         [](PageContext&) { return editingPage(AccountType::checking); }},
        {"account-entry-credit-card", "Account form: credit card",
         [](PageContext&) { return editingPage(AccountType::creditCard); }},
        {"account-entry-loan", "Account form: loan",
         [](PageContext&) { return editingPage(AccountType::loan); }},
        {"account-entry-online-banking", "Account form: online banking account",
         [](PageContext&) {
             return entryPage(MockAccountEntryController::editing(WidgetAccount::onlineBankingDemo()));
         }},
        {"account-entry-new", "Account form: new account",
         [](PageContext&) {
             if (const auto database = galleryDatabase())
                 return entryPage(
                     HostAccountEntryController::creating(database, galleryNotificationCenter()));
             return entryPage(MockAccountEntryController::creating());
         }},
    };
}

} // namespace zt::preview
