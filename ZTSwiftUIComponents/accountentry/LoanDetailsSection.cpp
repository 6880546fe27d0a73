#include "LoanDetailsSection.h"

#include "ZTSwiftUIComponents/accountentry/LoanPaymentDuePicker.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace zt {

LoanDetailsSection::LoanDetailsSection(std::shared_ptr<LoanEntryProviding> loan, Fields fields,
                                       std::optional<std::string> amountValidationError,
                                       const NumberFormatter& currencyFormatter,
                                       std::vector<ui::PickerOption> dueDays)
    : loan_(std::move(loan)), fields_(std::move(fields)),
      amountValidationError_(std::move(amountValidationError)),
      currencySymbol_(currencyFormatter.currencySymbol()), dueDays_(std::move(dueDays)) {}

AmountRule LoanDetailsSection::termRule() {
    return AmountRule{1, std::numeric_limits<std::int16_t>::max(), true,
                      [] { return L("The term must be a whole number of years, at least 1."); }};
}

AmountRule LoanDetailsSection::rateRule() {
    return AmountRule{0, 100, false, [] { return L("The interest rate must be between 0 and 100 %."); }};
}

ui::View LoanDetailsSection::body() const {
    const auto loan = loan_;
    std::vector<ui::View> rows{
        ui::datePicker(L("Start Date", "Start of a loan"), loan->startDate()(),
                       [loan](Date date) { loan->startDate().set(date); })
            .id("loanStartDate"),
        fields_.initialAmount.row(L("Loan Amount"), "loanAmount", currencySymbol_),
    };
    if (amountValidationError_)
        rows.push_back(ui::text(*amountValidationError_)
                           .font(ui::Font::footnote)
                           .foregroundColor(negativeAmountColor)
                           .id("loanAmountValidation"));
    rows.push_back(fields_.initialTermInYears.row(L("Loan Term In Years"), "loanTerm"));
    rows.push_back(fields_.interestRate.row(L("Interest Rate Per Year"), "interestRate", "%"));
    rows.push_back(
        LoanPaymentDuePicker(
            ui::Binding<int>{
                [loan] { return loan->currentPaymentSchedule()()->paymentDueDay()(); },
                [loan](const int& day) { loan->currentPaymentSchedule()()->paymentDueDay().set(day); }},
            dueDays_)
            .body());
    return ui::section(L("Loan Details"), std::move(rows)).id("loanSection");
}

} // namespace zt
