#pragma once

#include "ZTSwiftUIComponents/accountentry/FormAmountField.h"
#include "ZTSwiftUIComponents/accountentry/LoanEntryProviding.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The loan part of the account form: start date, amount borrowed with the host's objection to
/// it, term, yearly interest rate and the instalments' due day. Dates and the due day are written
/// straight into the loan; the amounts through their fields.
class LoanDetailsSection {
public:
    struct Fields {
        FormAmountField initialAmount;
        FormAmountField initialTermInYears;
        FormAmountField interestRate;
    };

    /// currencyFormatter names the currency beside the amount; dueDays are the picker's days
    /// (LoanPaymentDuePicker::days).
    LoanDetailsSection(std::shared_ptr<LoanEntryProviding> loan, Fields fields,
                       std::optional<std::string> amountValidationError,
                       const NumberFormatter& currencyFormatter, std::vector<ui::PickerOption> dueDays);

    ui::View body() const;

    /// A term is a whole number of years from 1 on.
    static AmountRule termRule();
    /// A yearly rate in percent from 0 to 100.
    static AmountRule rateRule();

private:
    std::shared_ptr<LoanEntryProviding> loan_;
    Fields fields_;
    std::optional<std::string> amountValidationError_;
    std::string currencySymbol_;
    std::vector<ui::PickerOption> dueDays_;
};

} // namespace zt
