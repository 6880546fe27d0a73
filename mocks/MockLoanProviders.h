#pragma once

#include "platform/Date.h"
#include "platform/Published.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The demo interest rate of a loan: a yearly percentage from a start date. Values only.
class MockInterestRateProvider : public ObservableObject {
public:
    MockInterestRateProvider(std::optional<double> rate, Date startDate)
        : rate(*this, rate), startDate(*this, startDate) {}

    /// Yearly percentage (4.5 means 4.5 %).
    Published<std::optional<double>> rate;
    Published<Date> startDate;
};

/// The demo instalment plan of a loan. Values only.
class MockLoanPaymentScheduleProvider : public ObservableObject {
public:
    MockLoanPaymentScheduleProvider(std::optional<double> amount, std::string frequency, int paymentDueDay,
                                    Date startDate, std::string note = {})
        : amount(*this, amount), frequency(*this, std::move(frequency)), paymentDueDay(*this, paymentDueDay),
          startDate(*this, startDate), note(*this, std::move(note)) {}

    /// The instalment.
    Published<std::optional<double>> amount;
    Published<std::string> frequency;
    /// Day of the month.
    Published<int> paymentDueDay;
    Published<Date> startDate;
    Published<std::string> note;
};

/// The demo loan terms of the account entry form. Values only.
class MockLoanEntryProvider : public ObservableObject {
public:
    MockLoanEntryProvider(Date startDate, std::optional<double> initialAmount,
                          std::optional<std::int16_t> initialTermInYears,
                          std::shared_ptr<MockInterestRateProvider> currentInterestRate,
                          std::shared_ptr<MockLoanPaymentScheduleProvider> currentPaymentSchedule)
        : startDate(*this, startDate), initialAmount(*this, initialAmount),
          initialTermInYears(*this, initialTermInYears),
          currentInterestRate(*this, std::move(currentInterestRate)),
          currentPaymentSchedule(*this, std::move(currentPaymentSchedule)) {}

    /// A five-year loan of 25,000 at 4.5 %, paid monthly on the 15th, starting at startDate.
    static std::shared_ptr<MockLoanEntryProvider> demo(Date startDate);

    Published<Date> startDate;
    Published<std::optional<double>> initialAmount;
    Published<std::optional<std::int16_t>> initialTermInYears;
    Published<std::shared_ptr<MockInterestRateProvider>> currentInterestRate;
    Published<std::shared_ptr<MockLoanPaymentScheduleProvider>> currentPaymentSchedule;
};

} // namespace zt
