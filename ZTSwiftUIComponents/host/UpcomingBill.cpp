#include "UpcomingBill.h"

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

} // namespace zt

std::size_t std::hash<zt::UpcomingBill>::operator()(const zt::UpcomingBill& b) const noexcept {
    std::size_t seed = 0;
    boost::hash_combine(seed, b.id);
    boost::hash_combine(seed, b.name);
    boost::hash_combine(seed, b.amount);
    boost::hash_combine(seed, b.date.secondsSinceReferenceDate);
    return seed;
}
