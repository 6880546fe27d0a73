#include "HostAccountEntryController.h"

#include "ZTSwiftUIComponents/accountentry/AccountEntryProvider.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "mocks/MockLoanProviders.h"
#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/StringTable.h"
#include "platform/UUID.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace zt {

namespace {

using Reason = HostDatabaseError::Reason;

// The stored groups in the user's order, then the catch-all group of accounts without one.
std::vector<AccountGroupItem> hostFormGroups(HostDatabase& database) {
    std::vector<AccountGroupItem> groups;
    const auto add = [&groups](std::string id, std::string name) {
        AccountGroupItem group;
        group.id = std::move(id);
        group.name = std::move(name);
        groups.push_back(std::move(group));
    };
    auto rows =
        database.connection().prepare("SELECT id, name FROM account_groups ORDER BY sort_order, rowid");
    while (rows.step())
        add(rows.text(0), rows.text(1));
    add(std::string(AccountGroupItem::noGroupIdentifier), AccountGroupItem::noGroupName());
    return groups;
}

// Main-currency units per unit of code: the rate the account had, else one another stored account
// in that currency has, else 1 (the application currency, or a currency nothing is known about).
double hostRateFor(HostDatabase& database, const std::string& code,
                   const std::optional<WidgetAccount>& stored) {
    if (stored && stored->currencyCode == code)
        return stored->exchangeRate;
    auto rate = database.connection().prepare(
        "SELECT exchange_rate FROM accounts WHERE currency_code = ?1 ORDER BY sort_order LIMIT 1");
    rate.bind(1, code);
    return rate.step() ? rate.real(0) : 1.0;
}

void updateHostAccountRow(HostDatabase& database, const WidgetAccount& account) {
    database.connection()
        .prepare("UPDATE accounts SET name = ?2, balance = ?3, currency_code = ?4, exchange_rate = ?5, "
                 "icon_name = ?6, type = ?7, is_business = ?8, group_id = ?9 WHERE id = ?1")
        .bind(1, account.id)
        .bind(2, account.name)
        .bind(3, account.accountCurrencyBalance())
        .bind(4, account.currencyCode)
        .bind(5, account.exchangeRate)
        .bind(6, account.iconName)
        .bind(7, rawValue(account.type))
        .bind(8, account.isBusinessAccount)
        .bind(9, account.groupId)
        .run();
}

} // namespace

HostAccountEntryController::HostAccountEntryController(Details details,
                                                       std::shared_ptr<HostDatabase> database,
                                                       std::shared_ptr<HostCreditCards> cards,
                                                       std::optional<WidgetAccount> stored)
    : AccountEntryController(std::move(details)), database_(std::move(database)), cards_(std::move(cards)),
      stored_(std::move(stored)) {
    if (stored_)
        accountId_ = stored_->id;
    std::set<std::string> codes{appCurrencyCode()};
    auto rows = database_->connection().prepare(
        "SELECT DISTINCT currency_code FROM accounts WHERE currency_code IS NOT NULL");
    while (rows.step())
        codes.insert(rows.text(0));
    currencies_.assign(codes.begin(), codes.end());
}

std::shared_ptr<HostAccountEntryController>
HostAccountEntryController::editing(std::shared_ptr<HostDatabase> database, const std::string& accountId,
                                    std::shared_ptr<NotificationCenter> notifications) {
    auto account = database->account(accountId);
    if (!account)
        return nullptr;
    auto cards = std::make_shared<HostCreditCards>(database, std::move(notifications));
    auto groups = hostFormGroups(*database);
    const auto own = std::find_if(groups.begin(), groups.end(), [&account](const AccountGroupItem& group) {
        return account->groupId ? group.id == *account->groupId : group.isNoGroup();
    });
    const Date now = Environment::current().now();
    Details details{
        .account = std::make_shared<AccountEntryProvider>(*account),
        .creditCardDetails = cards->entry(*account, now),
        .loanDetails = MockLoanEntryProvider::demo(now),
        .groups = groups,
        .selectedGroup = own != groups.end() ? *own : groups.back(),
    };
    return std::shared_ptr<HostAccountEntryController>(new HostAccountEntryController(
        std::move(details), std::move(database), std::move(cards), std::move(account)));
}

std::shared_ptr<HostAccountEntryController>
HostAccountEntryController::creating(std::shared_ptr<HostDatabase> database,
                                     std::shared_ptr<NotificationCenter> notifications) {
    auto cards = std::make_shared<HostCreditCards>(database, std::move(notifications));
    auto groups = hostFormGroups(*database);
    const Date now = Environment::current().now();
    Details details{
        .account = std::make_shared<AccountEntryProvider>(),
        .creditCardDetails = cards->entry(WidgetAccount(), now),
        .loanDetails = MockLoanEntryProvider::demo(now),
        .groups = groups,
        .selectedGroup = groups.back(),
        .isNew = true,
    };
    return std::shared_ptr<HostAccountEntryController>(new HostAccountEntryController(
        std::move(details), std::move(database), std::move(cards), std::nullopt));
}

void HostAccountEntryController::save(const std::shared_ptr<AccountEntryProviding>& provider) {
    auto& form = *provider;
    WidgetAccount account = stored_.value_or(WidgetAccount());
    account.id = accountId_.value_or(makeUUIDString());
    account.name = form.name()();
    account.type = form.type()();
    account.iconName = form.iconName()();
    account.isBusinessAccount = form.isBusinessAccount()();
    const auto code = form.currencyCode()();
    account.currencyCode = code.empty() || code == appCurrencyCode() ? std::nullopt : std::optional(code);
    account.exchangeRate = account.currencyCode ? hostRateFor(*database_, code, stored_) : 1.0;
    account.balanceInAccountCurrency = form.balance()().value_or(0);
    account.balance = *account.balanceInAccountCurrency * account.exchangeRate;
    const auto& group = selectedGroup()();
    account.groupId = group.isNoGroup() ? std::nullopt : std::optional(group.id);
    try {
        if (!std::isfinite(account.accountCurrencyBalance()))
            throw HostDatabaseError(Reason::invalidRecord, "the balance is not a finite number");
        SqliteTransaction write(database_->connection());
        if (stored_) {
            updateHostAccountRow(*database_, account);
        } else {
            database_->insertAccount(account, static_cast<int>(database_->accounts().size()));
        }
        if (account.type == AccountType::creditCard)
            cards_->save(account, *creditCardDetails());
        write.commit();
    } catch (const std::exception& e) {
        Logger("HostAccountEntryController")
            .log(LogLevel::error, std::string("account not saved: ") + e.what());
        saveError.set(std::string(e.what()));
        return;
    }
    stored_ = account;
    accountId_ = account.id;
    saveError.set(std::nullopt);
}

ui::View HostAccountEntryController::currencyPicker() const {
    std::vector<ui::PickerOption> options;
    for (const auto& code : currencies_)
        options.push_back({code, code, {}});
    const auto provider = account();
    return ui::picker(L("Currency"), std::move(options), provider->currencyCode()(),
                      [provider](const std::string& code) { provider->currencyCode().set(code); })
        .id("currencyPicker");
}

} // namespace zt
