#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/EditChildRepeatingTransactionButton.h"
#include "ZTSwiftUIComponents/transactions/ParentRepeatingSectionView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsBankingView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalView.h"
#include "ZTSwiftUIComponents/transactions/RepeatingAmountHistorySection.h"
#include "ZTSwiftUIComponents/transactions/StopRepeatingView.h"
#include "ZTSwiftUIComponents/transactions/TransactionRepeatingSectionView.h"
#include "platform/DateFormatter.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

std::shared_ptr<ReportTransaction> occurrence(std::string id, double amount, Date date) {
    return std::make_shared<ReportTransaction>(id, amount, std::nullopt, std::nullopt, "Streaming", "tv", "c",
                                               std::nullopt, std::nullopt, true, false, date, "acc",
                                               "Checking", std::nullopt, std::nullopt, true, false, false);
}

class RepeatTransactionsTest : public EntryTest {
protected:
    std::shared_ptr<RepeatTransactionsModalViewModel> vm =
        make(RepeatTransactionsModalViewModel::foreverDate);
    int dismissed = 0;

    std::shared_ptr<RepeatTransactionsModalViewModel> make(Date until, bool startDisabled = false) {
        return std::make_shared<RepeatTransactionsModalViewModel>(
            true, RepeatingInterval::monthly, at(2025, 3, 1), until, false, startDisabled);
    }
    ui::View manual() {
        return RepeatTransactionsModalView(vm, [this] { ++dismissed; }).body();
    }
};

} // namespace

TEST_F(RepeatTransactionsTest, SentinelIsTheExactStoredInstantAndANewModelSuggestsNothing) {
    EXPECT_EQ(RepeatTransactionsModalViewModel::foreverDate.unixSeconds(), 7952662152.0);
    EXPECT_EQ(*DateFormatter::withFormat("yyyy-MM-dd HH:mm:ss")
                   .setTimeZone("UTC")
                   .string(RepeatTransactionsModalViewModel::foreverDate),
              "2222-01-04 16:49:12");
    EXPECT_TRUE(vm->isForever());
    EXPECT_TRUE(vm->selectedReminders().empty());
    EXPECT_FALSE(vm->suggestedInterval());
    EXPECT_TRUE(vm->suggestedOccurrences().empty());
    EXPECT_EQ(vm->repeatingIntervals, repeatIntervalArraySorted());
    EXPECT_EQ(vm->reminders.size(), 5u);
}

TEST_F(RepeatTransactionsTest,
       UntilIsOneCalendarMonthAfterNowAcrossTheClockChangeAndRemoveRestoresTheSentinel) {
    // Now is 15 March 12:00 in Berlin; a month later the clocks are an hour ahead.
    const Environment::Override march({.now = at(2025, 3, 15, 12)});
    EXPECT_TRUE(ui::exists(manual(), ui::byId("forever")));
    EXPECT_TRUE(ui::exists(manual(), "Forever"));
    ui::press(manual(), ui::byId("setUntil"));
    EXPECT_EQ(vm->repeatingUntilDate(), at(2025, 4, 15, 12));
    EXPECT_EQ(vm->repeatingUntilDate() - at(2025, 3, 15, 12), 31 * 86400.0 - 3600);
    EXPECT_FALSE(ui::exists(manual(), "Forever"));
    EXPECT_EQ(ui::findAs<ui::DatePicker>(manual(), ui::byId("until")).value, at(2025, 4, 15, 12));
    ui::press(manual(), "Remove date");
    EXPECT_EQ(vm->repeatingUntilDate().secondsSinceReferenceDate,
              RepeatTransactionsModalViewModel::foreverDate.secondsSinceReferenceDate);
    EXPECT_TRUE(vm->isForever());
}

TEST_F(RepeatTransactionsTest, ManualSheetEditsTheSettingsAndReminders) {
    ui::flip(manual(), ui::byId("isRepeating"));
    EXPECT_FALSE(vm->isRepeating());
    ui::choose(manual(), ui::byId("interval"), localizedString(RepeatingInterval::weekly));
    EXPECT_EQ(vm->selectedInterval(), RepeatingInterval::weekly);
    EXPECT_FALSE(ui::exists(manual(), ui::byId("reminder-oneDayBefore")));
    ui::flip(manual(), ui::byId("hasReminders"));
    ui::press(manual(), ui::byId("reminder-oneDayBefore"));
    ui::press(manual(), ui::byId("reminder-sameDay"));
    ui::press(manual(), ui::byId("reminder-sameDay"));
    EXPECT_EQ(vm->selectedReminders(), std::set{ReminderTime::oneDayBefore});
    EXPECT_EQ(ui::findAs<ui::Button>(manual(), ui::byId("reminder-oneDayBefore")).symbol,
              "checkmark.circle.fill");
    ui::press(manual(), "Done");
    EXPECT_EQ(dismissed, 1);
}

TEST_F(RepeatTransactionsTest, ADisabledStartStillShowsItsDate) {
    vm = make(at(2025, 6, 1), true);
    const auto tree = manual();
    const auto& from = ui::findAs<ui::DatePicker>(tree, ui::byId("from"));
    EXPECT_FALSE(from.enabled);
    EXPECT_EQ(from.value, at(2025, 3, 1));
    EXPECT_THROW(ui::pickDate(manual(), ui::byId("from"), at(2025, 4, 1)), ui::ViewQueryError);
}

TEST_F(RepeatTransactionsTest, BankingSheetSummarisesTheSuggestionsAndConfirmingStartsAtTheFirst) {
    const auto formatter = NumberFormatter::currency("en_US", "USD");
    RepeatTransactionsBankingView sheet(vm, formatter, [this] { ++dismissed; });
    EXPECT_FALSE(ui::exists(sheet.body(), "Summary"));
    ui::press(sheet.body(), "Done");
    EXPECT_EQ(vm->repeatingFromDate(), at(2025, 3, 1)); // nothing to apply
    vm->suggestedOccurrences.set(
        {occurrence("b", 9.99, at(2025, 2, 3)), occurrence("a", 9.99, at(2025, 1, 3))});
    const auto body = sheet.body();
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("count")).content, "2");
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("total")).content, "$19.98");
    EXPECT_TRUE(ui::exists(body, "Feb 3, 2025"));
    ui::press(body, "Done");
    EXPECT_EQ(vm->repeatingFromDate(), at(2025, 2, 3));
    EXPECT_EQ(dismissed, 2);
}

TEST_F(RepeatTransactionsTest, StopRepeatingAsksFirstAndOnlyTheConfirmationSwitchesTheSeriesOff) {
    const auto series = std::make_shared<ZTBaseRepeating>("s", RepeatingInterval::monthly, at(2025, 1, 3),
                                                          std::nullopt, 9.99);
    const StopRepeatingView view(series);
    ui::press(view.body(), ui::byId("stopRepeating"));
    EXPECT_TRUE(ui::exists(view.body(), "Are you sure?"));
    ui::press(view.body(), "Cancel");
    EXPECT_EQ(series->isRepeating(), std::optional(true));
    EXPECT_FALSE(ui::exists(view.body(), "Are you sure?"));
    ui::press(view.body(), ui::byId("stopRepeating"));
    ui::press(ui::find(view.body(), ui::byId("stopRepeatingConfirmation")), "Stop Repeating");
    EXPECT_EQ(series->isRepeating(), std::optional(false));
}

TEST_F(RepeatTransactionsTest, AmountHistoryHandsOverOnlyAWholeNumber) {
    std::vector<double> updates;
    const RepeatingAmountHistorySection section(9.99, "USD", "New Amount",
                                                [&](double v) { updates.push_back(v); });
    EXPECT_EQ(ui::findAs<ui::Text>(section.body(), ui::byId("currentAmount")).content, "$9.99");
    ui::press(section.body(), "Update Amount");
    ASSERT_TRUE(section.isEditing());
    ui::typeText(section.body(), ui::byId("newAmount"), "12,5");
    EXPECT_TRUE(ui::exists(section.body(), ui::byId("newAmountInvalid")));
    EXPECT_TRUE(ui::findAs<ui::TextField>(section.body(), ui::byId("newAmount")).invalid);
    EXPECT_FALSE(ui::findAs<ui::Button>(section.body(), ui::byId("saveNewAmount")).enabled);
    ui::typeText(section.body(), ui::byId("newAmount"), "1,250.50");
    EXPECT_FALSE(ui::findAs<ui::TextField>(section.body(), ui::byId("newAmount")).invalid);
    ui::press(section.body(), ui::byId("saveNewAmount"));
    EXPECT_THAT(updates, ElementsAre(1250.5));
    EXPECT_FALSE(section.isEditing());
}

TEST_F(RepeatTransactionsTest, SeriesSectionsListTheOccurrencesNewestFirstWithTheirTotal) {
    const auto series = std::make_shared<ZTBaseRepeating>(
        "s", RepeatingInterval::monthly, at(2025, 1, 3), std::nullopt, 9.99, std::nullopt,
        ReportTransactionList{occurrence("jan", 9.99, at(2025, 1, 3)),
                              occurrence("feb", 12.5, at(2025, 2, 3))});
    const auto formatter = NumberFormatter::currency("en_US", "USD");
    int allTapped = 0;
    const auto section = TransactionRepeatingSectionView(series, formatter, "Repeating", "View all", [&] {
                             ++allTapped;
                         }).body();
    EXPECT_EQ(ui::findAs<ui::Text>(section, ui::byId("total")).content, "$22.49");
    EXPECT_EQ(ui::findAs<ui::Text>(section, ui::byId("until")).content, "Forever");
    const auto rows = ui::findAll(section, ui::byTextContaining("2025"));
    ASSERT_GE(rows.size(), 3u); // the start, then the occurrences
    EXPECT_EQ(ui::nodeTexts(*rows[1]).front(), "Feb 3, 2025");
    ui::press(section, "View all");
    EXPECT_EQ(allTapped, 1);

    std::vector<std::string> tapped;
    const auto parent = ParentRepeatingSectionView(series->transactions()->front(), series, formatter,
                                                   [&](const std::string& id) { tapped.push_back(id); })
                            .body();
    EXPECT_TRUE(ui::exists(parent, "Repeating Details") && ui::exists(parent, "Main Transaction"));
    ui::press(parent, ui::byId("jan"));
    EXPECT_THAT(tapped, ElementsAre("jan"));

    const EditChildRepeatingTransactionButton button(series);
    ui::press(button.body(), ui::byId("editRepeatingTransactions"));
    series->transactions.set(ReportTransactionList{occurrence("mar", 9.99, at(2025, 3, 3))});
    const auto list = button.body();
    EXPECT_TRUE(ui::exists(list, ui::byId("mar")));
    EXPECT_FALSE(ui::exists(list, ui::byId("jan")));
}
