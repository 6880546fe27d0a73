#include "ReviewTransactionsScreen.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ReviewTransactionsScreen::ReviewTransactionsScreen(ReportTransactionList transactions,
                                                   NumberFormatter formatter,
                                                   std::set<std::string> reviewedIds, bool isIncognito)
    : transactions_(std::move(transactions)), formatter_(std::move(formatter)), isIncognito_(isIncognito),
      reviewed_(std::make_shared<std::set<std::string>>(std::move(reviewedIds))) {}

bool ReviewTransactionsScreen::isReviewed(const std::string& transactionId) const {
    return reviewed_->count(transactionId) > 0;
}

void ReviewTransactionsScreen::toggleReviewed(const std::string& transactionId) const {
    const bool nowReviewed = !isReviewed(transactionId);
    if (nowReviewed)
        reviewed_->insert(transactionId);
    else
        reviewed_->erase(transactionId);
    if (onReviewedChanged)
        onReviewedChanged(transactionId, nowReviewed);
}

void ReviewTransactionsScreen::markAllAsReviewed() const {
    for (const auto& t : transactions_)
        if (!isReviewed(t->identifier()))
            toggleReviewed(t->identifier());
}

ui::View ReviewTransactionsScreen::body() const {
    // The actions go through a copy, which shares the marks and the callback.
    const ReviewTransactionsScreen self = *this;
    std::vector<ui::View> rows;
    for (const auto& t : transactions_) {
        const std::string id = t->identifier();
        const bool reviewed = isReviewed(id);
        rows.push_back(
            ui::row({
                        ui::button(reviewed ? L("Reviewed") : L("Not Reviewed"),
                                   reviewed ? "checkmark.circle.fill" : "questionmark.circle.fill",
                                   [self, id] { self.toggleReviewed(id); })
                            .id("mark"),
                        ui::label(t->categoryName(), t->categoryImageName()),
                        ui::text(t->payee().value_or(t->descriptionText().value_or(t->accountName())))
                            .font(ui::Font::caption)
                            .secondary(),
                        ui::spacer(),
                        ui::text(amountText(t->amount(), formatter_, isIncognito_))
                            .foregroundColor(t->signColor()),
                    })
                .id(id));
    }
    std::vector<ui::View> content;
    if (rows.empty())
        content.push_back(ui::emptyState(L("No transactions"), {}, "checkmark.circle"));
    else
        content.push_back(ui::list({ui::section(std::move(rows))}));
    content.push_back(
        ui::toolbarItem("markAll", ui::button(L("Mark all as reviewed"), "checkmark.circle", [self] {
                                       self.markAllAsReviewed();
                                   }).disabled(transactions_.empty())));
    return ui::navigationTitle(L("Review Transactions"), std::move(content));
}

} // namespace zt
