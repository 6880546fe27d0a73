#include "YearlyProjectionsView.h"

#include "ZTSwiftUIComponents/overview/RemainingForPeriodView.h"
#include "platform/Console.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

namespace zt {

namespace {

void presentHelp(const std::weak_ptr<YearlyProjectionsViewDelegate>& delegate) {
    if (const auto d = delegate.lock())
        d->yearlyProjectionViewShouldPresentInfo(
            L("How do we calculate this?"),
            L("We base this on all your repeating & normal transactions throughout a year times a special "
              "coefficient"));
    console("yearlyProjectionViewShouldPresentInfo");
}

} // namespace

YearlyProjectionsView::YearlyProjectionsView(std::shared_ptr<YearlyProjectionsCalculator> calculator,
                                             std::string locale)
    : calculator_(std::move(calculator)), currencyFormatter_(NumberFormatter::currency(std::move(locale))) {}

void YearlyProjectionsView::showHelp() const {
    presentHelp(delegate);
}

ui::View YearlyProjectionsView::body() const {
    const auto& c = *calculator_;
    const std::string year = std::to_string(c.year());
    std::vector<ui::View> sections;

    sections.push_back(
        ui::section(format(L("End of %@", "Header of the yearly projection; the year"), year),
                    {
                        ui::row({ui::text(format(L("Projected income in %@", "The year"), year)),
                                 ui::spacer(), ui::text(currencyFormatter_.stringOrDash(c.income())).bold()})
                            .id("income"),
                        ui::row({ui::text(format(L("Projected expenses in %@", "The year"), year)),
                                 ui::spacer(), ui::text(currencyFormatter_.stringOrDash(c.expense())).bold()})
                            .id("expense"),
                    }));

    sections.push_back(ui::section(
        L("Comparison"), {
                             ui::row({ui::text(L("Compared to last year")), ui::spacer(),
                                      ui::image(c.isNetWorthIncreasing() ? "arrow.up.right.circle.fill"
                                                                         : "arrow.down.right.circle.fill")
                                          .foregroundColor(c.differenceColor()),
                                      ui::text(currencyFormatter_.stringOrDash(c.difference()))
                                          .bold()
                                          .foregroundColor(c.differenceColor())})
                                 .id("difference"),
                         }));

    const auto categorySection = [&](std::string title, const std::vector<CategorySummary>& summaries) {
        std::vector<ui::View> rows;
        rows.reserve(summaries.size());
        for (const auto& summary : summaries)
            rows.push_back(ui::button(weakCallback(delegate,
                                                   [summary](YearlyProjectionsViewDelegate& d) {
                                                       d.yearlyProjectionViewDidSelectCategory(summary);
                                                   }),
                                      {categorySummaryRow(summary, currencyFormatter_)}));
        return ui::section(std::move(title), std::move(rows));
    };
    if (!c.topExpensesThisYear().empty())
        sections.push_back(categorySection(L("Expense Categories"), c.topExpensesThisYear()));
    if (!c.topIncomesThisYear().empty())
        sections.push_back(categorySection(L("Income Categories"), c.topIncomesThisYear()));

    sections.push_back(ui::section({
        ui::text(L("These values show only an estimated prediction based on your recent spending habits and "
                   "should "
                   "not be taken as real expected values"))
            .secondary()
            .font(ui::Font::footnote)
            .id("disclaimer"),
    }));

    return ui::navigationTitle(
        L("Yearly projections"),
        {
            ui::list(std::move(sections)),
            ui::toolbarItem("help", ui::button(L("Help"), "questionmark.circle",
                                               [delegate = delegate] { presentHelp(delegate); })),
        });
}

} // namespace zt
