#include "LoanPaymentDuePicker.h"

#include "ZTSwiftUIComponents/accountentry/LoanPaymentScheduleProviding.h"
#include "platform/StringTable.h"

#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace zt {

using Schedule = LoanPaymentScheduleProviding;

LoanPaymentDuePicker::LoanPaymentDuePicker(ui::Binding<int> day, const NumberFormatter& formatter)
    : LoanPaymentDuePicker(std::move(day), days(formatter)) {}

LoanPaymentDuePicker::LoanPaymentDuePicker(ui::Binding<int> day, std::vector<ui::PickerOption> days)
    : day_(std::move(day)), days_(std::move(days)) {}

std::vector<ui::PickerOption> LoanPaymentDuePicker::days(const NumberFormatter& formatter) {
    std::vector<ui::PickerOption> days;
    days.reserve(Schedule::lastPaymentDueDay);
    for (int day = Schedule::firstPaymentDueDay; day <= Schedule::lastPaymentDueDay; ++day)
        days.emplace_back(std::to_string(day), formatter.string(day).value_or(std::to_string(day)));
    return days;
}

ui::View LoanPaymentDuePicker::body() const {
    const int current = day_();
    return ui::picker(L("Payment Due Day"), days_,
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
