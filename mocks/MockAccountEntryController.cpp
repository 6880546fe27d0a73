#include "MockAccountEntryController.h"

#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "mocks/CreditCardDemos.h"
#include "mocks/DemoClock.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace zt {

namespace {

// The shortest text that reads back as the same number, independent of any locale.
std::string plainNumber(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

std::vector<std::string> catalogueIconNames() {
    std::vector<std::string> names;
    for (auto& icon : BundleIconPickerDataSource("account-icons").icons())
        names.push_back(std::move(icon.name));
    return names;
}

} // namespace

MockAccountEntryController::MockAccountEntryController(Details details)
    : details_(std::move(details)), selectedGroup_(*this, details_.selectedGroup) {
    if (details_.locale.empty())
        details_.locale = Environment::current().localeIdentifier();
}

std::shared_ptr<MockAccountEntryController>
MockAccountEntryController::editing(const WidgetAccount& account) {
    auto groups = MockAccountListStore::demoGroups();
    const auto own = std::find_if(groups.begin(), groups.end(), [&account](const AccountGroupItem& group) {
        return std::any_of(group.items.begin(), group.items.end(),
                           [&account](const WidgetAccount& item) { return item.id == account.id; });
    });
    AccountGroupItem selected = own != groups.end() ? *own : groups.front();
    const Date now = mocks::demoNow();
    return std::make_shared<MockAccountEntryController>(Details{
        .account = std::make_shared<MockAccountEntryProvider>(account),
        .creditCardDetails = CreditCardDemo(now).entry(),
        .loanDetails = MockLoanEntryProvider::demo(now),
        .groups = std::move(groups),
        .selectedGroup = std::move(selected),
        .iconNames = catalogueIconNames(),
    });
}

std::shared_ptr<MockAccountEntryController> MockAccountEntryController::creating() {
    auto groups = MockAccountListStore::demoGroups();
    const auto noGroup = std::find_if(groups.begin(), groups.end(),
                                      [](const AccountGroupItem& group) { return group.isNoGroup(); });
    AccountGroupItem selected = noGroup != groups.end() ? *noGroup : groups.front();
    const Date now = mocks::demoNow();
    return std::make_shared<MockAccountEntryController>(Details{
        .account = std::make_shared<MockAccountEntryProvider>(),
        .creditCardDetails = CreditCardDemo(now).entry(),
        .loanDetails = MockLoanEntryProvider::demo(now),
        .groups = std::move(groups),
        .selectedGroup = std::move(selected),
        .isNew = true,
        .iconNames = catalogueIconNames(),
    });
}

std::optional<std::string> MockAccountEntryController::loanAmountValidationError() const {
    if (details_.account->type()() != AccountType::loan)
        return std::nullopt;
    const auto amount = details_.loanDetails->initialAmount()();
    if (amount && !(*amount > 0))
        return L("Enter a loan amount above 0.");
    return std::nullopt;
}

bool MockAccountEntryController::isValidationPassed() const {
    auto& account = *details_.account;
    if (isBlank(account.name()()))
        return false;
    // Card and loan details only count for an account of that type: a checking account is not
    // held back by a card limit the user never sees.
    switch (account.type()()) {
    case AccountType::creditCard: {
        const auto& card = *details_.creditCardDetails;
        return card.isValidationPassed(account.balance()()) && card.lastStatement()()->isValidationPassed();
    }
    case AccountType::loan:
        return !loanAmountValidationError() &&
               LoanPaymentScheduleProviding::isValidPaymentDueDay(
                   details_.loanDetails->currentPaymentSchedule()()->paymentDueDay()());
    default:
        return true;
    }
}

void MockAccountEntryController::save(const std::shared_ptr<AccountEntryProviding>& account) {
    console("Save did Press");
    const auto balance = account->balance()();
    console("Account: " + account->name()() + ", balance: " + (balance ? plainNumber(*balance) : "none"));
}

ui::View MockAccountEntryController::currencyPicker() const {
    return ui::text(L("I am a currency Picker")).id("currencyPicker");
}

} // namespace zt
