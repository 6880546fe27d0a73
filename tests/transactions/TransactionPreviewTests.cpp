#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/MarkAsTransferScreen.h"
#include "ZTSwiftUIComponents/transactions/TransactionHeaderView.h"
#include "ZTSwiftUIComponents/transactions/TransactionPreviewView.h"
#include "mocks/DemoPlaces.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unordered_set>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using EditAction = TransactionEditActionType;
using EditKind = TransactionEditActionType::Kind;

namespace {

std::shared_ptr<ReportTransaction> previewRecord(const std::string& id, double amount, Date date,
                                                 std::optional<double> original = std::nullopt,
                                                 std::optional<std::string> code = std::nullopt) {
    return std::make_shared<ReportTransaction>(
        id, amount, original, code, "Groceries", "cart.fill", "cat-groceries", std::nullopt, std::nullopt,
        true, false, date, "acc", "Checking", std::string("Market"), std::nullopt, false, false, false);
}

class TransactionPreviewTest : public PinnedTest {
protected:
    std::vector<EditAction> sent;
    std::vector<std::string> calls;
    ConsoleCapture console;

    std::shared_ptr<TransactionPreview2022ViewModel> model(std::shared_ptr<ZTBaseRepeating> series = nullptr,
                                                           bool withParent = false) {
        return std::make_shared<TransactionPreview2022ViewModel>(
            previewRecord("t1", 12.5, at(2025, 5, 10)),
            withParent ? previewRecord("main", 12.5, at(2025, 4, 10)) : nullptr, std::move(series),
            std::nullopt, false, false,
            [this](const std::optional<BaseLocation>& place) {
                calls.push_back("location " + (place ? place->name : std::string("none")));
            },
            makeAppBasedCurrencyFormatter());
    }
    TransactionPreviewView screen(const std::shared_ptr<TransactionPreview2022ViewModel>& vm) {
        return TransactionPreviewView(
            vm, [this] { calls.push_back("view all"); },
            [this](const std::string& id) { calls.push_back("open " + id); },
            [] { return ui::text("Files"); }, [this](const EditAction& action) { sent.push_back(action); },
            [this] { calls.push_back("stopped"); });
    }
    std::shared_ptr<ZTBaseRepeating> series() {
        return std::make_shared<ZTBaseRepeating>(
            "s", RepeatingInterval::monthly, at(2025, 1, 10), std::nullopt, 12.5, std::nullopt,
            ReportTransactionList{previewRecord("c1", 12.5, at(2025, 4, 10))});
    }
};

} // namespace

TEST(TransactionEditActionTypeTest, EqualityAndHashFollowKindAndValues) {
    EXPECT_EQ(EditAction::shortcutToggle(true, false), EditAction::shortcutToggle(true, false));
    EXPECT_NE(EditAction::shortcutToggle(true, false), EditAction::shortcutToggle(true, true));
    EXPECT_NE(EditAction::repeatingAmountChanged(5), EditAction::repeatingAmountChanged(5.01));
    EXPECT_EQ(EditAction::repeatingAmountChanged(0.0), EditAction::repeatingAmountChanged(-0.0));
    EXPECT_NE(EditAction::plain(EditKind::category), EditAction::plain(EditKind::account));
    EXPECT_EQ(EditAction::plain(EditKind::shortcutToggle), EditAction::shortcutToggle(false, false));
    std::unordered_set<EditAction> set{
        EditAction::excludeFromCalculation(true), EditAction::excludeFromCalculation(true),
        EditAction::excludeFromCalculation(false), EditAction::repeatingAmountChanged(0.0),
        EditAction::repeatingAmountChanged(-0.0)};
    EXPECT_EQ(set.size(), 3u);
    EXPECT_EQ(EditAction::shortcutToggle(true, false).description(),
              "shortcutToggle(isOn: true, isDynamic: false)");
    EXPECT_EQ(EditAction::plain(EditKind::deleteTransaction).description(), "delete");
}

TEST_F(TransactionPreviewTest, DateEditingDependsOnTheSeriesAndItsParent) {
    auto vm = model();
    EXPECT_TRUE(vm->canEditDate());
    auto body = screen(vm).body();
    EXPECT_FALSE(ui::exists(body, "Repeating Details"));
    ui::press(body, ui::byId("dateRow"));
    EXPECT_THAT(sent, ElementsAre(EditAction::plain(EditKind::date)));

    sent.clear();
    vm = model(series());
    EXPECT_FALSE(vm->canEditDate());
    auto view = screen(vm);
    body = view.body();
    EXPECT_TRUE(ui::exists(body, "Repeating Details"));
    EXPECT_THROW(ui::press(body, ui::byId("dateRow")), ui::ViewQueryError);
    ui::press(body, ui::byId("editDate"));
    EXPECT_THAT(sent, ElementsAre(EditAction::plain(EditKind::date)));

    EXPECT_TRUE(model(series(), true)->canEditDate());
}

TEST_F(TransactionPreviewTest, RowsHeaderAndToolbarSendTheirActions) {
    const auto vm = model();
    const auto view = screen(vm);
    for (const char* id :
         {"accountRow", "categoryRow", "subcategoryRow", "payeeRow", "descriptionRow", "headerAmount",
          "headerCategory", "editCategory", "editAccount", "editAmount", "edit"})
        ui::press(view.body(), ui::byId(id));
    EXPECT_THAT(sent, ElementsAre(EditAction::plain(EditKind::account), EditAction::plain(EditKind::category),
                                  EditAction::plain(EditKind::category), EditAction::plain(EditKind::payee),
                                  EditAction::plain(EditKind::description),
                                  EditAction::plain(EditKind::amount), EditAction::plain(EditKind::category),
                                  EditAction::plain(EditKind::category), EditAction::plain(EditKind::account),
                                  EditAction::plain(EditKind::amount), EditAction::plain(EditKind::edit)));
    const auto body = view.body();
    EXPECT_TRUE(ui::exists(body, "Details"));
    EXPECT_TRUE(ui::exists(body, "Market"));
    EXPECT_TRUE(ui::exists(body, "Accepted files: .pdf, .jpg, .png"));
    EXPECT_FALSE(ui::exists(body, ui::byId("originalAmount")));
    // Without a handler every action is a no-op.
    const TransactionPreviewView quiet(vm, [] { return ui::group(); });
    EXPECT_NO_THROW(ui::press(quiet.body(), ui::byId("editAmount")));
}

TEST_F(TransactionPreviewTest, ShortcutSwitchesSendTheirValuesOnlyOnRealChanges) {
    const auto vm = model();
    const auto view = screen(vm);
    ui::flip(view.body(), ui::byId("hasShortcut"));
    ui::flip(view.body(), ui::byId("isDynamicShortcut"));
    vm->isDynamic.set(true); // the same value again: no change
    ui::flip(view.body(), ui::byId("hasShortcut"));
    EXPECT_THAT(sent,
                ElementsAre(EditAction::shortcutToggle(true, false), EditAction::shortcutToggle(true, true),
                            EditAction::shortcutToggle(false, true)));
}

TEST_F(TransactionPreviewTest, ExcludeSwitchStartsFromTheTransactionAndSendsItsValue) {
    const auto view = screen(model());
    EXPECT_FALSE(ui::findAs<ui::Toggle>(view.body(), ui::byId("excludeFromCalculation")).isOn);
    ui::flip(view.body(), ui::byId("excludeFromCalculation"));
    ui::flip(view.body(), ui::byId("excludeFromCalculation"));
    EXPECT_THAT(sent, ElementsAre(EditAction::excludeFromCalculation(true),
                                  EditAction::excludeFromCalculation(false)));
}

TEST_F(TransactionPreviewTest, DeletionIsSentOnlyAfterConfirmation) {
    const auto vm = model();
    const auto view = screen(vm);
    ui::press(view.body(), ui::byId("deleteTransaction"));
    EXPECT_TRUE(vm->isDeleteConfirmation());
    ui::press(view.body(), "Cancel");
    EXPECT_FALSE(vm->isDeleteConfirmation());
    EXPECT_THAT(sent, IsEmpty());
    ui::press(view.body(), ui::byId("delete"));
    const auto body = view.body();
    ui::press(ui::find(body, ui::byId("deleteConfirmation")), "Delete");
    EXPECT_THAT(sent, ElementsAre(EditAction::plain(EditKind::deleteTransaction)));
}

TEST_F(TransactionPreviewTest, SeriesChangesAreReportedAndStoppingCallsBack) {
    const auto repeating = series();
    const auto view = screen(model(repeating));
    auto list = *repeating->transactions();
    list.push_back(previewRecord("c2", 12.5, at(2025, 5, 10)));
    repeating->transactions.set(list);
    repeating->transactions.set(list); // unchanged
    repeating->transactions.set(std::nullopt);
    EXPECT_THAT(console.lines(),
                ElementsAre("New repeating childred count: 2", "New repeating childred count: 0"));
    EXPECT_THAT(sent, ElementsAre(EditAction::plain(EditKind::repeatingChildrenChanged),
                                  EditAction::plain(EditKind::repeatingChildrenChanged)));
    repeating->isRepeating.set(std::nullopt);
    repeating->isRepeating.set(true);
    EXPECT_THAT(calls, IsEmpty());
    repeating->stopRepeating();
    EXPECT_THAT(calls, ElementsAre("stopped"));
}

TEST_F(TransactionPreviewTest, ANewSeriesAmountIsSentAndSeriesRowsOpenTheirTransactions) {
    const auto repeating = series();
    const auto view = screen(model(repeating));
    ui::press(view.body(), "View all repeating transactions");
    ui::press(view.body(), ui::byId("child-c1"));
    EXPECT_THAT(calls, ElementsAre("view all", "open c1"));
    ui::press(view.body(), "Update Amount");
    auto body = view.body();
    ui::typeText(body, "New Amount", "20");
    body = view.body();
    ui::press(body, "Save");
    EXPECT_THAT(sent, ElementsAre(EditAction::repeatingAmountChanged(20)));
}

TEST_F(TransactionPreviewTest, RemovingThePlaceAsksFirstThenReportsNone) {
    const auto vm = model();
    vm->setLocation(BaseLocation{"p1", "Bakery", "Main Street 1", Coordinate{52.5, 13.4}, std::nullopt});
    vm->setLocation(BaseLocation{"p1", "Bakery", "Main Street 1", Coordinate{52.5, 13.4}, std::nullopt});
    const auto view = screen(vm);
    EXPECT_TRUE(ui::exists(view.body(), "Tap on the map to edit the location"));
    ui::press(view.body(), ui::byId("removeLocation"));
    auto body = view.body();
    ui::press(ui::find(body, ui::byId("removeLocationConfirmation")), "Delete");
    EXPECT_THAT(calls, ElementsAre("location Bakery", "location none"));
    EXPECT_FALSE(vm->location().has_value());
}

TEST_F(TransactionPreviewTest, TheLocationToolItemSearchesAroundThePlaceAndReportsTheChoice) {
    const auto vm = model();
    const auto here = BaseLocation::from(demo::demoPlaces().front());
    vm->setLocation(here);
    auto view = screen(vm);
    view.locationServices = demo::makeDemoLocationServices();
    queue().runUntilIdle();
    EXPECT_TRUE(ui::exists(view.body(), ui::byId("locationMap")));
    ui::press(ui::find(view.body(), ui::byId("editLocation")), "Location");
    ui::typeText(view.body(), ui::byId("placeSearchField"), "Pergamon");
    queue().runUntilIdle();
    ui::press(view.body(), "Pergamonmuseum");
    ui::press(view.body(), "Select");
    EXPECT_THAT(calls, ElementsAre("location Hackescher Markt", "location Pergamonmuseum"));
    EXPECT_FALSE(vm->isLocationModalActive());
    EXPECT_THAT(sent, IsEmpty()) << "a place is no edit action";

    ui::press(ui::find(view.body(), ui::byId("editLocation")), "Location"); // a fresh search
    EXPECT_EQ(ui::findAs<ui::TextField>(view.body(), ui::byId("placeSearchField")).text, "");
}

TEST_F(TransactionPreviewTest, HeaderShowsTheOriginalCurrencyAmountInItsOwnFormat) {
    TransactionHeaderView header{"Travel",           "airplane", 108.5, 100.0,
                                 std::string("EUR"), {},         {},    makeCurrencyFormatter("USD"),
                                 negativeAmountColor};
    const auto original = header.originalCurrencyAmount();
    ASSERT_TRUE(original.has_value());
    EXPECT_NE(original->find("100"), std::string::npos);
    EXPECT_NE(original->find("\xE2\x82\xAC"), std::string::npos);
    EXPECT_TRUE(ui::exists(header.body(), ui::byId("originalAmount")));
    header.originalCurrencyCode.reset();
    EXPECT_FALSE(header.originalCurrencyAmount().has_value());
}

TEST_F(TransactionPreviewTest, MarkAsTransferPassesTheChosenCandidateAndCloses) {
    const auto t = previewRecord("t", 50, at(2025, 5, 1));
    std::vector<std::string> chosen;
    MarkAsTransferScreen screen(
        t, {previewRecord("b", 50, at(2025, 5, 2)), previewRecord("a", 50, at(2025, 5, 1))},
        [&](const std::shared_ptr<ReportTransaction>& c) { chosen.push_back(c->identifier()); });
    screen.dismiss = [&] { chosen.push_back("closed"); };
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Select a counterpart transaction to mark as a transfer."));
    EXPECT_FALSE(ui::findAs<ui::Button>(body, ui::byId("markAsTransfer")).enabled);
    ui::press(body, ui::byId("candidate-a"));
    EXPECT_EQ(screen.selectedId(), "a");
    ui::press(screen.body(), ui::byId("markAsTransfer"));
    EXPECT_THAT(chosen, ElementsAre("a", "closed"));
}
