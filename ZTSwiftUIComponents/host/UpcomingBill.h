#pragma once

#include "platform/Date.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A due payment of a repeating transaction in the current period: a value, identified by `id`.
struct UpcomingBill {
    std::string id;
    std::string name;
    /// The amount due, a magnitude in the application currency.
    double amount = 0;
    /// The day it is due.
    Date date;
    std::string categoryName;
    std::string imageName;
    std::string accountName;
    /// The original currency when it is not the application's.
    std::optional<std::string> currencyCode;

    bool operator==(const UpcomingBill&) const = default;

    /// Bills of the month of referenceDate (environment calendar), spread over the month, in date
    /// order.
    static std::vector<UpcomingBill> demoBills(Date referenceDate);
    /// The same for the environment's "now".
    static std::vector<UpcomingBill> demoBills();
};

/// The bills in due order, earliest first (equal dates keep their order). Paid bills (dated
/// before now) are kept: the bills screen splits the list by date itself.
std::vector<UpcomingBill> upcomingBills(const std::vector<UpcomingBill>& bills);
/// The sum of the amounts (0 for none).
double total(const std::vector<UpcomingBill>& bills);

} // namespace zt

template <> struct std::hash<zt::UpcomingBill> {
    std::size_t operator()(const zt::UpcomingBill& bill) const noexcept;
};
