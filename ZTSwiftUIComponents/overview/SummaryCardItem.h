#pragma once

#include "ZTSwiftUIComponents/host/SummaryCardItemType.h"
#include "ZTSwiftUIComponents/host/Theme.h"

#include <map>
#include <string>

namespace zt {

/// The figures of one summary card. The database formats every text; the card only lays them out.
struct SummaryCardItem {
    std::string title;
    /// The caption of the period the card covers.
    std::string period;
    std::string expense;
    std::string income;
    /// Already in percent style.
    std::string percentage;
    /// The filled share of the card's progress bar; 1.0 is full, more is allowed.
    double progress = 0;
    Color progressColor;
    std::string difference;

    bool operator==(const SummaryCardItem&) const = default;
};

using SummaryCardItems = std::map<SummaryCardItemType, SummaryCardItem>;

} // namespace zt
