#pragma once

#include "ZTSwiftUIComponents/overview/YearlyProjectionsCalculator.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <memory>
#include <string>

namespace zt {

/// What the host does for the yearly-projections screen.
class YearlyProjectionsViewDelegate {
public:
    virtual ~YearlyProjectionsViewDelegate() = default;
    /// Present this explanation (title and message are already localised).
    virtual void yearlyProjectionViewShouldPresentInfo(const std::string& title,
                                                       const std::string& message) = 0;
    /// The user tapped a category of the projection.
    virtual void yearlyProjectionViewDidSelectCategory(const CategorySummary& category) = 0;
};

/// The yearly-projections screen: projected income and expenses, the comparison, the categories,
/// the disclaimer and a help action. Main thread. The view tree's actions refer to this object:
/// keep it alive while its tree is in use.
class YearlyProjectionsView {
public:
    YearlyProjectionsView(std::shared_ptr<YearlyProjectionsCalculator> calculator, std::string locale);

    /// Held weakly, as the host owns it.
    std::weak_ptr<YearlyProjectionsViewDelegate> delegate;

    ui::View body() const;

    const std::shared_ptr<YearlyProjectionsCalculator>& calculator() const { return calculator_; }
    const NumberFormatter& currencyFormatter() const { return currencyFormatter_; }

    /// Hands the delegate the explanation to present (nothing without one), then writes
    /// "yearlyProjectionViewShouldPresentInfo" to the console.
    void showHelp() const;

private:
    std::shared_ptr<YearlyProjectionsCalculator> calculator_;
    NumberFormatter currencyFormatter_;
};

} // namespace zt
