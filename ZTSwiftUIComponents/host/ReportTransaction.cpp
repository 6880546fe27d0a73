#include "ReportTransaction.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "platform/Environment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zt {

ReportTransaction::ReportTransaction(std::string identifier, double amount,
                                     std::optional<double> amountOriginalCurrency,
                                     std::optional<std::string> currencyCode, std::string categoryName,
                                     std::string categoryImageName, std::string categoryId,
                                     std::optional<std::string> subcategoryName,
                                     std::optional<std::string> subcategoryImageName, bool isExpense,
                                     bool isTransfer, Date transactionDate, std::string accountId,
                                     std::string accountName, std::optional<std::string> payee,
                                     std::optional<std::string> description, bool isChildRepeating,
                                     bool isDynamicShortcut, bool isExcludedFromCalculations)
    : amount_(amount), date_(transactionDate), isExpense_(isExpense), isTransfer_(isTransfer),
      isExcludedFromCalculations_(isExcludedFromCalculations), isChildRepeating_(isChildRepeating),
      isDynamicShortcut_(isDynamicShortcut), categoryName_(std::move(categoryName)),
      identifier_(std::move(identifier)), amountOriginalCurrency_(amountOriginalCurrency),
      currencyCode_(std::move(currencyCode)), categoryImageName_(std::move(categoryImageName)),
      categoryId_(std::move(categoryId)), subcategoryName_(std::move(subcategoryName)),
      subcategoryImageName_(std::move(subcategoryImageName)), accountId_(std::move(accountId)),
      accountName_(std::move(accountName)), payee_(std::move(payee)), description_(std::move(description)) {}

void ReportTransaction::setAmount(double amount, std::optional<double> amountOriginalCurrency) {
    amount_ = amount;
    amountOriginalCurrency_ = amountOriginalCurrency;
}

namespace {

using demo::AccountRef;
using demo::DemoCategory;

struct Entry {
    std::string id;
    double amount;
    const DemoCategory* category;
    std::string_view subcategoryId; // empty: none
    bool isExpense;
    bool isTransfer = false;
    Date date{};
    AccountRef account{};
    std::optional<std::string> payee{};
    std::optional<std::string> description{};
    bool isChildRepeating = false;
    bool isDynamicShortcut = false;
    bool isExcluded = false;
    std::optional<double> originalAmount{};
    std::optional<std::string> currencyCode{};
};

std::shared_ptr<ReportTransaction> make(const Entry& e) {
    std::optional<std::string> subName, subImage;
    if (!e.subcategoryId.empty()) {
        const auto& sub = demo::subcategory(*e.category, e.subcategoryId);
        subName = std::string(sub.name);
        subImage = std::string(sub.imageName);
    }
    return std::make_shared<ReportTransaction>(
        e.id, e.amount, e.originalAmount, e.currencyCode, std::string(e.category->name),
        std::string(e.category->imageName), std::string(e.category->id), subName, subImage, e.isExpense,
        e.isTransfer, e.date, std::string(e.account.id), std::string(e.account.name), e.payee, e.description,
        e.isChildRepeating, e.isDynamicShortcut, e.isExcluded);
}

double cents(double value) {
    return std::round(value * 100.0) / 100.0;
}

// A fixed pseudo-random factor in [0.8, 1.2) for a month and a slot, so demo amounts vary
// believably but identically on every run.
double variation(int monthKey, int slot) {
    std::uint32_t x =
        static_cast<std::uint32_t>(monthKey) * 2654435761u ^ static_cast<std::uint32_t>(slot) * 40503u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return 0.8 + 0.4 * static_cast<double>(x % 10000u) / 10000.0;
}

std::string demoId(int year, int month, std::string_view slot) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "demo-%04d-%02d-", year, month);
    return std::string(buffer) + std::string(slot);
}

// Orders newest first; equal dates keep their generation order.
void sortNewestFirst(ReportTransactionList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return a->date() > b->date(); });
}

} // namespace

ReportTransactionList ReportTransaction::demo(Date referenceDate) {
    const Calendar calendar = Calendar::current();
    const Date today = calendar.startOfDay(referenceDate);
    const auto& groceries = demo::category("cat-groceries");
    const auto& housing = demo::category("cat-housing");
    const auto& utilities = demo::category("cat-utilities");
    const auto& transport = demo::category("cat-transport");
    const auto& restaurants = demo::category("cat-restaurants");
    const auto& entertainment = demo::category("cat-entertainment");
    const auto& shopping = demo::category("cat-shopping");
    const auto& health = demo::category("cat-health");
    const auto& travel = demo::category("cat-travel");
    const auto& salary = demo::category("cat-salary");
    const auto& freelance = demo::category("cat-freelance");
    const auto& interest = demo::category("cat-interest");
    const auto& gifts = demo::category("cat-gifts");

    ReportTransactionList out;
    // The reference day holds exactly these two, so they come first in the list.
    const Date coffeeTime = std::min(today + 8.5 * 3600, referenceDate);
    const Date lunchTime = std::min(today + 10 * 3600, referenceDate);
    const auto c = calendar.components(referenceDate);
    const int refYear = c.year.value_or(2001), refMonth = c.month.value_or(1);
    out.push_back(make({demoId(refYear, refMonth, "today-lunch"), 13.5, &restaurants, "sub-lunch", true,
                        false, lunchTime, demo::creditCard, "Corner Deli", "Lunch with the team"}));
    out.push_back(make({demoId(refYear, refMonth, "today-coffee"), 3.8, &restaurants, "sub-coffee", true,
                        false, coffeeTime, demo::wallet, "Bean There", std::nullopt, false, true}));

    const auto monthStart = calendar.date(refYear, refMonth, 1);
    if (!monthStart)
        return out;
    for (int back = 0; back < 12; ++back) {
        const auto start = calendar.adding(CalendarComponent::month, -back, *monthStart);
        if (!start)
            continue;
        const auto mc = calendar.components(*start);
        const int year = mc.year.value_or(refYear), month = mc.month.value_or(1);
        const int days = calendar.daysInMonth(*start).value_or(28);
        const int key = year * 12 + month;
        // Scheduled entries fall strictly before the reference day.
        const auto at = [&](int day, int hour, int minute) -> std::optional<Date> {
            const auto d = calendar.date(year, month, std::min(day, days), hour, minute);
            if (!d || *d >= today)
                return std::nullopt;
            return d;
        };
        const auto add = [&](std::optional<Date> when, Entry e) {
            if (!when)
                return;
            e.date = *when;
            e.id = demoId(year, month, e.id);
            out.push_back(make(e));
        };

        add(at(1, 9, 0), {"salary",
                          3200,
                          &salary,
                          "",
                          false,
                          false,
                          {},
                          demo::checking,
                          "Northwind Labs",
                          "Monthly salary",
                          true});
        add(at(1, 7, 45), {"transit-pass",
                           49,
                           &transport,
                           "sub-public-transport",
                           true,
                           false,
                           {},
                           demo::checking,
                           "City Transit",
                           "Monthly pass",
                           true});
        add(at(2, 6, 30), {"gym",
                           29,
                           &health,
                           "sub-gym",
                           true,
                           false,
                           {},
                           demo::creditCard,
                           "Iron Works Gym",
                           std::nullopt,
                           true});
        add(at(2, 12, 0), {"savings-out",
                           300,
                           &demo::transferCategory,
                           "",
                           true,
                           true,
                           {},
                           demo::checking,
                           std::nullopt,
                           "To Savings",
                           true});
        add(at(2, 12, 0), {"savings-in",
                           300,
                           &demo::transferCategory,
                           "",
                           false,
                           true,
                           {},
                           demo::savings,
                           std::nullopt,
                           "From Checking",
                           true});
        add(at(3, 8, 0), {"rent",
                          1200,
                          &housing,
                          "sub-rent",
                          true,
                          false,
                          {},
                          demo::checking,
                          "Oakridge Properties",
                          "Rent",
                          true});
        for (int week = 0; week < 4; ++week)
            add(at(4 + 7 * week, 17, 30), {"groceries-" + std::to_string(week + 1),
                                           cents(85 * variation(key, 10 + week)),
                                           &groceries,
                                           "sub-supermarket",
                                           true,
                                           false,
                                           {},
                                           demo::creditCard,
                                           "Fresh Market"});
        add(at(6, 8, 0), {"bakery-1",
                          cents(9 * variation(key, 20)),
                          &groceries,
                          "sub-bakery",
                          true,
                          false,
                          {},
                          demo::wallet,
                          "Morning Crust"});
        add(at(20, 8, 0), {"bakery-2",
                           cents(9 * variation(key, 21)),
                           &groceries,
                           "sub-bakery",
                           true,
                           false,
                           {},
                           demo::wallet,
                           "Morning Crust"});
        add(at(7, 18, 15), {"fuel",
                            cents(58 * variation(key, 30)),
                            &transport,
                            "sub-fuel",
                            true,
                            false,
                            {},
                            demo::creditCard,
                            "Highway Fuel"});
        add(at(8, 0, 5), {"streaming",
                          12.99,
                          &entertainment,
                          "sub-streaming",
                          true,
                          false,
                          {},
                          demo::creditCard,
                          "StreamBox",
                          "Monthly plan",
                          true});
        add(at(9, 20, 0), {"dinner",
                           cents(48 * variation(key, 40)),
                           &restaurants,
                           "sub-dinner",
                           true,
                           false,
                           {},
                           demo::creditCard,
                           "Olive & Thyme"});
        add(at(12, 10, 0), {"electricity",
                            cents(72 * variation(key, 50)),
                            &utilities,
                            "sub-electricity",
                            true,
                            false,
                            {},
                            demo::checking,
                            "City Power"});
        add(at(15, 7, 30), {"internet",
                            39.99,
                            &utilities,
                            "sub-internet",
                            true,
                            false,
                            {},
                            demo::creditCard,
                            "FiberNet",
                            std::nullopt,
                            true});
        add(at(16, 12, 30), {"lunch",
                             cents(14 * variation(key, 41)),
                             &restaurants,
                             "sub-lunch",
                             true,
                             false,
                             {},
                             demo::wallet,
                             "Corner Deli"});
        add(at(22, 9, 10), {"coffee",
                            4.5,
                            &restaurants,
                            "sub-coffee",
                            true,
                            false,
                            {},
                            demo::wallet,
                            "Bean There",
                            std::nullopt,
                            false,
                            true});
        add(at(28, 23, 0), {"interest",
                            cents(4.2 * variation(key, 60)),
                            &interest,
                            "",
                            false,
                            false,
                            {},
                            demo::savings,
                            "Harbor Savings Bank"});
        if (month % 2 == 0) {
            add(at(18, 10, 0), {"water",
                                cents(45 * variation(key, 51)),
                                &utilities,
                                "sub-water",
                                true,
                                false,
                                {},
                                demo::checking,
                                "City Water"});
            add(at(24, 16, 0), {"pharmacy",
                                cents(18 * variation(key, 70)),
                                &health,
                                "sub-pharmacy",
                                true,
                                false,
                                {},
                                demo::wallet,
                                "Green Cross Pharmacy"});
        } else {
            add(at(14, 19, 45), {"cinema",
                                 cents(24 * variation(key, 42)),
                                 &entertainment,
                                 "sub-cinema",
                                 true,
                                 false,
                                 {},
                                 demo::creditCard,
                                 "Starlight Cinema"});
        }
        if (month % 3 == 0)
            add(at(13, 15, 0), {"clothes",
                                cents(120 * variation(key, 80)),
                                &shopping,
                                "sub-clothes",
                                true,
                                false,
                                {},
                                demo::creditCard,
                                "Thread & Co"});
        if (month % 3 == 1)
            add(at(20, 11, 0), {"freelance",
                                cents(450 * variation(key, 90)),
                                &freelance,
                                "sub-consulting",
                                false,
                                false,
                                {},
                                demo::checking,
                                "Brightside Studio",
                                "Design review"});
        if (back == 2)
            add(at(17, 21, 0), {"client-dinner",
                                86.4,
                                &restaurants,
                                "sub-dinner",
                                true,
                                false,
                                {},
                                demo::creditCard,
                                "Olive & Thyme",
                                "Client dinner, reimbursed",
                                false,
                                false,
                                true});
        if (back == 3)
            add(at(10, 6, 0), {"flights",
                               420,
                               &travel,
                               "",
                               true,
                               false,
                               {},
                               demo::creditCard,
                               "Skyline Air",
                               "Summer trip"});
        if (back == 5)
            add(at(11, 14, 0), {"laptop",
                                899,
                                &shopping,
                                "sub-electronics",
                                true,
                                false,
                                {},
                                demo::creditCard,
                                "Circuit Store",
                                "New laptop"});
        if (back == 7)
            add(at(5, 18, 0), {"gift",
                               150,
                               &gifts,
                               "",
                               false,
                               false,
                               {},
                               demo::checking,
                               std::nullopt,
                               "Birthday present"});
    }
    sortNewestFirst(out);
    return out;
}

ReportTransactionList ReportTransaction::demo() {
    return demo(Environment::current().now());
}

ReportTransactionList ReportTransaction::demoInMulticurrency(Date referenceDate) {
    const Calendar calendar = Calendar::current();
    const Date today = calendar.startOfDay(referenceDate);
    const auto& restaurants = demo::category("cat-restaurants");
    const auto& travel = demo::category("cat-travel");
    const auto& transport = demo::category("cat-transport");
    const auto& entertainment = demo::category("cat-entertainment");
    const auto& groceries = demo::category("cat-groceries");
    const auto& gifts = demo::category("cat-gifts");

    // Fixed demo rates: application-currency units per unit of the foreign currency.
    constexpr double eur = 1.09, gbp = 1.27, chf = 1.13;
    // Days before the reference day, at local times.
    const auto day = [&](int daysBefore, int hour) {
        return calendar.adding(CalendarComponent::day, -daysBefore, today).value_or(today) + hour * 3600.0;
    };
    const auto foreign = [](std::string id, double original, double rate, std::string code,
                            const DemoCategory& cat, std::string_view sub, bool expense, Date when,
                            AccountRef account, std::string payee) {
        Entry e{std::move(id), cents(original * rate), &cat, sub, expense};
        e.date = when;
        e.account = account;
        e.payee = std::move(payee);
        e.originalAmount = original;
        e.currencyCode = std::move(code);
        return make(e);
    };

    ReportTransactionList out;
    out.push_back(foreign("demo-fx-hotel", 320, eur, "EUR", travel, "", true, day(20, 11), demo::creditCard,
                          "Hôtel du Marais"));
    out.push_back(foreign("demo-fx-dinner-paris", 64.5, eur, "EUR", restaurants, "sub-dinner", true,
                          day(19, 20), demo::creditCard, "Le Petit Zinc"));
    out.push_back(foreign("demo-fx-museum", 18, eur, "EUR", entertainment, "", true, day(18, 10),
                          demo::wallet, "Musée des Arts"));
    out.push_back(foreign("demo-fx-train", 78, gbp, "GBP", transport, "sub-public-transport", true,
                          day(17, 8), demo::creditCard, "Channel Rail"));
    out.push_back(foreign("demo-fx-lunch-london", 16.4, gbp, "GBP", restaurants, "sub-lunch", true,
                          day(16, 13), demo::wallet, "The Bridge Café"));
    out.push_back(foreign("demo-fx-zurich", 42, chf, "CHF", groceries, "sub-supermarket", true, day(14, 17),
                          demo::creditCard, "Alpenmarkt"));
    out.push_back(foreign("demo-fx-refund", 25, eur, "EUR", gifts, "", false, day(10, 9), demo::euroAccount,
                          "Hôtel du Marais"));
    {
        // Money moved into the euro account: the same transfer seen from both accounts.
        Entry out1{"demo-fx-transfer-out", 500, &demo::transferCategory, "", true, true};
        out1.date = day(22, 12);
        out1.account = demo::checking;
        out1.description = "To Euro Account";
        out.push_back(make(out1));
        Entry in{"demo-fx-transfer-in", 500, &demo::transferCategory, "", false, true};
        in.date = day(22, 12);
        in.account = demo::euroAccount;
        in.description = "From Checking";
        in.originalAmount = cents(500 / eur);
        in.currencyCode = "EUR";
        out.push_back(make(in));
    }
    Entry local{"demo-fx-groceries-home", 54.2, &groceries, "sub-supermarket", true};
    local.date = day(3, 18);
    local.account = demo::creditCard;
    local.payee = "Fresh Market";
    out.push_back(make(local));
    sortNewestFirst(out);
    return out;
}

ReportTransactionList ReportTransaction::demoInMulticurrency() {
    return demoInMulticurrency(Environment::current().now());
}

} // namespace zt
