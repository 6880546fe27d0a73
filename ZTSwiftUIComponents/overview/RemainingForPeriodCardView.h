#pragma once

#include "ZTSwiftUIComponents/overview/SummaryCardItem.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>

namespace zt {

/// The remaining-for-period card: the period's difference with its progress, or, without a
/// summary entry for it, a line saying there is no data. Opening it leads to the
/// remaining-for-period screen.
class RemainingForPeriodCardView {
public:
    /// item is the remainingForPeriod entry of the summary map, if any.
    RemainingForPeriodCardView(std::optional<SummaryCardItem> item, std::string formattedPeriodDate,
                               bool isIncognito = false);

    /// The entry's difference text.
    std::string formattedAmount() const;
    double progress() const;
    Color periodColor() const;

    ui::View body() const;

private:
    std::optional<SummaryCardItem> item_;
    std::string formattedPeriodDate_;
    bool isIncognito_;
};

} // namespace zt
