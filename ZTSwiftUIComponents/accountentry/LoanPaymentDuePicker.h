#pragma once

#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

namespace zt {

/// The menu of the day of the month a loan instalment falls due, from the 1st to the 31st, each
/// day written by the formatter ("15th", "15."). A day outside that range is never written; a
/// bound day outside it shows no selection.
class LoanPaymentDuePicker {
public:
    LoanPaymentDuePicker(ui::Binding<int> day, NumberFormatter formatter);

    ui::View body() const;

private:
    ui::Binding<int> day_;
    NumberFormatter formatter_;
};

} // namespace zt
