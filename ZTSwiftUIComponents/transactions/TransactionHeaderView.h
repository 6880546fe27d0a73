#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>

namespace zt {

/// The head of the details screen: category image and title, the amount in the screen's currency
/// and sign colour and, under it, the amount in the currency it was paid in.
struct TransactionHeaderView {
    std::string title;
    std::string imageName;
    double amount = 0;
    std::optional<double> amountOriginalCurrency;
    std::optional<std::string> originalCurrencyCode;
    std::function<void()> onAmountTapped;
    std::function<void()> onCategoryTapped;
    NumberFormatter formatter;
    Color color;

    /// The original amount written by a formatter of its own currency; none without one.
    std::optional<std::string> originalCurrencyAmount() const;

    ui::View body() const;
};

} // namespace zt
