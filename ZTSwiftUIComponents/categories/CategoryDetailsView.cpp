#include "CategoryDetailsView.h"

#include "platform/Console.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

#include <vector>

namespace zt {

CategoryDetailsView::CategoryDetailsView(std::shared_ptr<WidgetCategory> category,
                                         std::shared_ptr<CategoriesStore> store,
                                         std::shared_ptr<CategoriesListModelData> model)
    : category_(std::move(category)), store_(std::move(store)), model_(std::move(model)),
      subcategories_(std::make_shared<SubcategoriesListViewModel>()),
      insights_(std::make_shared<CategoryInsightsViewModel>()), subcategoriesList_(subcategories_, model_) {}

void CategoryDetailsView::onAppear() const {
    subcategories_->category.set(category_);
    console("category");
    insights_->locale.set(store_->locale());
    insights_->transactions.set(store_->transactions(*category_));
}

ui::View CategoryDetailsView::body() const {
    const auto& insights = *insights_;
    std::vector<ui::View> figures;
    if (insights.transactionCount() == 0) {
        figures.push_back(ui::emptyState(L("No insights available right now"), {}, "list.clipboard"));
    } else {
        const auto currency = NumberFormatter::currency(insights.locale());
        figures.push_back(
            ui::row({ui::text(L("Transactions")), ui::spacer(),
                     ui::text(format("%lld", static_cast<long long>(insights.transactionCount())))
                         .id("transactionCount")}));
        figures.push_back(
            ui::row({ui::text(L("Total")), ui::spacer(),
                     ui::text(currency.stringOrDash(insights.totalAmount())).id("totalAmount")}));
    }

    return ui::navigationTitle(
        category_->name,
        {
            subcategoriesList_.body(),
            ui::list({ui::section({
                ui::button(L("Insights"), "list.clipboard", state_.setter(&State::isInsightsPresented, true)),
                ui::button(L("View transactions"), "list.bullet",
                           [store = store_, category = category_] { store->showTransactions(category); }),
            })}),
            ui::sheet(L("Insights"), state_->isInsightsPresented, state_.binding(&State::isInsightsPresented),
                      {ui::list({ui::section(std::move(figures))})}),
        });
}

} // namespace zt
