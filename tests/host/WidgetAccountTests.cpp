#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <unordered_set>

using namespace zt;

namespace {

WidgetAccount account(std::string id, double balance, AccountType type, bool archived = false) {
    WidgetAccount a(std::move(id), "Account", balance, type, "USD");
    a.isArchived = archived;
    return a;
}

std::vector<std::string> ids(const std::vector<WidgetAccount>& accounts) {
    std::vector<std::string> out;
    for (const auto& a : accounts)
        out.push_back(a.id);
    return out;
}

} // namespace

TEST(WidgetAccountList, TotalsSplitAssetsFromLiabilities) {
    const std::vector<WidgetAccount> accounts{
        account("checking", 1000, AccountType::checking),
        account("overdrawn", -50, AccountType::checking), // lowers the assets
        account("card", -300, AccountType::creditCard),
        account("card-credit", 20, AccountType::creditCard), // a card in credit is still a card
        account("loan", -5000, AccountType::loan),
        account("house", 200000, AccountType::property),
        account("old", 70, AccountType::savings, true),
    };
    EXPECT_DOUBLE_EQ(totalAssets(accounts), 1000 - 50 + 200000 + 70);
    EXPECT_DOUBLE_EQ(totalCreditCard(accounts), -280);
    EXPECT_DOUBLE_EQ(totalLoans(accounts), -5000);

    double all = 0;
    for (const auto& a : accounts)
        all += a.balance;
    EXPECT_DOUBLE_EQ(totalAssets(accounts) + totalCreditCard(accounts) + totalLoans(accounts), all);

    // Totals cover exactly the list given; archived ones leave through excludedArchived().
    EXPECT_DOUBLE_EQ(totalAssets(excludedArchived(accounts)), 1000 - 50 + 200000);
    EXPECT_DOUBLE_EQ(totalAssets({}), 0);
    EXPECT_DOUBLE_EQ(totalLoans({account("a", 10, AccountType::cash)}), 0);
}

TEST(WidgetAccountList, ArchivedSplitKeepsOrder) {
    const std::vector<WidgetAccount> accounts{
        account("a", 1, AccountType::cash, true), account("b", 1, AccountType::cash),
        account("c", 1, AccountType::cash, true), account("d", 1, AccountType::cash)};
    EXPECT_EQ(ids(archived(accounts)), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(ids(excludedArchived(accounts)), (std::vector<std::string>{"b", "d"}));
    EXPECT_TRUE(archived({}).empty());
}

TEST(WidgetAccountEquality, CurrencyCodesCompareWithoutCase) {
    WidgetAccount a("x", "Euro", 10, AccountType::checking, "EUR");
    WidgetAccount b = a;
    b.currencyCode = "eur";
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<WidgetAccount>{}(a), std::hash<WidgetAccount>{}(b));
    EXPECT_EQ((std::unordered_set<WidgetAccount>{a, b}.size()), 1u);

    b.currencyCode.reset();
    EXPECT_NE(a, b); // a missing code is not EUR
    b.currencyCode = "EUR";
    b.isOnlineBanking = true;
    EXPECT_NE(a, b); // every field counts, not only the identifier
    b = a;
    b.balance = 10.01;
    EXPECT_NE(a, b);

    EXPECT_TRUE(sameCurrencyCode(std::nullopt, std::nullopt));
    EXPECT_TRUE(sameCurrencyCode("usd", "USD"));
    EXPECT_FALSE(sameCurrencyCode("USD", std::nullopt));
    EXPECT_FALSE(sameCurrencyCode("USD", "EUR"));
}

TEST(AccountBalanceUpdating, FormatsInTheAccountsOwnCurrency) {
    Environment::Override env(
        {.locale = "en_US", .timeZone = "UTC", .userDefaults = std::make_shared<InMemoryUserDefaults>()});
    WidgetAccount euro("e", "Euro", 1090, AccountType::checking, "eur");
    euro.balanceInAccountCurrency = 1000;
    euro.exchangeRate = 1.09;
    EXPECT_EQ(euro.balanceInAccountCurrencyString(), "€1,000.00");
    EXPECT_EQ(euro.currencySymbol(), "€");
    EXPECT_EQ(euro.accountCurrencyFormatter().currencyCode(), "EUR");

    // Without a currency of its own the account keeps the application's and has no second balance.
    WidgetAccount plain("p", "Plain", 50, AccountType::cash);
    EXPECT_FALSE(plain.balanceInAccountCurrencyString());
    EXPECT_FALSE(plain.currencySymbol());
    EXPECT_EQ(plain.accountCurrencyFormatter().currencyCode(), appCurrencyCode());
    EXPECT_DOUBLE_EQ(plain.accountCurrencyBalance(), 50); // falls back to the main balance

    euro.updateBalance(1200, Date{100});
    EXPECT_DOUBLE_EQ(euro.accountCurrencyBalance(), 1200);
    EXPECT_DOUBLE_EQ(euro.mainCurrencyBalance(), 1200 * 1.09);
    EXPECT_EQ(euro.balanceDate, Date{100});

    const AccountBalanceUpdating& through = euro;
    EXPECT_EQ(through.accountName(), "Euro");
    EXPECT_DOUBLE_EQ(through.exchangeRateToMainCurrency(), 1.09);
}

TEST(WidgetAccountDemo, SeveralTypesAndCurrencies) {
    const auto demo = WidgetAccount::demo();
    std::set<std::string> idSet, currencies;
    std::set<AccountType> types;
    for (const auto& a : demo) {
        idSet.insert(a.id);
        types.insert(a.type);
        currencies.insert(a.currencyCode.value_or(""));
        EXPECT_FALSE(a.name.empty());
        EXPECT_FALSE(a.iconName.empty());
        // The main balance is the account balance at its rate.
        EXPECT_NEAR(a.balance, a.accountCurrencyBalance() * a.exchangeRate, 0.005) << a.id;
    }
    EXPECT_EQ(idSet.size(), demo.size());
    EXPECT_GE(types.size(), 5u);
    EXPECT_TRUE(types.contains(AccountType::creditCard));
    EXPECT_TRUE(types.contains(AccountType::loan));
    EXPECT_GE(currencies.size(), 2u);
    EXPECT_FALSE(archived(demo).empty());
    EXPECT_LT(totalCreditCard(demo), 0);

    const auto gbp = WidgetAccount::gbpDemo();
    EXPECT_EQ(gbp.currencyCode, "GBP");
    EXPECT_FALSE(idSet.contains(gbp.id));
    EXPECT_TRUE(WidgetAccount::onlineBankingDemo().isOnlineBanking);
    for (const auto& a : demo)
        EXPECT_FALSE(a.isOnlineBanking) << a.id; // the overview's bank card shows on plain demo data
}
