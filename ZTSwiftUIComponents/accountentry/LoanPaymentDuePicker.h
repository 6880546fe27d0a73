#pragma once

#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <vector>

namespace zt {

/// The menu of the day of the month a loan instalment falls due, from the 1st to the 31st, each
/// day written by the formatter ("15th", "15."). A day outside that range is never written; a
/// bound day outside it shows no selection.
class LoanPaymentDuePicker {
public:
    LoanPaymentDuePicker(ui::Binding<int> day, const NumberFormatter& formatter);
    /// With the days already written by days(); writing 31 ordinals costs more than the rest of
    /// a form, so a form that redraws often keeps them.
    LoanPaymentDuePicker(ui::Binding<int> day, std::vector<ui::PickerOption> days);

    /// The days offered, each written by the formatter.
    static std::vector<ui::PickerOption> days(const NumberFormatter& formatter);

    ui::View body() const;

private:
    ui::Binding<int> day_;
    std::vector<ui::PickerOption> days_;
};

} // namespace zt
