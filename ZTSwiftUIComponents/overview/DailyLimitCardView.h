#pragma once

#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The daily-limit card of the overview: the limit, what is left (or by how much it was
/// exceeded) with a ring of the share still available, and what was spent today. The overview
/// screen puts it into its card frame. In incognito mode, as on every card, no amount is shown.
class DailyLimitCardView {
public:
    explicit DailyLimitCardView(std::shared_ptr<DailyLimitViewModel> viewModel, bool isIncognito = false);

    ui::View body() const;

    /// The card's figures without its title; the detail screen shows them as its first row.
    static ui::View figures(const DailyLimitViewModel& viewModel, bool isIncognito = false);

private:
    std::shared_ptr<DailyLimitViewModel> viewModel_;
    bool isIncognito_;
};

} // namespace zt
