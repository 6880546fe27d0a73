#include "SubscriptionInsightsCalculator.h"

#include "ZTSwiftUIComponents/host/RecordPrefetch.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace zt {

SubscriptionInsightsCalculator::SubscriptionInsightsCalculator(
    std::optional<TransactionConformableList> transactions, std::string locale)
    : currencyFormatter_(NumberFormatter::currency(std::move(locale))) {
    // Subscribed first, so the choice is stored before any other observer hears of it.
    emojiMemory_ =
        selectedEmoji.observe([this](const std::optional<std::string>& emoji) { rememberEmoji(emoji); });
    update(std::move(transactions));
}

std::string SubscriptionInsightsCalculator::emojiKey() const {
    return std::string(emojiKeyPrefix) + mainTransactionIdentifier_.value_or("-");
}

void SubscriptionInsightsCalculator::rememberEmoji(const std::optional<std::string>& emoji) const {
    UserDefaults& defaults = Environment::current().userDefaults();
    if (emoji && !emoji->empty())
        defaults.set(emojiKey(), *emoji);
    else
        defaults.removeObject(emojiKey());
}

void SubscriptionInsightsCalculator::update(std::optional<TransactionConformableList> transactions) {
    mainTransactionIdentifier_.reset();
    if (transactions && !transactions->empty())
        mainTransactionIdentifier_ = transactions->front()->identifier();
    if (mainTransactionIdentifier_)
        selectedEmoji.set(Environment::current().userDefaults().string(emojiKey()));

    transactions_ = std::move(transactions);
    const Environment& env = Environment::current();
    const Calendar calendar = env.calendar();
    const int year = calendar.component(CalendarComponent::year, env.now());
    currentYear_ = year != 0 ? std::optional<int>(year) : std::nullopt;
    minDate_.reset();
    maxDate_.reset();
    totals_ = Totals{};
    if (transactions_ && !transactions_->empty()) {
        // Year bounds are local midnights, found once; then a single pass compares and sums.
        // The lifetime sum runs in list order, as total() adds.
        const double never = std::numeric_limits<double>::quiet_NaN();
        const double lastYearStart =
            calendar.date(year - 1, 1, 1).value_or(Date{never}).secondsSinceReferenceDate;
        const double thisYearStart =
            calendar.date(year, 1, 1).value_or(Date{never}).secondsSinceReferenceDate;
        const double nextYearStart =
            calendar.date(year + 1, 1, 1).value_or(Date{never}).secondsSinceReferenceDate;
        Date earliest = transactions_->front()->date();
        Date latest = earliest;
        const TransactionConformableList& list = *transactions_;
        for (std::size_t i = 0; i < list.size(); ++i) {
            prefetchRecordAhead(list, i);
            const TransactionConformable& t = *list[i];
            const Date date = t.date();
            const double amount = t.amount();
            const double at = date.secondsSinceReferenceDate;
            earliest = std::min(earliest, date);
            latest = std::max(latest, date);
            if (at >= thisYearStart && at < nextYearStart)
                totals_.thisYear += amount;
            else if (at >= lastYearStart && at < thisYearStart)
                totals_.lastYear += amount;
            totals_.lifetime += amount;
        }
        minDate_ = earliest;
        maxDate_ = latest;
    }
    minYear_ =
        minDate_ ? std::optional<int>(calendar.component(CalendarComponent::year, *minDate_)) : std::nullopt;
    maxYear_ =
        maxDate_ ? std::optional<int>(calendar.component(CalendarComponent::year, *maxDate_)) : std::nullopt;
    rebuildInsights();
}

std::string SubscriptionInsightsCalculator::amountText(double amount) const {
    if (auto text = currencyFormatter_.string(amount))
        return *text;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, amount);
    return std::string(buffer, result.ptr);
}

void SubscriptionInsightsCalculator::rebuildInsights() {
    if (!transactions_ || !currentYear_) {
        insights.set({});
        return;
    }
    const int year = *currentYear_;
    const std::string range =
        minYear_ && maxYear_ ? std::to_string(*minYear_) + " - " + std::to_string(*maxYear_) : std::string();

    using TitleColor = SubscriptionInsightItem::TitleColor;
    std::vector<SubscriptionInsightItem> items;
    items.reserve(4);
    // Title case is English usage; a translation keeps its own capitalisation.
    std::string thisYearTitle = L("Total this year", "Subscription insight: spent this calendar year");
    if (thisYearTitle == "Total this year")
        thisYearTitle = LocaleNames::capitalized(thisYearTitle);
    items.push_back({std::move(thisYearTitle), std::to_string(year), amountText(totals_.thisYear),
                     TitleColor::label, "calendar"});
    items.push_back({L("Total last year", "Subscription insight: spent last calendar year"),
                     std::to_string(year - 1), amountText(totals_.lastYear), TitleColor::systemOrange,
                     "calendar.badge.clock"});
    items.push_back({L("Total lifetime", "Subscription insight: spent since the first payment"), range,
                     amountText(totals_.lifetime), TitleColor::systemRed, "calendar.badge.exclamationmark"});
    items.push_back({L("Transactions Count", "Subscription insight: how many times it was paid"), range,
                     std::to_string(transactions_->size()), TitleColor::tint, "number.square.fill"});
    insights.set(std::move(items));
}

} // namespace zt
