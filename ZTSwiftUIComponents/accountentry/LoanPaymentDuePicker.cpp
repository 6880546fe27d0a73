#include "LoanPaymentDuePicker.h"

#include "ZTSwiftUIComponents/accountentry/LoanPaymentScheduleProviding.h"
#include "platform/StringTable.h"

#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace zt {

LoanPaymentDuePicker::LoanPaymentDuePicker(ui::Binding<int> day, NumberFormatter formatter)
    : day_(std::move(day)), formatter_(std::move(formatter)) {}

ui::View LoanPaymentDuePicker::body() const {
    using Schedule = LoanPaymentScheduleProviding;
    std::vector<ui::PickerOption> days;
    days.reserve(Schedule::lastPaymentDueDay);
    for (int day = Schedule::firstPaymentDueDay; day <= Schedule::lastPaymentDueDay; ++day)
        days.emplace_back(std::to_string(day), formatter_.string(day).value_or(std::to_string(day)));
    const int current = day_();
    return ui::picker(L("Payment Due Day"), std::move(days),
                      Schedule::isValidPaymentDueDay(current) ? std::to_string(current) : std::string(),
                      [binding = day_](const std::string& id) {
                          int day = 0;
                          const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), day);
                          if (error == std::errc() && end == id.data() + id.size() &&
                              Schedule::isValidPaymentDueDay(day))
                              binding(day);
                      })
        .id("paymentDueDay");
}

} // namespace zt
