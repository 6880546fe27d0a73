#include "RemainingForPeriodView.h"

#include "ZTSwiftUIComponents/overview/TransactionRow.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <cmath>
#include <utility>

namespace zt {

ui::View categorySummaryRow(const CategorySummary& summary, const NumberFormatter& currencyFormatter) {
    return ui::row({
                       ui::image(summary.imageName)
                           .foregroundColor(summary.color)
                           .accessibilityLabel(summary.title),
                       ui::text(summary.title),
                       ui::spacer(),
                       ui::vstack({
                           ui::text(currencyFormatter.stringOrDash(summary.total)).bold(),
                           ui::text(format("%.1f%%", summary.percentage)).secondary().font(ui::Font::caption),
                       }),
                   })
        .id("category-" + summary.title);
}

RemainingForPeriodView::RemainingForPeriodView(std::shared_ptr<RemainingForPeriodCalculator> calculator,
                                               std::string locale)
    : calculator_(std::move(calculator)), currencyFormatter_(NumberFormatter::currency(std::move(locale))) {}

bool RemainingForPeriodView::isShowingDeleteConfirmation() const {
    return state_->isShowingDeleteConfirmation;
}
std::shared_ptr<ReportTransaction> RemainingForPeriodView::transactionToDelete() const {
    return state_->transactionToDelete;
}
std::optional<double> RemainingForPeriodView::selectedValue() const {
    return state_->selectedValue;
}
std::optional<Date> RemainingForPeriodView::selectedDate() const {
    return state_->selectedDate;
}
bool RemainingForPeriodView::isSelectionOverlayVisible() const {
    return state_->isSelectionOverlayVisible;
}

std::vector<ui::ChartMark> RemainingForPeriodView::chartMarks() const {
    const auto& series = calculator_->runningSeries();
    const DateFormatter day = DateFormatter::withFormat("yyyy-MM-dd");
    const std::string seriesName = L("Value", "The y value of the remaining-for-period chart");
    std::vector<ui::ChartMark> marks;
    marks.reserve(series.size());
    for (const RunningTotalPoint point : series)
        marks.push_back(ui::ChartMark{ui::MarkKind::line, day.string(point.date).value_or(""), point.value,
                                      seriesName, std::nullopt});
    return marks;
}

void RemainingForPeriodView::chartDragChanged(Date date) const {
    const auto& series = calculator_->runningSeries();
    ++state_->dragGeneration;
    if (series.empty())
        return;
    RunningTotalPoint nearest = series.front();
    for (const RunningTotalPoint point : series)
        if (std::abs(point.date - date) < std::abs(nearest.date - date))
            nearest = point;
    state_->selectedValue = nearest.value;
    state_->selectedDate = nearest.date;
    state_->isSelectionOverlayVisible = true;
}

void RemainingForPeriodView::chartDragEnded() const {
    MainQueue::main().asyncAfter(selectionOverlayHideDelay,
                                 state_.action([generation = state_->dragGeneration](State& s) {
                                     // A drag that began meanwhile owns the overlay now.
                                     if (s.dragGeneration == generation)
                                         s.isSelectionOverlayVisible = false;
                                 }));
}

void RemainingForPeriodView::State::requestDelete(std::shared_ptr<ReportTransaction> transaction) {
    transactionToDelete = std::move(transaction);
    isShowingDeleteConfirmation = true;
}

void RemainingForPeriodView::State::confirmDelete(
    const std::function<void(const std::string&)>& onDeleteDidPress,
    RemainingForPeriodCalculator& calculator) {
    isShowingDeleteConfirmation = false;
    const auto transaction = std::exchange(transactionToDelete, nullptr);
    if (!transaction)
        return;
    if (onDeleteDidPress)
        onDeleteDidPress(transaction->identifier());
    calculator.deleteTransaction(transaction);
}

void RemainingForPeriodView::State::cancelDelete() {
    isShowingDeleteConfirmation = false;
    transactionToDelete = nullptr;
}

void RemainingForPeriodView::requestDelete(const std::shared_ptr<ReportTransaction>& transaction) const {
    state_->requestDelete(transaction);
}

void RemainingForPeriodView::confirmDelete() const {
    state_->confirmDelete(onDeleteDidPress, *calculator_);
}

void RemainingForPeriodView::cancelDelete() const {
    state_->cancelDelete();
}

ui::View RemainingForPeriodView::chartSection() const {
    std::vector<ui::ChartMark> marks = chartMarks();
    std::vector<ui::View> content;
    if (state_->isSelectionOverlayVisible && state_->selectedValue) {
        const double value = *state_->selectedValue;
        // The selected point, drawn as a rule at its value.
        marks.push_back(ui::ChartMark{ui::MarkKind::rule, "", value, "selection", std::nullopt});
        const Color color = value > 0 ? positiveAmountColor : negativeAmountColor;
        content.push_back(ui::vstack({
                                         ui::text(currencyFormatter_.stringOrDash(value))
                                             .font(ui::Font::headline)
                                             .foregroundColor(color),
                                         ui::text(DateFormatter::withStyles(DateFormatter::Style::medium)
                                                      .string(*state_->selectedDate)
                                                      .value_or("")),
                                     })
                              .id("selection"));
    }
    content.insert(content.begin(),
                   ui::chart(std::move(marks))
                       .id("chart")
                       .accessibilityLabel(L("Date", "The x value of the remaining-for-period chart") + ", " +
                                           L("Value")));
    return ui::section(std::move(content));
}

ui::View RemainingForPeriodView::transactionRow(const std::shared_ptr<ReportTransaction>& transaction,
                                                const DateFormatter& dateFormatter) const {
    const std::string& id = transaction->identifier();
    const double shown = transaction->isExpense() ? -transaction->amount() : transaction->amount();
    return ui::row({
                       ui::button(callIfSet(onDidTap, id),
                                  {
                                      ui::image(transaction->categoryImageName()),
                                      transactionTitleAndDate(
                                          transactionTitle(*transaction, uncategorizedSummaryTitle),
                                          transaction->date(), dateFormatter),
                                      ui::spacer(),
                                      ui::text(currencyFormatter_.stringOrDash(shown))
                                          .foregroundColor(transaction->signColor()),
                                  }),
                       ui::button(L("Edit"), "pencil", callIfSet(onEditDidPress, id)).id("edit-" + id),
                       ui::button(L("Delete"), "trash",
                                  state_.action([transaction](State& s) { s.requestDelete(transaction); }))
                           .role(ui::ButtonRole::destructive)
                           .id("delete-" + id),
                   })
        .id("transaction-" + id);
}

ui::View RemainingForPeriodView::transactionsSection(const std::string& title, const std::string& totalId,
                                                     const TransactionSelection& transactions,
                                                     const std::vector<CategorySummary>& summaries) const {
    double total = 0;
    for (const auto& summary : summaries)
        total += summary.total;
    std::vector<ui::View> rows;
    rows.reserve(transactions.size() + 1);
    rows.push_back(ui::text(currencyFormatter_.stringOrDash(std::abs(total)))
                       .secondary()
                       .font(ui::Font::subheadline)
                       .id(totalId));
    const DateFormatter dateFormatter = DateFormatter::withStyles(DateFormatter::Style::medium);
    for (const auto& t : transactions)
        rows.push_back(transactionRow(t, dateFormatter));
    return ui::section(title, std::move(rows));
}

ui::View RemainingForPeriodView::body() const {
    const auto& c = *calculator_;
    std::vector<ui::View> sections;
    sections.push_back(chartSection());
    sections.push_back(ui::section({
        ui::row({
                    ui::text(std::to_string(c.currentPeriodInterval())),
                    ui::spacer(),
                    ui::text(currencyFormatter_.stringOrDash(c.periodSummary()))
                        .bold()
                        .foregroundColor(c.differenceColor()),
                })
            .id("summary"),
    }));
    sections.push_back(transactionsSection(L("Expense Categories"), "expenseTotal", c.expensesThisPeriod(),
                                           c.expenseCategorySummaries()));
    sections.push_back(transactionsSection(L("Income Categories"), "incomeTotal", c.incomesThisPeriod(),
                                           c.incomeCategorySummaries()));
    sections.push_back(ui::confirmationDialog(
        L("Delete Transaction"), L("Are you sure you want to delete this transaction?"),
        state_->isShowingDeleteConfirmation, state_.binding(&State::isShowingDeleteConfirmation),
        {
            ui::button(L("Delete"), state_.action([f = onDeleteDidPress, calculator = calculator_](State& s) {
                s.confirmDelete(f, *calculator);
            }))
                .role(ui::ButtonRole::destructive)
                .id("confirmDelete"),
            ui::button(L("Cancel"), state_.action([](State& s) { s.cancelDelete(); }))
                .role(ui::ButtonRole::cancel)
                .id("cancelDelete"),
        }));
    return ui::navigationTitle(L("Remaining For Period"), {ui::list(std::move(sections))});
}

} // namespace zt
