// The host's demo record sets (accounts, bills, shortcuts, goals, budgets), each a short table over
// the shared vocabulary of DemoCatalogue.h. The demo transactions are in DemoTransactions.cpp.
#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <algorithm>

namespace zt {

// WidgetAccount

std::vector<WidgetAccount> WidgetAccount::demo() {
    std::vector<WidgetAccount> out;
    out.emplace_back(std::string(demo::checking.id), std::string(demo::checking.name), 2450.75,
                     AccountType::checking, "USD", "building.columns.fill");
    out.back().isFavorite = true;
    out.emplace_back(std::string(demo::savings.id), std::string(demo::savings.name), 8300,
                     AccountType::savings, "USD", "banknote.fill");
    out.emplace_back(std::string(demo::wallet.id), std::string(demo::wallet.name), 86.4, AccountType::cash,
                     "USD", "wallet.pass.fill");
    out.emplace_back(std::string(demo::creditCard.id), std::string(demo::creditCard.name), -640.2,
                     AccountType::creditCard, "USD", "creditcard.fill");
    out.back().groupId = "credit-card";
    out.emplace_back("acc-car-loan", "Car Loan", -8200, AccountType::loan, "USD", "car.fill");
    out.emplace_back("acc-brokerage", "Brokerage", 12480.3, AccountType::investment, "USD",
                     "chart.line.uptrend.xyaxis");
    WidgetAccount euro(std::string(demo::euroAccount.id), std::string(demo::euroAccount.name), 0,
                       AccountType::checking, "EUR", "eurosign.circle.fill");
    euro.exchangeRate = 1.09;
    euro.updateBalance(920, Date{});
    euro.balanceDate.reset();
    out.push_back(euro);
    WidgetAccount business("acc-business", "Studio Business", 3120, AccountType::checking, "USD",
                           "briefcase.fill");
    business.isBusinessAccount = true;
    out.push_back(business);
    WidgetAccount old("acc-old-savings", "Old Savings", 15, AccountType::savings, "USD", "archivebox.fill");
    old.isArchived = true;
    out.push_back(old);
    return out;
}

WidgetAccount WidgetAccount::gbpDemo() {
    WidgetAccount account("acc-gbp", "UK Current Account", 0, AccountType::checking, "GBP",
                          "sterlingsign.circle.fill");
    account.exchangeRate = 1.27;
    account.updateBalance(1540.5, Date{});
    account.balanceDate.reset();
    return account;
}

WidgetAccount WidgetAccount::onlineBankingDemo() {
    WidgetAccount account("acc-online", "Harbor Bank Checking", 1875.6, AccountType::checking, "USD",
                          "building.columns.fill");
    account.isOnlineBanking = true;
    return account;
}

// UpcomingBill

std::vector<UpcomingBill> UpcomingBill::demoBills(Date referenceDate) {
    struct DueBill {
        const char* id;
        const char* name;
        double amount;
        int day;
        std::string_view categoryId;
        const char* imageName;
        demo::AccountRef account;
    };
    static constexpr DueBill dueBills[] = {
        {"bill-rent", "Rent", 1200, 3, "cat-housing", "key.fill", demo::checking},
        {"bill-streaming", "StreamBox", 12.99, 8, "cat-entertainment", "play.tv.fill", demo::creditCard},
        {"bill-electricity", "City Power", 75, 12, "cat-utilities", "lightbulb.fill", demo::checking},
        {"bill-internet", "FiberNet", 39.99, 15, "cat-utilities", "wifi", demo::creditCard},
        {"bill-phone", "Phone plan", 25, 20, "cat-utilities", "iphone", demo::creditCard},
        {"bill-gym", "Iron Works Gym", 29, 25, "cat-health", "dumbbell.fill", demo::creditCard},
        {"bill-insurance", "Home insurance", 89.5, 31, "cat-housing", "house.fill", demo::checking},
    };
    const Calendar calendar = Calendar::current();
    const auto c = calendar.components(referenceDate);
    const int year = c.year.value_or(2001), month = c.month.value_or(1);
    const auto first = calendar.date(year, month, 1);
    const int days = first ? calendar.daysInMonth(*first).value_or(28) : 28;
    std::vector<UpcomingBill> out;
    for (const auto& s : dueBills) {
        const auto due = calendar.date(year, month, std::min(s.day, days), 9, 0);
        if (!due)
            continue;
        out.push_back(UpcomingBill{s.id, s.name, s.amount, *due,
                                   std::string(demo::category(s.categoryId).name), s.imageName,
                                   std::string(s.account.name), std::nullopt});
    }
    return out;
}

std::vector<UpcomingBill> UpcomingBill::demoBills() {
    return demoBills(Environment::current().now());
}

// Shortcut

std::vector<Shortcut> Shortcut::demo() {
    const auto make = [](const char* id, const char* name, double amount, TransactionType type,
                         std::string_view categoryId, demo::AccountRef account, bool isDynamic) {
        const auto& category = categoryId.empty() ? demo::transferCategory : demo::category(categoryId);
        return Shortcut{id,
                        name,
                        amount,
                        type,
                        std::string(category.name),
                        std::string(category.imageName),
                        std::string(account.name),
                        std::nullopt,
                        isDynamic};
    };
    return {
        make("shortcut-coffee", "Coffee", 3.8, TransactionType::expense, "cat-restaurants", demo::wallet,
             true),
        make("shortcut-groceries", "Groceries", 45, TransactionType::expense, "cat-groceries",
             demo::creditCard, false),
        make("shortcut-fuel", "Fuel", 60, TransactionType::expense, "cat-transport", demo::creditCard, false),
        make("shortcut-lunch", "Lunch", 13.5, TransactionType::expense, "cat-restaurants", demo::creditCard,
             true),
        make("shortcut-savings", "To Savings", 300, TransactionType::transferSource, "", demo::checking,
             false),
        make("shortcut-salary", "Salary", 3200, TransactionType::income, "cat-salary", demo::checking, false),
    };
}

// WidgetGoal

std::vector<WidgetGoal> WidgetGoal::demoGoals(Date referenceDate) {
    constexpr double day = 86400;
    return {
        {"goal-emergency", "Emergency Fund", 10000, 3200, referenceDate + 300 * day, "🛟"},
        {"goal-vacation", "Summer Vacation", 2500, 1850, referenceDate + 60 * day, "🏖️"},
        {"goal-laptop", "New Laptop", 1500, 1500, referenceDate - 20 * day, "💻"},
        {"goal-bike", "E-Bike", 2200, 140, std::nullopt, "🚲"},
    };
}

std::vector<WidgetGoal> WidgetGoal::demoGoals() {
    return demoGoals(Environment::current().now());
}

// WidgetBudget

std::vector<WidgetBudget> WidgetBudget::demoBudgets() {
    return {
        {"budget-groceries", "Groceries", 400, 250.4, 149.6, 7.12, 21, "🛒", {"cat-groceries"}},
        {"budget-restaurants", "Eating Out", 150, 172.3, -22.3, std::nullopt, 21, "🍝", {"cat-restaurants"}},
        {"budget-fun", "Fun", 120, 37.98, 82.02, 3.91, 21, "🎬", {"cat-entertainment", "cat-shopping"}},
        {"budget-transport", "Transport", 200, 60, 140, 6.67, 21, "🚗", {"cat-transport"}},
    };
}

} // namespace zt
