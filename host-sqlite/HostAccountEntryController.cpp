#include "HostAccountEntryController.h"

#include "HostJson.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryProvider.h"
#include "ZTSwiftUIComponents/accountentry/LoanProviders.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/StringTable.h"
#include "platform/UUID.h"

#include <algorithm>
#include <set>
#include <utility>

namespace zt {

namespace {

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
        database.connection().prepare("SELECT id, name FROM account_groups ORDER BY sort_order, name");
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

std::string hostLoanKey(const std::string& accountId) {
    return "loan." + accountId;
}

// The loan terms of an account, kept as JSON under one settings key. A new loan, or one whose
// setting does not read, starts at now without amounts, paid monthly on that day.
std::shared_ptr<LoanEntryProvider> readHostLoan(HostDatabase& database, const std::string& accountId,
                                                Date now) {
    const auto text = accountId.empty() ? std::nullopt : database.value(hostLoanKey(accountId));
    const auto json = text ? nlohmann::json::parse(*text, nullptr, false) : nlohmann::json();
    const auto number = [&json](const char* key) {
        return json.is_object() ? optionalJsonNumber(json, key) : std::nullopt;
    };
    const auto date = [&number, now](const char* key) { return number(key) ? Date(*number(key)) : now; };
    const auto term = number("termInYears");
    const auto frequency = json.is_object() && json.contains("frequency") && json["frequency"].is_string()
                               ? json["frequency"].get<std::string>()
                               : std::string("monthly");
    const int dueDay = static_cast<int>(
        number("paymentDueDay").value_or(Calendar::current().components(now).day.value_or(1)));
    return std::make_shared<LoanEntryProvider>(
        date("startDate"), number("initialAmount"),
        term ? std::optional(static_cast<std::int16_t>(*term)) : std::nullopt,
        std::make_shared<InterestRateProvider>(number("interestRate"), date("interestRateStartDate")),
        std::make_shared<LoanPaymentScheduleProvider>(number("paymentAmount"), frequency, dueDay,
                                                      date("paymentStartDate")));
}

void writeHostLoan(HostDatabase& database, const std::string& accountId, LoanEntryProviding& loan) {
    auto& rate = *loan.currentInterestRate()();
    auto& schedule = *loan.currentPaymentSchedule()();
    requireFiniteAmount(loan.initialAmount()(), "the loan amount");
    requireFiniteAmount(rate.rate()(), "the interest rate");
    requireFiniteAmount(schedule.amount()(), "the instalment");
    nlohmann::json json{
        {"startDate", loan.startDate()().secondsSinceReferenceDate},
        {"interestRateStartDate", rate.startDate()().secondsSinceReferenceDate},
        {"frequency", schedule.frequency()()},
        {"paymentDueDay", schedule.paymentDueDay()()},
        {"paymentStartDate", schedule.startDate()().secondsSinceReferenceDate},
    };
    const auto put = [&json](const char* key, const auto& value) {
        if (value)
            json[key] = *value;
    };
    put("initialAmount", loan.initialAmount()());
    put("termInYears", loan.initialTermInYears()());
    put("interestRate", rate.rate()());
    put("paymentAmount", schedule.amount()());
    database.setValue(hostLoanKey(accountId), json.dump());
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
    return open(std::move(database), std::move(notifications), std::move(account));
}

std::shared_ptr<HostAccountEntryController>
HostAccountEntryController::creating(std::shared_ptr<HostDatabase> database,
                                     std::shared_ptr<NotificationCenter> notifications) {
    return open(std::move(database), std::move(notifications), std::nullopt);
}

std::shared_ptr<HostAccountEntryController>
HostAccountEntryController::open(std::shared_ptr<HostDatabase> database,
                                 std::shared_ptr<NotificationCenter> notifications,
                                 std::optional<WidgetAccount> stored) {
    auto cards = std::make_shared<HostCreditCards>(database, std::move(notifications));
    auto groups = hostFormGroups(*database);
    // The account's own group; the catch-all one (last) for a new account or one without a group.
    const auto own = std::find_if(groups.begin(), groups.end(), [&stored](const AccountGroupItem& group) {
        return stored && stored->groupId ? group.id == *stored->groupId : group.isNoGroup();
    });
    const Date now = Environment::current().now();
    const WidgetAccount account = stored.value_or(WidgetAccount());
    Details details{
        .account = stored ? std::make_shared<AccountEntryProvider>(account)
                          : std::make_shared<AccountEntryProvider>(),
        .creditCardDetails = cards->entry(account, now),
        .loanDetails = readHostLoan(*database, account.id, now),
        .groups = groups,
        .selectedGroup = own != groups.end() ? *own : groups.back(),
        .isNew = !stored,
    };
    return std::shared_ptr<HostAccountEntryController>(new HostAccountEntryController(
        std::move(details), std::move(database), std::move(cards), std::move(stored)));
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
        SqliteTransaction write(database_->connection());
        if (stored_) {
            database_->updateAccount(account);
        } else {
            database_->insertAccount(account, static_cast<int>(database_->accounts().size()));
        }
        if (account.type == AccountType::creditCard)
            cards_->save(account, *creditCardDetails());
        if (account.type == AccountType::loan)
            writeHostLoan(*database_, account.id, *loanDetails());
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
