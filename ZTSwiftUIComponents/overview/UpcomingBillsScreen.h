#pragma once

#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "ZTSwiftUIComponents/overview/UpcomingBillsCardView.h"
#include "platform/Date.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// Every bill of the period, split into those still to pay (dated after now) and those already
/// paid, with the totals of both and of all, a chart of the two groups and a help sheet.
/// Copies share the help sheet's state.
class UpcomingBillsScreen {
public:
    /// The path of the guide on repeating transactions on the maker's site.
    static constexpr std::string_view repeatingTransactionGuidePath =
        "/guides/how-to-add-a-repeating-transaction-transfer";

    /// now defaults to the environment's.
    UpcomingBillsScreen(std::vector<UpcomingBill> bills, NumberFormatter formatter, bool isIncognito = false);
    UpcomingBillsScreen(std::vector<UpcomingBill> bills, NumberFormatter formatter, Date now,
                        bool isIncognito = false);

    /// Opens a guide of the maker's site; receives its path.
    std::function<void(const std::string&)> onOpenGuide;
    std::function<void(const UpcomingBill&)> onSelectBill;

    const std::vector<UpcomingBill>& upcoming() const { return upcoming_; }
    const std::vector<UpcomingBill>& paid() const { return paid_; }
    double upcomingTotal() const;
    double paidTotal() const;
    double grandTotal() const;
    /// The two groups as the chart draws them.
    std::vector<UpcomingBillChartInfo> chartInfo() const;

    bool isHelpPresented() const { return state_->isHelpPresented; }
    ui::View body() const;

private:
    ui::View billRows(const std::vector<UpcomingBill>& bills) const;

    std::vector<UpcomingBill> bills_;
    std::vector<UpcomingBill> upcoming_;
    std::vector<UpcomingBill> paid_;
    NumberFormatter formatter_;
    bool isIncognito_;
    struct State {
        bool isHelpPresented = false;
    };
    ui::ScreenState<State> state_;
};

} // namespace zt
