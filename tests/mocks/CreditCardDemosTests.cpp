#include "mocks/CreditCardDemos.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zt;

namespace {

/// The demo on its own day in Berlin, with notifications allowed and the status delivered.
struct DemoIn {
    explicit DemoIn(std::string locale)
        : pinned({.locale = std::move(locale), .now = mocks::demoNow()}),
          demo(mocks::demoNow(),
               std::make_shared<InMemoryNotificationCenter>(NotificationAuthorizationStatus::authorized)) {
        pinned.queue->runUntilIdle();
    }
    test::PinnedEnvironment pinned;
    CreditCardDemo demo;
};

} // namespace

TEST(CreditCardDemo, ShowsTheDetailsScreenWithSeveralStatementsAndTheEntrySections) {
    const DemoIn english("en_US");
    const CreditCardDemo& demo = english.demo;
    const auto body = demo.body();

    EXPECT_EQ(ui::findAll(body, ui::byId("statementCycle")).size(), 4u);
    EXPECT_TRUE(ui::exists(body, "Travel Rewards Card"));
    EXPECT_TRUE(ui::exists(body, "Last billing cycle"));
    // The newest statement is part paid and due in the future; the older ones are paid in full.
    EXPECT_EQ(ui::findAll(body, "Make a Payment").size(), 1u);
    EXPECT_EQ(ui::findAll(body, "Congrats").size(), 3u);
    EXPECT_TRUE(ui::exists(body, ui::byAccessibilityLabel("Payment due in 9 days, by May 20, 2025")));

    EXPECT_TRUE(ui::exists(body, "Last Statement"));
    EXPECT_TRUE(ui::exists(body, "Card limit"));
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content,
              "Same day and Three days before");
    EXPECT_TRUE(demo.entry()->isValidationPassed((*demo.accountBalance())()));

    // Its screens keep their state between redraws.
    ui::press(demo.entrySections(), ui::byId("remindersRow"));
    EXPECT_TRUE(ui::exists(demo.entrySections(), ui::byId("oneWeekBefore")));
    ui::typeText(demo.entrySections(), "Card limit", "500");
    EXPECT_TRUE(ui::exists(demo.entrySections(), "Limit must be greater than current balance."));
}

TEST(CreditCardDemo, EveryAmountFieldOfTheEntryFormReadsTheUsersLocaleAndBlocksSavingWhenInvalid) {
    const DemoIn german("de_DE");
    const CreditCardDemo& demo = german.demo;
    const auto statement = demo.entry()->lastStatement()();
    const auto amounts = [&] {
        return std::vector<std::optional<double>>{(*demo.accountBalance())(), statement->statementDueAmount(),
                                                  statement->minimumDueAmount()};
    };
    const std::vector<const char*> fields{"Aktueller Saldo", "Fälliger Betrag", "Mindestbetrag"};

    for (const char* field : fields)
        ui::typeText(demo.entrySections(), field, "842,17");
    EXPECT_EQ(amounts(), (std::vector<std::optional<double>>{842.17, 842.17, 842.17}));
    EXPECT_TRUE(demo.canSave());

    for (const char* field : fields) {
        ui::typeText(demo.entrySections(), field, "842.17"); // grouping in the wrong place: no number
        EXPECT_FALSE(demo.canSave()) << field;
        EXPECT_THROW(ui::press(demo.entrySections(), "Speichern"), ui::ViewQueryError) << field;
    }
    EXPECT_EQ(amounts(), (std::vector<std::optional<double>>{842.17, 842.17, 842.17}));
    const auto body = demo.entrySections();
    for (const char* id : {"accountBalance", "statementDueAmount", "minimumDueAmount"}) {
        const auto& shown = ui::findAs<ui::TextField>(body, ui::byId(id));
        EXPECT_EQ(shown.text, "842.17") << id; // kept as typed, shown invalid
        EXPECT_TRUE(shown.invalid) << id;
    }

    for (const char* field : fields)
        ui::typeText(demo.entrySections(), field, "1.250,5");
    EXPECT_EQ(amounts(), (std::vector<std::optional<double>>{1250.5, 1250.5, 1250.5}));
    EXPECT_TRUE(demo.canSave());
}
