// The host's demo transactions: a year of believable monthly entries, generated from one table,
// and the transactions of a trip in foreign currencies.
#include "ReportTransaction.h"
#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zt {

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

/// Which months a monthly entry falls in: every month, even or odd months, the months after a
/// quarter's start or at its end, or only the one so many months before the reference month.
struct Months {
    enum Kind { every, even, odd, quarterEnd, quarterStart, monthsBack } kind = every;
    int back = 0;

    bool contain(int month, int monthsBefore) const {
        switch (kind) {
        case every:
            return true;
        case even:
            return month % 2 == 0;
        case odd:
            return month % 2 == 1;
        case quarterEnd:
            return month % 3 == 0;
        case quarterStart:
            return month % 3 == 1;
        case monthsBack:
            return monthsBefore == back;
        }
        return false;
    }
};

Months only(int monthsBack) {
    return {Months::monthsBack, monthsBack};
}

enum Flow { expense, income, transferOut, transferIn };
enum Flag { none = 0, repeating = 1, dynamicShortcut = 2, excluded = 4 };

/// One transaction of every month (that Months allows) of the demo year. A varying amount is the
/// base times a fixed factor of the month and the variation slot; slot 0 keeps it as it is.
struct Monthly {
    std::string_view slot;
    int day, hour, minute;
    double amount;
    int variationSlot;
    std::string_view category; // empty: the transfer category
    std::string_view subcategory;
    Flow flow;
    const AccountRef* account;
    const char* payee;
    const char* description;
    int flags = none;
    Months months{};
};

using namespace demo;

// In generation order, which orders entries of the same instant.
const Monthly monthly[] = {
    {"salary", 1, 9, 0, 3200, 0, "cat-salary", "", income, &checking, "Northwind Labs", "Monthly salary",
     repeating},
    {"transit-pass", 1, 7, 45, 49, 0, "cat-transport", "sub-public-transport", expense, &checking,
     "City Transit", "Monthly pass", repeating},
    {"gym", 2, 6, 30, 29, 0, "cat-health", "sub-gym", expense, &creditCard, "Iron Works Gym", nullptr,
     repeating},
    {"savings-out", 2, 12, 0, 300, 0, "", "", transferOut, &checking, nullptr, "To Savings", repeating},
    {"savings-in", 2, 12, 0, 300, 0, "", "", transferIn, &savings, nullptr, "From Checking", repeating},
    {"rent", 3, 8, 0, 1200, 0, "cat-housing", "sub-rent", expense, &checking, "Oakridge Properties", "Rent",
     repeating},
    {"groceries-1", 4, 17, 30, 85, 10, "cat-groceries", "sub-supermarket", expense, &creditCard,
     "Fresh Market", nullptr},
    {"groceries-2", 11, 17, 30, 85, 11, "cat-groceries", "sub-supermarket", expense, &creditCard,
     "Fresh Market", nullptr},
    {"groceries-3", 18, 17, 30, 85, 12, "cat-groceries", "sub-supermarket", expense, &creditCard,
     "Fresh Market", nullptr},
    {"groceries-4", 25, 17, 30, 85, 13, "cat-groceries", "sub-supermarket", expense, &creditCard,
     "Fresh Market", nullptr},
    {"bakery-1", 6, 8, 0, 9, 20, "cat-groceries", "sub-bakery", expense, &wallet, "Morning Crust", nullptr},
    {"bakery-2", 20, 8, 0, 9, 21, "cat-groceries", "sub-bakery", expense, &wallet, "Morning Crust", nullptr},
    {"fuel", 7, 18, 15, 58, 30, "cat-transport", "sub-fuel", expense, &creditCard, "Highway Fuel", nullptr},
    {"streaming", 8, 0, 5, 12.99, 0, "cat-entertainment", "sub-streaming", expense, &creditCard, "StreamBox",
     "Monthly plan", repeating},
    {"dinner", 9, 20, 0, 48, 40, "cat-restaurants", "sub-dinner", expense, &creditCard, "Olive & Thyme",
     nullptr},
    {"electricity", 12, 10, 0, 72, 50, "cat-utilities", "sub-electricity", expense, &checking, "City Power",
     nullptr},
    {"internet", 15, 7, 30, 39.99, 0, "cat-utilities", "sub-internet", expense, &creditCard, "FiberNet",
     nullptr, repeating},
    {"lunch", 16, 12, 30, 14, 41, "cat-restaurants", "sub-lunch", expense, &wallet, "Corner Deli", nullptr},
    {"coffee", 22, 9, 10, 4.5, 0, "cat-restaurants", "sub-coffee", expense, &wallet, "Bean There", nullptr,
     dynamicShortcut},
    {"interest", 28, 23, 0, 4.2, 60, "cat-interest", "", income, &savings, "Harbor Savings Bank", nullptr},
    {"water",
     18,
     10,
     0,
     45,
     51,
     "cat-utilities",
     "sub-water",
     expense,
     &checking,
     "City Water",
     nullptr,
     none,
     {Months::even}},
    {"pharmacy",
     24,
     16,
     0,
     18,
     70,
     "cat-health",
     "sub-pharmacy",
     expense,
     &wallet,
     "Green Cross Pharmacy",
     nullptr,
     none,
     {Months::even}},
    {"cinema",
     14,
     19,
     45,
     24,
     42,
     "cat-entertainment",
     "sub-cinema",
     expense,
     &creditCard,
     "Starlight Cinema",
     nullptr,
     none,
     {Months::odd}},
    {"clothes",
     13,
     15,
     0,
     120,
     80,
     "cat-shopping",
     "sub-clothes",
     expense,
     &creditCard,
     "Thread & Co",
     nullptr,
     none,
     {Months::quarterEnd}},
    {"freelance",
     20,
     11,
     0,
     450,
     90,
     "cat-freelance",
     "sub-consulting",
     income,
     &checking,
     "Brightside Studio",
     "Design review",
     none,
     {Months::quarterStart}},
    {"client-dinner", 17, 21, 0, 86.4, 0, "cat-restaurants", "sub-dinner", expense, &creditCard,
     "Olive & Thyme", "Client dinner, reimbursed", excluded, only(2)},
    {"flights", 10, 6, 0, 420, 0, "cat-travel", "", expense, &creditCard, "Skyline Air", "Summer trip", none,
     only(3)},
    {"laptop", 11, 14, 0, 899, 0, "cat-shopping", "sub-electronics", expense, &creditCard, "Circuit Store",
     "New laptop", none, only(5)},
    {"gift", 5, 18, 0, 150, 0, "cat-gifts", "", income, &checking, nullptr, "Birthday present", none,
     only(7)},
};

std::optional<std::string> text(const char* value) {
    return value ? std::optional<std::string>(value) : std::nullopt;
}

Entry entryOf(const Monthly& m, int monthKey) {
    Entry e{std::string(m.slot),
            m.variationSlot ? cents(m.amount * variation(monthKey, m.variationSlot)) : m.amount,
            m.category.empty() ? &transferCategory : &category(m.category),
            m.subcategory,
            m.flow == expense || m.flow == transferOut,
            m.flow == transferOut || m.flow == transferIn};
    e.account = *m.account;
    e.payee = text(m.payee);
    e.description = text(m.description);
    e.isChildRepeating = m.flags & repeating;
    e.isDynamicShortcut = m.flags & dynamicShortcut;
    e.isExcluded = m.flags & excluded;
    return e;
}

} // namespace

ReportTransactionList ReportTransaction::demo(Date referenceDate) {
    const Calendar calendar = Calendar::current();
    const Date today = calendar.startOfDay(referenceDate);
    const auto& restaurants = category("cat-restaurants");

    ReportTransactionList out;
    // The reference day holds exactly these two, so they come first in the list.
    const Date coffeeTime = std::min(today + 8.5 * 3600, referenceDate);
    const Date lunchTime = std::min(today + 10 * 3600, referenceDate);
    const auto c = calendar.components(referenceDate);
    const int refYear = c.year.value_or(2001), refMonth = c.month.value_or(1);
    out.push_back(make({demoId(refYear, refMonth, "today-lunch"), 13.5, &restaurants, "sub-lunch", true,
                        false, lunchTime, creditCard, "Corner Deli", "Lunch with the team"}));
    out.push_back(make({demoId(refYear, refMonth, "today-coffee"), 3.8, &restaurants, "sub-coffee", true,
                        false, coffeeTime, wallet, "Bean There", std::nullopt, false, true}));

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
        for (const Monthly& m : monthly) {
            if (!m.months.contain(month, back))
                continue;
            // Scheduled entries fall strictly before the reference day.
            const auto when = calendar.date(year, month, std::min(m.day, days), m.hour, m.minute);
            if (!when || *when >= today)
                continue;
            Entry e = entryOf(m, year * 12 + month);
            e.date = *when;
            e.id = demoId(year, month, e.id);
            out.push_back(make(e));
        }
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
