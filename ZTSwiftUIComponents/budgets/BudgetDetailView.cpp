#include "BudgetDetailView.h"

#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace zt {

BudgetDetailView::BudgetDetailView(WidgetBudget budget, std::shared_ptr<BudgetsStoreConforming> store,
                                   std::function<void()> onDelete,
                                   std::shared_ptr<const EmojiFetcher> emojiFetcher)
    : budget_(std::move(budget)), store_(std::move(store)), onDelete_(std::move(onDelete)),
      emojiFetcher_(std::move(emojiFetcher)),
      percentageFormatter_(NumberFormatter::percent(Environment::current().localeIdentifier())) {
    const auto& environment = Environment::current();
    const Calendar calendar = environment.calendar();
    const Date now = environment.now();
    const auto components = calendar.components(now);
    const auto thisMonth = calendar.date(components.year.value_or(1), components.month.value_or(1), 1);
    const auto firstMonth =
        thisMonth ? calendar.adding(CalendarComponent::month, 1 - chartMonths, *thisMonth) : std::nullopt;
    if (!firstMonth)
        return;
    const auto byMonth = store_->transactionsByMonth(budget_, *firstMonth, now);
    const auto monthLabel = DateFormatter::withTemplate("MMM");
    const auto monthId = DateFormatter::withFormat("yyyy-MM");
    for (int i = 0; i < chartMonths; ++i) {
        const auto start = calendar.adding(CalendarComponent::month, i, *firstMonth);
        if (!start)
            continue;
        double spent = 0;
        if (const auto group = byMonth.find(*start); group != byMonth.end())
            for (const auto& transaction : group->second)
                spent += transaction->isExpense() ? std::abs(transaction->amount())
                                                  : -std::abs(transaction->amount());
        sampleData_.push_back(
            {monthId.string(*start).value_or(""), monthLabel.string(*start).value_or(""), spent});
    }
    for (const auto& [month, transactions] : byMonth)
        transactions_.insert(transactions_.end(), transactions.begin(), transactions.end());
    std::stable_sort(transactions_.begin(), transactions_.end(),
                     [](const auto& a, const auto& b) { return a->date() > b->date(); });
}

double BudgetDetailView::remainingRatio() const {
    return budget_.limit != 0 ? budget_.remaining / budget_.limit : 0;
}

NewBudget BudgetDetailView::editableBudget() const {
    if (auto stored = store_->budgetForEditing(budget_))
        return *stored;
    NewBudget out;
    out.id = budget_.id;
    out.name = budget_.name;
    out.emoji = budget_.emojiAttributed.value_or("");
    out.limit = budget_.limit;
    out.startDate = Environment::current().calendar().startOfDay(Environment::current().now());
    std::vector<BudgetCategory> covered;
    for (const auto& category : store_->categories())
        if (std::find(budget_.categoryIds.begin(), budget_.categoryIds.end(), category.id) !=
            budget_.categoryIds.end())
            covered.push_back(category);
    out.budgetType = covered.size() > 1 ? BudgetType::custom : BudgetType::category;
    if (!covered.empty()) {
        out.categories.category = covered.front();
        out.categories.additionalCategories.assign(covered.begin() + 1, covered.end());
    }
    return out;
}

ui::View BudgetDetailView::statusCard() const {
    const bool over = status(budget_) == BudgetStatus::overBudget;
    const Color color = over ? negativeAmountColor : positiveAmountColor;
    return ui::card({
                        ui::hstack({
                            ui::image(over ? "exclamationmark.triangle.fill" : "checkmark.seal.fill")
                                .foregroundColor(color),
                            ui::text(over ? L("You overspent this period!") : L("You are on budget!"))
                                .font(ui::Font::headline)
                                .id("statusMessage"),
                        }),
                        ui::progressRing(remainingRatio()).foregroundColor(color).id("statusProgress"),
                        ui::text(percentageFormatter_.stringOrDash(remainingRatio()))
                            .secondary()
                            .id("statusPercentage"),
                    })
        .id(std::string(rawValue(status(budget_))));
}

ui::View BudgetDetailView::chart() const {
    const auto& formatter = store_->formatter();
    std::vector<ui::ChartMark> marks;
    std::vector<ui::PickerOption> months;
    for (const auto& data : sampleData_) {
        marks.push_back(
            {ui::MarkKind::bar, data.month, std::min(data.value, budget_.limit), L("Value"), std::nullopt});
        if (data.value > budget_.limit)
            marks.push_back({ui::MarkKind::bar, data.month, data.value - budget_.limit, L("Excess"),
                             ui::Color(negativeAmountColor)});
        months.emplace_back(data.id, data.month);
    }
    marks.push_back({ui::MarkKind::rule, {}, budget_.limit, L("Limit"), std::nullopt});

    std::vector<ui::View> content{
        ui::chart(std::move(marks)).id("monthlyChart"),
        ui::picker(L("Month"), std::move(months), state_->selectedPeriod.value_or(""),
                   state_.action([](State& s, const std::string& id) { s.selectedPeriod = id; }))
            .id("selectedPeriod"),
    };
    if (state_->selectedPeriod)
        content.push_back(ui::text(L("Limit: ") + formatter.stringOrDash(budget_.limit)).id("selectedLimit"));
    return ui::section(L("Monthly Spending"), std::move(content));
}

ui::View BudgetDetailView::transactionsSection() const {
    const auto& formatter = store_->formatter();
    const bool all = state_->showsAllTransactions;
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    std::vector<ui::View> rows;
    for (std::size_t i = 0; i < transactions_.size() && (all || i < latestCount); ++i) {
        const auto& t = *transactions_[i];
        std::vector<ui::View> cells{
            ui::label(t.categoryName(), t.categoryImageName()),
            ui::text(dates.string(t.date()).value_or("")).font(ui::Font::caption).secondary()};
        if (const auto& note = t.payee() ? t.payee() : t.descriptionText())
            cells.push_back(ui::text(*note).font(ui::Font::caption).secondary());
        cells.push_back(ui::text(formatter.stringOrDash(t.amount())));
        rows.push_back(ui::row(std::move(cells)).id(t.identifier()));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No transactions")).secondary());
    if (!all && transactions_.size() > latestCount)
        rows.push_back(
            ui::button(L("View All"), state_.setter(&State::showsAllTransactions, true)).id("viewAll"));
    return ui::section(L("Latest Transactions"), std::move(rows));
}

ui::View BudgetDetailView::body() const {
    const auto& formatter = store_->formatter();
    const auto store = store_;
    const auto budget = budget_;
    const auto onDelete = onDelete_;

    std::vector<ui::View> figures{
        ui::row({ui::text(L("Spent so far")), ui::text(formatter.stringOrDash(budget_.spent)).id("spent")}),
        ui::row(
            {ui::text(L("Remaining")), ui::text(formatter.stringOrDash(budget_.remaining)).id("remaining")}),
        ui::row({ui::text(L("Budgeted")), ui::text(format("%.2f", budget_.limit)).id("budgeted")}),
    };
    std::vector<ui::View> dailyBudget{ui::text(L("Daily Budget"))};
    if (budget_.dailyBudget)
        dailyBudget.push_back(ui::text(formatter.stringOrDash(*budget_.dailyBudget)).id("dailyBudget"));
    figures.push_back(ui::row(std::move(dailyBudget)));

    // The form starts from the budget as it is when Edit is pressed.
    const auto openEditor =
        state_.action([view = *this, store, fetcher = emojiFetcher_, weak = state_.weak()](State& s) {
            s.editor.emplace(
                NewBudgetForm::editing(view.editableBudget()), store->categories(),
                [store](const NewBudget& edited) { store->save(edited); },
                weakCallback(weak, [](State& st) { st.editBudget = false; }), fetcher);
            s.editBudget = true;
        });

    const std::string title =
        budget_.emojiAttributed ? *budget_.emojiAttributed + " " + budget_.name : budget_.name;
    return ui::navigationTitle(
        title,
        {
            ui::list({
                ui::section({statusCard(),
                             ui::text(formatter.stringOrDash(budget_.remaining)).bold().id("remainingAmount"),
                             ui::text(L("remaining for this period")).secondary()}),
                ui::section(std::move(figures)),
                chart(),
                transactionsSection(),
                ui::section(
                    {ui::button(L("Delete Budget"), "trash", state_.setter(&State::deleteBudgetPressed, true))
                         .role(ui::ButtonRole::destructive)
                         .id("deleteBudget")}),
            }),
            ui::toolbarItem("edit", ui::button(L("Edit"), openEditor)),
            ui::sheet(L("Edit Budget"), state_->editBudget, state_.binding(&State::editBudget),
                      {state_->editor ? state_->editor->body() : ui::group()}),
            ui::confirmationDialog(L("Are you sure?"), L("Are you sure you want to delete this budget?"),
                                   state_->deleteBudgetPressed, state_.binding(&State::deleteBudgetPressed),
                                   {
                                       ui::button(L("Confirm"),
                                                  [store, budget, onDelete] {
                                                      store->remove(budget);
                                                      if (onDelete)
                                                          onDelete();
                                                  })
                                           .role(ui::ButtonRole::destructive),
                                       ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                                   })
                .id("deleteConfirmation"),
        });
}

} // namespace zt
