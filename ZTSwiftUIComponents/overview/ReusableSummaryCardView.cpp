#include "ReusableSummaryCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

namespace zt {

ui::View ReusableSummaryCardView::body() const {
    return ui::vstack({
        ui::hstack({cardHeader(item.title, item.period), ui::spacer(),
                    ui::text(item.percentage).font(ui::Font::subheadline).id("percentage")}),
        ui::hstack({
            ui::figure(L("Expenses", "Summary card: caption of the expense total"),
                       amountText(item.expense, isIncognito), "expense", true),
            ui::spacer(),
            ui::figure(L("Income", "Summary card: caption of the income total, a column title",
                         TextContext{"column"}),
                       amountText(item.income, isIncognito), "income", true),
        }),
        ui::progressBar(item.progress).foregroundColor(item.progressColor).id("progress"),
        ui::text(amountText(item.difference, isIncognito))
            .font(ui::Font::caption)
            .secondary()
            .id("difference"),
    });
}

} // namespace zt
