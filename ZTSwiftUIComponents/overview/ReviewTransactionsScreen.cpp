#include "ReviewTransactionsScreen.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ReviewTransactionsScreen::ReviewTransactionsScreen(ReportTransactionList transactions,
                                                   NumberFormatter formatter,
                                                   std::set<std::string> reviewedIds, bool isIncognito)
    : transactions_(std::move(transactions)), formatter_(std::move(formatter)), isIncognito_(isIncognito),
      state_(State{std::move(reviewedIds)}) {}

void ReviewTransactionsScreen::State::toggle(
    const std::string& transactionId,
    const std::function<void(const std::string&, bool)>& onReviewedChanged) {
    const bool nowReviewed = reviewed.insert(transactionId).second;
    if (!nowReviewed)
        reviewed.erase(transactionId);
    if (onReviewedChanged)
        onReviewedChanged(transactionId, nowReviewed);
}

bool ReviewTransactionsScreen::isReviewed(const std::string& transactionId) const {
    return state_->reviewed.count(transactionId) > 0;
}

void ReviewTransactionsScreen::toggleReviewed(const std::string& transactionId) const {
    state_->toggle(transactionId, onReviewedChanged);
}

void ReviewTransactionsScreen::State::markAll(
    const ReportTransactionList& transactions,
    const std::function<void(const std::string&, bool)>& onReviewedChanged) {
    for (const auto& t : transactions)
        if (!reviewed.count(t->identifier()))
            toggle(t->identifier(), onReviewedChanged);
}

void ReviewTransactionsScreen::markAllAsReviewed() const {
    state_->markAll(transactions_, onReviewedChanged);
}

ui::View ReviewTransactionsScreen::body() const {
    std::vector<ui::View> rows;
    for (const auto& t : transactions_) {
        const std::string id = t->identifier();
        const bool reviewed = isReviewed(id);
        rows.push_back(
            ui::row({
                        ui::button(reviewed ? L("Reviewed") : L("Not Reviewed"),
                                   reviewed ? "checkmark.circle.fill" : "questionmark.circle.fill",
                                   state_.action([id, f = onReviewedChanged](State& s) { s.toggle(id, f); }))
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
    content.push_back(ui::toolbarItem(
        "markAll", ui::button(L("Mark all as reviewed"), "checkmark.circle",
                              state_.action([transactions = transactions_, f = onReviewedChanged](State& s) {
                                  s.markAll(transactions, f);
                              }))
                       .disabled(transactions_.empty())));
    return ui::navigationTitle(L("Review Transactions"), std::move(content));
}

} // namespace zt
