#include "UpcomingBill.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <algorithm>
#include <boost/container_hash/hash.hpp>
#include <numeric>

namespace zt {

std::vector<UpcomingBill> upcomingBills(const std::vector<UpcomingBill>& bills) {
    std::vector<UpcomingBill> out = bills;
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    return out;
}

double total(const std::vector<UpcomingBill>& bills) {
    return std::accumulate(bills.begin(), bills.end(), 0.0,
                           [](double sum, const UpcomingBill& b) { return sum + b.amount; });
}

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

} // namespace zt

std::size_t std::hash<zt::UpcomingBill>::operator()(const zt::UpcomingBill& b) const noexcept {
    std::size_t seed = 0;
    boost::hash_combine(seed, b.id);
    boost::hash_combine(seed, b.name);
    boost::hash_combine(seed, b.amount);
    boost::hash_combine(seed, b.date.secondsSinceReferenceDate);
    return seed;
}
