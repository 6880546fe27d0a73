#include "ZTSwiftUIComponents/transactions/NewQuickEntryScreen.h"
#include "mocks/DemoQuickEntryViewModel.h"
#include "mocks/QuickEntryParser.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ProblemKind = QuickEntryProblem::Kind;

namespace {

/// A quick-entry model that records the library's calls in order and answers as configured.
class QuickEntryRecorder : public MockQuickEntryViewModel {
public:
    std::vector<std::string>* events = nullptr;
    bool accept = true;

    void setDate(Date date) override {
        events->push_back("date " + std::to_string(static_cast<long long>(date.secondsSinceReferenceDate)));
        MockQuickEntryViewModel::setDate(date);
    }
    bool save() override {
        events->push_back("save with date " +
                          std::to_string(static_cast<long long>(date().secondsSinceReferenceDate)));
        return accept;
    }
    void reset() override { events->push_back("reset"); }
};

QuickEntryParser quickParser(const std::string& locale) {
    return QuickEntryParser({"Food", "Eating Out", "Transport", "Caf\xC3\xA9", "FOOD", "Eating", "Cash"},
                            {"Wallet", "Credit Card", "Cash"}, locale);
}

class QuickEntryScreenTest : public PinnedTest {
protected:
    std::shared_ptr<QuickEntryRecorder> vm = std::make_shared<QuickEntryRecorder>();
    NavigationRouter router;
    std::vector<std::string> events;

    NewQuickEntryScreen make() {
        vm->events = &events;
        NewQuickEntryScreen screen(vm, router);
        screen.dismiss = [this] { events.push_back(router.alertItem() ? "dismiss after alert" : "dismiss"); };
        return screen;
    }
};

} // namespace

TEST(QuickEntryParserTest, AmountsFollowTheLocaleAndAreNeverGuessed) {
    const auto german = quickParser("de_DE");
    auto parsed = german.parse("3,24 Coffee | 1.234,50 Transport Wallet | 12.50 Food");
    ASSERT_EQ(parsed.entries.size(), 2u);
    EXPECT_DOUBLE_EQ(parsed.entries[0].amount, 3.24);
    EXPECT_EQ(parsed.entries[0].description, "Coffee");
    EXPECT_DOUBLE_EQ(parsed.entries[1].amount, 1234.5);
    EXPECT_EQ(parsed.entries[1].category, 2u);
    EXPECT_EQ(parsed.entries[1].account, 0u);
    EXPECT_THAT(parsed.problems, ElementsAre(QuickEntryProblem{ProblemKind::notAnAmount, 3, "12.50"}));

    const auto english = quickParser("en_US");
    parsed = english.parse("3,24 Coffee | 1,234.50 Transport | 12.50 Food");
    ASSERT_EQ(parsed.entries.size(), 2u);
    EXPECT_DOUBLE_EQ(parsed.entries[0].amount, 1234.5);
    EXPECT_DOUBLE_EQ(parsed.entries[1].amount, 12.5);
    EXPECT_EQ(parsed.entries[1].category, 0u);
    EXPECT_THAT(parsed.problems, ElementsAre(QuickEntryProblem{ProblemKind::notAnAmount, 1, "3,24"}));
}

TEST(QuickEntryParserTest, BadAmountsAreReportedPerEntryCountingOnlyNonEmptyEntries) {
    const auto parsed = quickParser("en_US").parse("Coffee 3 | | 0 Food |-5|5\xE2\x82\xAC Food| 7");
    EXPECT_THAT(parsed.problems,
                ElementsAre(QuickEntryProblem{ProblemKind::notAnAmount, 1, "Coffee"},
                            QuickEntryProblem{ProblemKind::notPositive, 2, "0"},
                            QuickEntryProblem{ProblemKind::notPositive, 3, "-5"},
                            QuickEntryProblem{ProblemKind::notAnAmount, 4, "5\xE2\x82\xAC"}));
    ASSERT_EQ(parsed.entries.size(), 1u);
    EXPECT_DOUBLE_EQ(parsed.entries[0].amount, 7);
}

TEST(QuickEntryParserTest, EmptyEntriesAreSkippedAndAnEmptyLineHasNothing) {
    const auto parser = quickParser("en_US");
    for (const char* text : {"", "   ", "|", " | \n| "}) {
        const auto parsed = parser.parse(text);
        EXPECT_THAT(parsed.entries, IsEmpty()) << text;
        EXPECT_THAT(parsed.problems, IsEmpty()) << text;
    }
    const auto parsed = parser.parse("||5 Food||\t|");
    ASSERT_EQ(parsed.entries.size(), 1u);
    EXPECT_EQ(parsed.entries[0], (QuickEntry{5, 0u, std::nullopt, ""}));
}

TEST(QuickEntryParserTest, WordsMatchWholeIgnoringCaseAndDiacriticsLongestFirstTiesByListOrder) {
    const auto parser = quickParser("en_US");
    auto entries =
        parser.parse("4 cafe WALLET | 9 eating out lunch | 2 food | 3 Cash cash | 6 Bus ticket credit card")
            .entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], (QuickEntry{4, 3u, 0u, ""}));
    EXPECT_EQ(entries[1], (QuickEntry{9, 1u, std::nullopt, "lunch"})); // "Eating Out" beats "Eating"
    EXPECT_EQ(entries[2], (QuickEntry{2, 0u, std::nullopt, ""}));      // "Food" listed before "FOOD"
    EXPECT_EQ(entries[3], (QuickEntry{3, 6u, 2u, ""}));                // the category takes the first "Cash"
    EXPECT_EQ(entries[4], (QuickEntry{6, std::nullopt, 1u, "Bus ticket"}));

    entries = parser.parse("5 Foods Transporter walletx").entries; // partial words name nothing
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], (QuickEntry{5, std::nullopt, std::nullopt, "Foods Transporter walletx"}));
}

TEST(QuickEntryParserTest, OverlongInputAndTooManyEntriesAreRefusedWhole) {
    const auto parser = quickParser("en_US");
    std::string longText(QuickEntryParser::maxLength + 1, 'x');
    auto parsed = parser.parse(longText);
    EXPECT_THAT(parsed.problems, ElementsAre(QuickEntryProblem{ProblemKind::tooLong, 0, ""}));
    EXPECT_THAT(parsed.entries, IsEmpty());

    std::string many;
    for (std::size_t i = 0; i <= QuickEntryParser::maxEntries; ++i)
        many += "1 Food|";
    parsed = parser.parse(many);
    EXPECT_THAT(parsed.problems, ElementsAre(QuickEntryProblem{ProblemKind::tooManyEntries,
                                                               QuickEntryParser::maxEntries + 1, ""}));
    EXPECT_THAT(parsed.entries, IsEmpty());
    many.resize(many.size() - 7);
    EXPECT_EQ(parser.parse(many).entries.size(), QuickEntryParser::maxEntries);
}

TEST_F(QuickEntryScreenTest, SavingPassesTheDateFirstThenSavesThenAlertsThroughTheRouterThenCloses) {
    const auto screen = make();
    ui::typeText(screen.body(), ui::byId("transactionText"), "5 Food");
    ui::pickDate(screen.body(), ui::byId("selectedDate"), Date{1000});
    ui::press(screen.body(), "Save");
    EXPECT_THAT(events, ElementsAre("date 1000", "save with date 1000", "dismiss"));
    EXPECT_FALSE(router.alertItem().has_value()); // shown from the main queue
    queue().runUntilIdle();
    ASSERT_TRUE(router.alertItem().has_value());
    EXPECT_EQ(router.alertItem()->title, "Transaction saved");
}

TEST_F(QuickEntryScreenTest, ARefusedSaveKeepsTheScreenOpenAndAlertsNothing) {
    vm->accept = false;
    const auto screen = make();
    vm->setTransactionText("5 Food");
    screen.save();
    queue().runUntilIdle();
    EXPECT_THAT(events, ElementsAre("date " + std::to_string(static_cast<long long>(
                                                  vm->selectedDate().secondsSinceReferenceDate)),
                                    "save with date " + std::to_string(static_cast<long long>(
                                                            vm->selectedDate().secondsSinceReferenceDate))));
    EXPECT_FALSE(router.alertItem().has_value());
}

TEST_F(QuickEntryScreenTest, SaveNeedsMoreThanWhiteSpaceAndCloseResetsTheModel) {
    const auto screen = make();
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), "Save").enabled);
    vm->setTransactionText(" \n\t ");
    EXPECT_FALSE(vm->hasTransactionText());
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), "Save").enabled);
    vm->setTransactionText(" x");
    EXPECT_TRUE(ui::findAs<ui::Button>(screen.body(), "Save").enabled);
    EXPECT_EQ(screen.focusedField(), NewQuickEntryScreen::Field::amount);
    ui::press(screen.body(), ui::byAccessibilityLabel("Close"));
    EXPECT_THAT(events, ElementsAre("reset", "dismiss"));
}

TEST_F(QuickEntryScreenTest, SectionsShowInOrderWithoutEmptyOnesAndTheHintWhenNoneIsLeft) {
    auto screen = make();
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "That's it! Tap Save to confirm"));
    EXPECT_TRUE(ui::exists(body, "Quick Entry"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("transactionText")).placeholder, "Add transaction");

    vm->categoriesSection.data = {std::string("a")};
    body = screen.body();
    EXPECT_FALSE(ui::exists(body, "That's it! Tap Save to confirm"));
    EXPECT_TRUE(ui::exists(body, ui::byId("categories")));
    EXPECT_FALSE(ui::exists(body, ui::byId("accounts")));
    const auto& row = ui::findAs<ui::Text>(body, "none");
    EXPECT_EQ(row.style.color, ui::Color(1.0, 64.0 / 255, 89.0 / 255));

    vm->accountsSection.data = {1};
    vm->suggestionsSection.data = {2};
    const auto sections = vm->visibleSections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].id, "accounts");
    EXPECT_EQ(sections[1].id, "categories");
    EXPECT_EQ(sections[2].id, "suggestions");
}

TEST_F(QuickEntryScreenTest, DemoModelSuggestsCompletesAndStoresOneTransactionPerEntry) {
    auto database = std::make_shared<MockOverviewDatabase>();
    const auto model = std::make_shared<DemoQuickEntryViewModel>(database);
    model->setTransactionText("3.24 Coffee | 5 Tra");
    const auto& offered = model->categories().data;
    const auto transport = std::find_if(offered.begin(), offered.end(), [&](const std::any& item) {
        return model->text(item) == "Transport";
    });
    ASSERT_NE(transport, offered.end());
    model->select(*transport);
    EXPECT_EQ(model->transactionText(), "3.24 Coffee | 5 Transport ");
    EXPECT_TRUE(model->visibleSections().empty());
    model->setTransactionText(model->transactionText() + "Wal");
    ASSERT_EQ(model->accounts().data.size(), 1u);
    model->select(model->accounts().data[0]);

    NewQuickEntryScreen screen(model, router);
    bool dismissed = false;
    screen.dismiss = [&] { dismissed = true; };
    ui::pickDate(screen.body(), ui::byId("selectedDate"), at(2025, 5, 14, 9));
    ConsoleCapture console;
    ui::press(screen.body(), "Save");
    EXPECT_TRUE(dismissed);
    const auto& added = database->addedTransactions();
    ASSERT_EQ(added.size(), 2u);
    std::vector<std::string> seen;
    for (const auto& t : added)
        seen.push_back(t->categoryName() + "/" + t->accountName() + "/" + t->descriptionText().value_or("") +
                       "/" + std::to_string(t->amount()) + "/" +
                       (t->date() == at(2025, 5, 14, 9) ? "date" : "?"));
    EXPECT_THAT(seen, ::testing::UnorderedElementsAre("/Checking/Coffee/3.240000/date",
                                                      "Transport/Wallet//5.000000/date"));
    EXPECT_EQ(model->transactionText(), "");
}

TEST_F(QuickEntryScreenTest, DemoModelShowsProblemsDisablesSaveAndStoresNothing) {
    Environment::Override german({.locale = "de_DE"});
    ConsoleCapture console;
    auto database = std::make_shared<MockOverviewDatabase>();
    const auto model = std::make_shared<DemoQuickEntryViewModel>(database);
    model->setTransactionText("3,24 Kaffee | 12.50 Essen");
    NewQuickEntryScreen screen(model, router);
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("problems")));
    EXPECT_FALSE(ui::findAs<ui::Button>(body, ui::byId("save")).enabled);
    EXPECT_FALSE(model->save());
    EXPECT_TRUE(database->addedTransactions().empty());
    model->setTransactionText("3,24 Kaffee | 12,50 Essen");
    EXPECT_TRUE(model->problems().empty());
    EXPECT_TRUE(model->save());
    EXPECT_EQ(database->addedTransactions().size(), 2u);
}
