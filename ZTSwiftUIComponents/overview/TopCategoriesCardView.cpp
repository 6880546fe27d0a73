#include "TopCategoriesCardView.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <utility>

namespace zt {

TopCategoriesCardView::TopCategoriesCardView(std::vector<TopCategory> categories, std::string formattedPeriod,
                                             NumberFormatter formatter, bool isIncognito)
    : formattedPeriod_(std::move(formattedPeriod)), formatter_(std::move(formatter)),
      isIncognito_(isIncognito) {
    std::stable_sort(categories.begin(), categories.end(), [](const TopCategory& a, const TopCategory& b) {
        return a.amountSpent > b.amountSpent;
    });
    constexpr std::size_t named = 2;
    if (categories.size() < 3) {
        for (const auto& c : categories)
            rows_.push_back(Row{c.name, c.amountSpent, c.color});
    } else {
        for (std::size_t i = 0; i < named; ++i)
            rows_.push_back(Row{categories[i].name, categories[i].amountSpent, categories[i].color});
        double rest = 0;
        for (std::size_t i = named; i < categories.size(); ++i)
            rest += categories[i].amountSpent;
        rows_.push_back(Row{L("Other", "Top categories: the row summing every other category"), rest,
                            neutralAmountColor, 0, true});
    }
    for (const auto& r : rows_)
        total_ += r.amount;
    for (auto& r : rows_)
        r.share = total_ != 0 ? r.amount / total_ : 0;
}

ui::View TopCategoriesCardView::body() const {
    const auto header = cardHeader(L("Top Categories"), formattedPeriod_);
    if (rows_.empty())
        return ui::vstack({header, ui::emptyState(L("Not enough transactions yet."),
                                                  L("Why don't you add some?"), "custom.chart.pie.slash")});
    const auto& percent = environmentFormatter(NumberFormatter::Style::percent);
    std::vector<ui::ChartMark> marks;
    std::vector<ui::View> lines;
    for (const auto& r : rows_) {
        marks.push_back(ui::ChartMark{ui::MarkKind::sector, r.name, r.share, {}, r.color});
        lines.push_back(ui::row({
            ui::image("circle.fill").foregroundColor(r.color),
            ui::text(r.name),
            ui::spacer(),
            ui::text(amountText(r.amount, formatter_, isIncognito_)).bold(),
            ui::text(percent.stringOrDash(r.share)).font(ui::Font::caption).secondary(),
        }));
    }
    return ui::vstack(
        {header, ui::hstack({ui::chart(std::move(marks)).id("chart"), ui::vstack(std::move(lines))})});
}

} // namespace zt
