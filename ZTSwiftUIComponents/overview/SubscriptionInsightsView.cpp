#include "SubscriptionInsightsView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/TransactionRow.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace zt {

namespace {

bool sameCurrency(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

void chooseEmoji(SubscriptionInsightsCalculator& calculator,
                 const std::weak_ptr<SubscriptionInsightsViewDelegate>& delegate, const std::string& emoji) {
    calculator.selectedEmoji.set(emoji);
    if (const auto d = delegate.lock())
        d->subscriptionInsightsViewDidSelectEmoji(emoji);
}

} // namespace

SubscriptionInsightsView::SubscriptionInsightsView(std::shared_ptr<SubscriptionInsightsCalculator> calculator)
    : calculator_(std::move(calculator)) {}

const std::vector<std::string>& SubscriptionInsightsView::emojiChoices() {
    static const std::vector<std::string> choices{"😍", "🙂", "😐", "🙁", "😡"};
    return choices;
}

void SubscriptionInsightsView::selectEmoji(const std::string& emoji) const {
    chooseEmoji(*calculator_, delegate, emoji);
}

void SubscriptionInsightsView::requestTransactionSelection() const {
    weakCallback(delegate,
                 &SubscriptionInsightsViewDelegate::subscriptionInsightsViewShouldSelectTransaction)();
}

ui::View SubscriptionInsightsView::body() const {
    const auto& c = *calculator_;
    std::vector<ui::View> sections;

    std::vector<ui::View> insightRows;
    for (const auto& item : c.insights()) {
        ui::View image = ui::image(item.systemImageName);
        ui::View title = ui::text(item.title);
        if (const auto color = resolvedColor(item.titleColor)) {
            image.foregroundColor(*color);
            title.foregroundColor(*color);
        }
        insightRows.push_back(ui::row({
                                          std::move(image),
                                          ui::vstack({std::move(title), ui::text(item.subtitle).secondary()}),
                                          ui::spacer(),
                                          ui::text(item.value).bold(),
                                      })
                                  .id("insight-" + item.systemImageName));
    }
    sections.push_back(ui::section(L("Insights"), std::move(insightRows)));

    const bool hasTransaction = c.mainTransactionIdentifier().has_value();
    std::vector<ui::View> transactionRows;
    if (!hasTransaction)
        transactionRows.push_back(ui::text(L("Select a repeating transaction")).secondary());
    else if (c.transactions() && !c.transactions()->empty()) {
        // The chosen subscription, named by its first occurrence (the one its identifier is).
        transactionRows.push_back(transactionNameRow(*c.transactions()->front()).id("chosenTransaction"));
    }
    transactionRows.push_back(
        ui::button(
            hasTransaction ? L("Change Transaction") : L("Select"),
            weakCallback(delegate,
                         &SubscriptionInsightsViewDelegate::subscriptionInsightsViewShouldSelectTransaction))
            .id("selectTransaction"));
    sections.push_back(ui::section(std::move(transactionRows)));

    const auto& choices = emojiChoices();
    std::vector<ui::PickerOption> options(choices.begin(), choices.end());
    sections.push_back(ui::section({
        ui::picker(L("How do you feel about this subscription?"), std::move(options),
                   c.selectedEmoji().value_or(""),
                   [calculator = calculator_, delegate = delegate](const std::string& emoji) {
                       chooseEmoji(*calculator, delegate, emoji);
                   })
            .id("emoji"),
    }));

    if (c.transactions() && !c.transactions()->empty()) {
        const NumberFormatter appCurrency = makeAppBasedCurrencyFormatter();
        const std::string appCode = appCurrencyCode();
        const DateFormatter dateFormatter = DateFormatter::withStyles(DateFormatter::Style::medium);
        std::map<std::string, NumberFormatter, std::less<>> foreign; // one formatter per currency
        std::vector<ui::View> occurrenceRows;
        for (const auto& t : *c.transactions()) {
            std::vector<ui::View> amounts{ui::text(appCurrency.stringOrDash(t->amount())).bold()};
            const auto& code = t->currencyCode();
            const auto original = t->amountOriginalCurrency();
            if (code && original && !sameCurrency(*code, appCode)) {
                auto it = foreign.find(*code);
                if (it == foreign.end())
                    it = foreign.emplace(*code, makeCurrencyFormatter(*code)).first;
                amounts.push_back(
                    ui::text(it->second.stringOrDash(*original)).secondary().font(ui::Font::caption));
            }
            const std::string id = t->identifier();
            occurrenceRows.push_back(
                ui::button(weakCallback(delegate,
                                        [id](SubscriptionInsightsViewDelegate& d) {
                                            d.subscriptionInsightsViewDidSelectOccurrence(id);
                                        }),
                           {
                               transactionTitleAndDate(transactionTitle(*t, {}), t->date(), dateFormatter),
                               ui::spacer(),
                               ui::vstack(std::move(amounts)),
                           })
                    .id("occurrence-" + id));
        }
        sections.push_back(ui::section(L("Transactions"), std::move(occurrenceRows)));
    }
    return ui::navigationTitle(L("Subscription Insights"), {ui::list(std::move(sections))});
}

} // namespace zt
