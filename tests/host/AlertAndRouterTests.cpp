#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace zt;

TEST(AlertItem, CannedAlertsInGerman) {
    Environment::Override env({.locale = "de_DE"});
    const auto saved = AlertItem::transactionSaved();
    EXPECT_EQ(saved.title, "Buchung gespeichert");
    EXPECT_EQ(saved.message, "Deine Buchung wurde gespeichert.");
    EXPECT_EQ(saved.systemImageName, "checkmark.circle.fill");
    EXPECT_EQ(saved.color, positiveAmountColor);
    EXPECT_GT(saved.duration, 0);

    const auto refused = AlertItem::onlineBankingAccountCannotSelect();
    EXPECT_EQ(refused.title, "Nicht erlaubt");
    EXPECT_EQ(refused.message, "Buchungen von Online-Banking-Konten werden von deiner Bank importiert. Bitte "
                               "wähle ein anderes Konto.");
    EXPECT_EQ(refused.color, negativeAmountColor);
    EXPECT_DOUBLE_EQ(refused.duration, 3);
}

TEST(AlertItem, EnglishSourceAndFreshIdentifiers) {
    Environment::Override env({.locale = "en_GB"});
    const auto a = AlertItem::transactionSaved();
    const auto b = AlertItem::transactionSaved();
    EXPECT_EQ(a.title, "Transaction saved");
    EXPECT_EQ(a.id.size(), 36u); // UUID text form
    EXPECT_NE(a.id, b.id);
    EXPECT_NE(a, b); // same texts, two alerts
    auto copy = a;
    EXPECT_EQ(copy, a);
}

class NavigationRouterTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override env{{.locale = "en_US", .mainQueue = queue}};
};

TEST_F(NavigationRouterTest, AlertComesDownAfterItsDuration) {
    NavigationRouter router;
    std::vector<bool> shown;
    auto watch = router.alertItem.observe([&](const auto& alert) { shown.push_back(alert.has_value()); });

    router.present(AlertItem::onlineBankingAccountCannotSelect()); // 3 seconds
    ASSERT_TRUE(router.alertItem());
    queue->advance(2.9);
    EXPECT_TRUE(router.alertItem());
    queue->advance(0.2);
    EXPECT_FALSE(router.alertItem());
    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
}

TEST_F(NavigationRouterTest, ANewerAlertIsNotTakenDownByTheOlderTimer) {
    NavigationRouter router;
    router.present(AlertItem::onlineBankingAccountCannotSelect()); // due at 3 s
    queue->advance(2);
    const auto second = AlertItem::transactionSaved(); // due at 4 s
    router.present(second);
    queue->advance(1.5);
    ASSERT_TRUE(router.alertItem());
    EXPECT_EQ(router.alertItem()->id, second.id);
    queue->advance(0.6);
    EXPECT_FALSE(router.alertItem());
}

TEST_F(NavigationRouterTest, DismissalDueAfterTheRouterIsGoneDoesNothing) {
    {
        NavigationRouter router;
        router.present(AlertItem::transactionSaved());
    }
    EXPECT_EQ(queue->drain(), 1u); // runs and does nothing: the router is gone
}

TEST_F(NavigationRouterTest, ModalsAndIncognitoMode) {
    NavigationRouter router;
    int incognitoChanges = 0;
    auto watch = router.incognitomodeActive.observe([&](bool) { ++incognitoChanges; });
    EXPECT_FALSE(router.incognitomodeActive());
    router.toggleIncognitoMode();
    router.toggleIncognitoMode();
    router.toggleIncognitoMode();
    EXPECT_TRUE(router.incognitomodeActive());
    EXPECT_EQ(incognitoChanges, 3);

    router.present(ModalDestination::newsletter);
    router.perform(OverviewModalAction::paydaySettings);
    EXPECT_EQ(router.modalDestination(), ModalDestination::newsletter);
    EXPECT_EQ(router.overviewModalAction(), OverviewModalAction::paydaySettings);
    router.dismissModal();
    EXPECT_FALSE(router.modalDestination());
    EXPECT_FALSE(router.overviewModalAction());

    EXPECT_EQ(&NavigationRouter::shared(), &NavigationRouter::shared());
}
