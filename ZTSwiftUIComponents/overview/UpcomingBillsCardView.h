#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zt {

/// One bar of the bills chart.
struct UpcomingBillChartInfo {
    std::string name;
    double amount = 0;
    Color color;

    bool operator==(const UpcomingBillChartInfo&) const = default;
};

/// The upcoming-bills card: the first maxNumberOfBillsToShow bills in due order with the day of
/// the month they are due, and a line counting the others. The days are worked out once, when
/// the card is made.
class UpcomingBillsCardView {
public:
    static constexpr std::size_t maxNumberOfBillsToShow = 3;

    UpcomingBillsCardView(const std::vector<UpcomingBill>& bills, std::string formattedCurrentMonth,
                          NumberFormatter formatter, bool isIncognito = false);

    std::function<void(const UpcomingBill&)> onSelectBill;
    std::function<void()> onViewAll;

    /// Every bill, in due order.
    const std::vector<UpcomingBill>& bills() const { return bills_; }
    const std::vector<UpcomingBill>& visibleBills() const { return visibleBills_; }
    /// Bill id to its day of month in ordinal style ("3rd"), the plain number when the ordinal
    /// formatter gives no text.
    const std::map<std::string, std::string>& ordinalDays() const { return ordinalDays_; }
    /// How many bills are not shown.
    std::size_t otherBillsCount() const { return bills_.size() - visibleBills_.size(); }

    ui::View body() const;

private:
    std::vector<UpcomingBill> bills_;
    std::vector<UpcomingBill> visibleBills_;
    std::map<std::string, std::string> ordinalDays_;
    std::string formattedCurrentMonth_;
    NumberFormatter formatter_;
    bool isIncognito_;
};

} // namespace zt
