#pragma once

#include "ZTSwiftUIComponents/accountentry/InterestRateProviding.h"
#include "ZTSwiftUIComponents/accountentry/LoanEntryProviding.h"
#include "ZTSwiftUIComponents/accountentry/LoanPaymentScheduleProviding.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The interest rate of a loan as plain published fields: a yearly percentage from a start date.
class InterestRateProvider final : public InterestRateProviding {
public:
    InterestRateProvider(std::optional<double> rate, Date startDate)
        : rate_(*this, rate), startDate_(*this, startDate) {}

    Published<std::optional<double>>& rate() override { return rate_; }
    Published<Date>& startDate() override { return startDate_; }

private:
    Published<std::optional<double>> rate_;
    Published<Date> startDate_;
};

/// The instalment plan of a loan as plain published fields, with a free-text note.
class LoanPaymentScheduleProvider final : public LoanPaymentScheduleProviding {
public:
    LoanPaymentScheduleProvider(std::optional<double> amount, std::string frequency, int paymentDueDay,
                                Date startDate, std::string note = {})
        : note(*this, std::move(note)), amount_(*this, amount), frequency_(*this, std::move(frequency)),
          paymentDueDay_(*this, paymentDueDay), startDate_(*this, startDate) {}

    Published<std::optional<double>>& amount() override { return amount_; }
    Published<std::string>& frequency() override { return frequency_; }
    Published<int>& paymentDueDay() override { return paymentDueDay_; }
    Published<Date>& startDate() override { return startDate_; }

    Published<std::string> note;

private:
    Published<std::optional<double>> amount_;
    Published<std::string> frequency_;
    Published<int> paymentDueDay_;
    Published<Date> startDate_;
};

/// The loan terms the account entry form edits, as plain published fields: a host fills them from
/// its record and reads them back on saving.
class LoanEntryProvider final : public LoanEntryProviding {
public:
    LoanEntryProvider(Date startDate, std::optional<double> initialAmount,
                      std::optional<std::int16_t> initialTermInYears,
                      std::shared_ptr<InterestRateProviding> currentInterestRate,
                      std::shared_ptr<LoanPaymentScheduleProviding> currentPaymentSchedule)
        : startDate_(*this, startDate), initialAmount_(*this, initialAmount),
          initialTermInYears_(*this, initialTermInYears),
          currentInterestRate_(*this, std::move(currentInterestRate)),
          currentPaymentSchedule_(*this, std::move(currentPaymentSchedule)) {}

    /// A five-year loan of 25,000 at 4.5 %, paid monthly on the 15th, starting at startDate.
    static std::shared_ptr<LoanEntryProvider> demo(Date startDate);

    Published<Date>& startDate() override { return startDate_; }
    Published<std::optional<double>>& initialAmount() override { return initialAmount_; }
    Published<std::optional<std::int16_t>>& initialTermInYears() override { return initialTermInYears_; }
    Published<std::shared_ptr<InterestRateProviding>>& currentInterestRate() override {
        return currentInterestRate_;
    }
    Published<std::shared_ptr<LoanPaymentScheduleProviding>>& currentPaymentSchedule() override {
        return currentPaymentSchedule_;
    }

private:
    Published<Date> startDate_;
    Published<std::optional<double>> initialAmount_;
    Published<std::optional<std::int16_t>> initialTermInYears_;
    Published<std::shared_ptr<InterestRateProviding>> currentInterestRate_;
    Published<std::shared_ptr<LoanPaymentScheduleProviding>> currentPaymentSchedule_;
};

} // namespace zt
