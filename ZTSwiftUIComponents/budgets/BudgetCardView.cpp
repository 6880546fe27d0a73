#include "BudgetCardView.h"

#include "platform/StringTable.h"

namespace zt {

BudgetCardView BudgetCardView::of(const WidgetBudget& budget, const NumberFormatter& formatter, Color color) {
    return {formatter.stringOrDash(budget.limit),
            formatter.stringOrDash(budget.remaining),
            budget.remainingDays,
            budget.name,
            color,
            budget.emojiAttributed.value_or(""),
            budget.progress()};
}

ui::View BudgetCardView::body() const {
    std::vector<ui::View> content{
        ui::hstack({ui::text(budgetEmoji).font(ui::Font::title).id("emoji"),
                    ui::text(budgetTitle).font(ui::Font::headline).id("title")}),
        ui::text(format(L("%@ of %@", "Budget card: the remaining amount of the budget's total"),
                        formattedRemainingAmount, formattedTotalAmount))
            .font(ui::Font::subheadline)
            .id("amounts"),
        ui::progressBar(progress).foregroundColor(budgetColor).id("progress"),
    };
    if (remainingDays)
        content.push_back(ui::text(*remainingDays == 1
                                       ? L("1 day left", "Budget card: days left in the period")
                                       : format(L("%lld days left", "Budget card: days left in the period"),
                                                static_cast<long long>(*remainingDays)))
                              .font(ui::Font::caption)
                              .secondary()
                              .id("remainingDays"));
    return ui::card(std::move(content));
}

} // namespace zt
