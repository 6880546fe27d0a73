#pragma once

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <string>
#include <vector>

namespace zt {

/// The goals card: how many goals there are and each with its progress, or an invitation to add
/// one.
struct GoalCardView {
    std::vector<WidgetGoal> goals;
    NumberFormatter formatter = makeAppBasedCurrencyFormatter();
    bool isIncognito = false;
    std::function<void(const std::string&)> onSelectGoal;
    std::function<void()> onViewAll;
    std::function<void()> onAddGoal;

    ui::View body() const;
};

} // namespace zt
