#include "ReusableSummaryCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

namespace zt {

namespace {

ui::View figure(std::string caption, std::string value, std::string id) {
    return ui::vstack({
        ui::text(std::move(caption)).font(ui::Font::caption).secondary(),
        ui::text(std::move(value)).font(ui::Font::headline).bold().id(std::move(id)),
    });
}

} // namespace

ui::View ReusableSummaryCardView::body() const {
    return ui::vstack({
        ui::hstack({cardHeader(item.title, item.period), ui::spacer(),
                    ui::text(item.percentage).font(ui::Font::subheadline).id("percentage")}),
        ui::hstack({
            figure(L("Expenses", "Summary card: caption of the expense total"),
                   amountText(item.expense, isIncognito), "expense"),
            ui::spacer(),
            figure(L("Income", "Summary card: caption of the income total"),
                   amountText(item.income, isIncognito), "income"),
        }),
        ui::progressBar(item.progress).foregroundColor(item.progressColor).id("progress"),
        ui::text(amountText(item.difference, isIncognito))
            .font(ui::Font::caption)
            .secondary()
            .id("difference"),
    });
}

} // namespace zt
