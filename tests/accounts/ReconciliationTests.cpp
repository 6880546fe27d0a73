#include "ZTSwiftUIComponents/accounts/ReconciliationAdjustment.h"
#include "ZTSwiftUIComponents/accounts/UpdateAccountBalanceFlowView.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using namespace zt::test;

namespace {

/// An account that counts how often its balance is set.
struct CountingAccount final : AccountBalanceUpdating {
    std::string name = "Euro Account";
    double balance = 100;
    double rate = 2;
    std::optional<std::string> code = std::string("EUR");
    std::vector<std::pair<double, Date>> updates;

    const std::string& accountName() const override { return name; }
    double accountCurrencyBalance() const override { return balance; }
    double mainCurrencyBalance() const override { return balance * rate; }
    double exchangeRateToMainCurrency() const override { return rate; }
    const std::optional<std::string>& accountCurrencyCode() const override { return code; }
    void updateBalance(double newBalance, Date date) override {
        updates.emplace_back(newBalance, date);
        balance = newBalance;
    }
};

class ReconciliationTest : public PinnedTest {
protected:
    std::shared_ptr<CountingAccount> account = std::make_shared<CountingAccount>();
    BalanceUpdatingAccounts accounts{account};
    int dismissed = 0;

    UpdateAccountBalanceFlowView flow() {
        return UpdateAccountBalanceFlowView({[this] { return accounts; }, {}}, [this] { ++dismissed; });
    }
    /// Walks from the introduction to the balance entry of the only account.
    void toEntry(const UpdateAccountBalanceFlowView& f) {
        ui::press(f.body(), ui::byId("continue"));
        ui::press(f.body(), ui::byId("account-0"));
    }
};

} // namespace

TEST_F(ReconciliationTest, AdjustmentIsTheDifferenceAndItsConversion) {
    const auto now = at(2025, 10, 26, 2, 30); // an hour Berlin lives twice: the instant is kept as given
    const auto t = makeAdjustmentTransaction(*account, 80, now);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->amount(), -20);
    EXPECT_EQ(t->amountOriginalCurrency(), -10);
    EXPECT_EQ(t->currencyCode(), "EUR");
    EXPECT_EQ(t->categoryName(), "General");
    EXPECT_EQ(t->categoryImageName(), "KDNew2016-36");
    EXPECT_EQ(t->descriptionText(), "Account reconciliation");
    EXPECT_EQ(t->date(), now);
    EXPECT_NE(makeAdjustmentTransaction(*account, 80, now)->identifier(), t->identifier());

    for (const double rate : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        account->rate = rate;
        EXPECT_FALSE(makeAdjustmentTransaction(*account, 80, now)) << rate;
    }
    account->rate = 1e-320; // a denormal rate would overflow the conversion
    EXPECT_FALSE(makeAdjustmentTransaction(*account, 1e10, now));
}

TEST_F(ReconciliationTest, TheFlowFromIntroductionToTheFinalScreen) {
    const auto f = flow();
    EXPECT_TRUE(ui::exists(f.body(), "Update account balance"));
    ui::press(f.body(), ui::byId("continue"));
    EXPECT_EQ(f.step(), UpdateAccountBalanceFlowView::Step::accounts);
    EXPECT_TRUE(ui::exists(f.body(), "€100.00"));
    ui::press(f.body(), ui::byId("account-0"));
    EXPECT_TRUE(ui::exists(f.body(), "Update Balance"));
    EXPECT_EQ(ui::find(f.body(), ui::byId("selectedAccount")).as<ui::Text>()->content, "Euro Account");

    ui::typeText(f.body(), ui::byId("actualBalance"), "12x");
    EXPECT_THROW(ui::press(f.body(), ui::byId("continue")), ui::ViewQueryError);
    // The text stays as typed and the field itself says it is no number.
    EXPECT_EQ(ui::findAs<ui::TextField>(f.body(), ui::byId("actualBalance")).text, "12x");
    EXPECT_TRUE(ui::findAs<ui::TextField>(f.body(), ui::byId("actualBalance")).invalid);
    ui::typeText(f.body(), ui::byId("actualBalance"), "1,250.50");
    EXPECT_FALSE(ui::findAs<ui::TextField>(f.body(), ui::byId("actualBalance")).invalid);
    ui::press(f.body(), ui::byId("continue"));
    EXPECT_TRUE(ui::exists(f.body(), "Review"));
    EXPECT_EQ(ui::find(f.body(), ui::byId("adjustmentAmount")).as<ui::Text>()->content, "€1,150.50");
    ui::press(f.body(), ui::byId("confirm"));
    EXPECT_TRUE(ui::exists(f.body(), "Boom. Done."));
    EXPECT_TRUE(account->updates.empty()); // nothing is set before Close

    queue().advance(90);
    const auto kept = f.body();
    ui::press(kept, ui::byId("close"));
    ui::press(kept, ui::byId("close")); // a second press of the same tree
    ASSERT_EQ(account->updates.size(), 1u);
    EXPECT_EQ(account->updates[0].first, 1250.5);
    EXPECT_EQ(account->updates[0].second, at(2025, 5, 15, 12, 1, 30));
    EXPECT_EQ(dismissed, 1);
    EXPECT_FALSE(f.isPresented());
}

TEST_F(ReconciliationTest, NothingEnteredKeepsTheBalanceAndANegativeDifferenceShows) {
    auto f = flow();
    toEntry(f);
    ui::press(f.body(), ui::byId("continue"));
    EXPECT_EQ(ui::find(f.body(), ui::byId("adjustmentAmount")).as<ui::Text>()->content, "€0.00");

    f = flow();
    toEntry(f);
    ui::typeText(f.body(), ui::byId("actualBalance"), "-5");
    ui::press(f.body(), ui::byId("continue"));
    EXPECT_EQ(ui::find(f.body(), ui::byId("adjustmentAmount")).as<ui::Text>()->content, "-€105.00");
}

TEST_F(ReconciliationTest, AZeroRateShowsDashesAndKeepsConfirmOff) {
    account->rate = 0;
    const auto f = flow();
    toEntry(f);
    ui::typeText(f.body(), ui::byId("actualBalance"), "50");
    ui::press(f.body(), ui::byId("continue"));
    const auto body = f.body();
    EXPECT_EQ(ui::find(body, ui::byId("adjustmentAmount")).as<ui::Text>()->content, "--");
    EXPECT_FALSE(ui::findAs<ui::Button>(body, ui::byId("confirm")).enabled);
    for (const auto& text : ui::visibleTexts(body)) {
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        EXPECT_EQ(text.find("NaN"), std::string::npos) << text;
    }
}

TEST_F(ReconciliationTest, FocusArrivesAQuarterSecondAfterTheEntryAppearsAndBackAndCloseWork) {
    ReconcileEditView edit({}, account, NumberFormatter::currency("en_US"), {});
    edit.onAppear();
    queue().advance(0.24);
    EXPECT_FALSE(edit.amountInFocus());
    queue().advance(0.01);
    EXPECT_TRUE(edit.amountInFocus());

    const auto f = flow();
    toEntry(f);
    ui::press(f.body(), "Back");
    EXPECT_EQ(f.step(), UpdateAccountBalanceFlowView::Step::accounts);
    const auto kept = f.body();
    ui::press(kept, ui::byAccessibilityLabel("Close"));
    ui::press(kept, ui::byAccessibilityLabel("Close"));
    EXPECT_TRUE(ui::visibleTexts(f.body()).empty());
    EXPECT_EQ(dismissed, 1);
    EXPECT_TRUE(account->updates.empty());
}

TEST_F(ReconciliationTest, GermanEntryReadsTheGermanNumber) {
    PinnedEnvironment german({.locale = "de_DE"});
    const auto f = flow();
    toEntry(f);
    EXPECT_TRUE(ui::exists(f.body(), "Kontostand aktualisieren"));
    ui::typeText(f.body(), ui::byId("actualBalance"), "1.250,50");
    ui::press(f.body(), ui::byId("continue"));
    ui::press(f.body(), ui::byId("confirm"));
    ui::press(f.body(), ui::byId("close"));
    ASSERT_EQ(account->updates.size(), 1u);
    EXPECT_EQ(account->updates[0].first, 1250.5);
}
