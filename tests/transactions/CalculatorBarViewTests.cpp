#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/transactions/CalculatorBarView.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class CalculatorBarViewTest : public EntryTest {
protected:
    std::shared_ptr<std::string> text = std::make_shared<std::string>();
    std::vector<std::string> saved; // the text onSave found

    CalculatorBarView bar(bool operators = true) {
        return CalculatorBarView(
            ui::Binding<std::string>{[t = text] { return *t; }, [t = text](std::string v) { *t = v; }},
            operators, [this] { saved.push_back(*text); });
    }
    const std::vector<std::string>& played() { return pinned.feedback->events(); }
};

} // namespace

TEST_F(CalculatorBarViewTest, OperatorsAppendTheirTextsWithoutChecking) {
    const auto keys = bar();
    keys.press(CalculatorOperator::divide);
    EXPECT_EQ(*text, "\u00F7");
    *text = "12";
    keys.press(CalculatorOperator::multiply);
    EXPECT_EQ(*text, "12\u00D7");
    keys.press(CalculatorOperator::minus);
    keys.press(CalculatorOperator::plus);
    EXPECT_EQ(*text, "12\u00D7-+");
    EXPECT_EQ(played().size(), 8u);
    EXPECT_THAT(std::vector(played().begin(), played().begin() + 2),
                ElementsAre("impact medium", "sound 1104"));
}

TEST_F(CalculatorBarViewTest, EqualsEvaluatesInTheCurrentLocaleOrLeavesTheTextAsTyped) {
    *text = "12\u00D7";
    bar().press(CalculatorOperator::equal);
    EXPECT_EQ(*text, "12\u00D7");

    const Environment::Override german({.locale = "de_DE"});
    *text = "12,5+3";
    bar().press(CalculatorOperator::equal);
    EXPECT_EQ(*text, "15,5");
    *text = "1÷3×3";
    bar().press(CalculatorOperator::equal);
    EXPECT_EQ(*text, "1");
    EXPECT_THAT(played(), ElementsAre("impact medium", "sound 1104", "impact medium", "sound 1104",
                                      "impact medium", "sound 1104"));
}

TEST_F(CalculatorBarViewTest, SaveKeyStoresTheResultBeforeOnSaveAndSavesAnUnevaluableTextAsTyped) {
    *text = "10+2.5";
    ui::press(bar().body(), ui::byId("calculator-save"));
    *text = "7\u00F70";
    ui::press(bar().body(), ui::byId("calculator-save"));
    EXPECT_THAT(saved, ElementsAre("12.5", "7\u00F70"));
    EXPECT_THAT(played(),
                ElementsAre("notification success", "sound 1104", "notification success", "sound 1104"));
}

TEST_F(CalculatorBarViewTest, KeysInOrderAndTheTwoFormsOfTheSaveKey) {
    auto body = bar(true).body();
    std::vector<std::string> ids;
    for (const auto& key : body.children())
        ids.push_back(key.identifier());
    EXPECT_THAT(ids, ElementsAre("calculator-plus", "calculator-minus", "calculator-multiply",
                                 "calculator-divide", "calculator-equal", "calculator-save"));
    EXPECT_EQ(ui::findAs<ui::Button>(body, ui::byId("calculator-save")).symbol, "checkmark");
    EXPECT_EQ(ui::findAs<ui::Button>(body, ui::byId("calculator-divide")).symbol, "divide");

    body = bar(false).body();
    ASSERT_EQ(body.children().size(), 1u);
    EXPECT_EQ(ui::findAs<ui::Button>(body, ui::byId("calculator-save")).title, "Save");
    ui::press(body, "Save");
    EXPECT_EQ(saved.size(), 1u);
}
