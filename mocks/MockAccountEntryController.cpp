#include "MockAccountEntryController.h"

#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "mocks/CreditCardDemos.h"
#include "mocks/DemoClock.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <array>
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

std::vector<std::string> catalogueIconNames() {
    std::vector<std::string> names;
    for (auto& icon : BundleIconPickerDataSource("account-icons").icons())
        names.push_back(std::move(icon.name));
    return names;
}

} // namespace

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
        .account = std::make_shared<AccountEntryProvider>(account),
        .creditCardDetails = CreditCardDemo(now).entry(),
        .loanDetails = LoanEntryProvider::demo(now),
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
        .account = std::make_shared<AccountEntryProvider>(),
        .creditCardDetails = CreditCardDemo(now).entry(),
        .loanDetails = LoanEntryProvider::demo(now),
        .groups = std::move(groups),
        .selectedGroup = std::move(selected),
        .isNew = true,
        .iconNames = catalogueIconNames(),
    });
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
