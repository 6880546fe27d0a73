#pragma once

#include "platform/AmountInput.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The current amount of a repeating series and the field in which the user gives the amount of
/// its next occurrences. Copies share the field's state.
class RepeatingAmountHistorySection {
public:
    /// currencyCode is the series' currency (none: the application currency).
    RepeatingAmountHistorySection(double transactionAmount, std::optional<std::string> currencyCode,
                                  std::string newAmountLabel,
                                  std::function<void(double)> onDidUpdateRepeatingLatestAmount);

    /// The amount field is open (it opens with the focus).
    bool isEditing() const;

    ui::View body() const;

private:
    struct State {
        double transactionAmount = 0;
        std::optional<std::string> currencyCode{};
        std::string newAmountLabel{};
        std::function<void(double)> onDidUpdate{};
        bool isEditing = false;
        AmountField newAmount{};
    };
    ui::ScreenState<State> state_;
};

} // namespace zt
