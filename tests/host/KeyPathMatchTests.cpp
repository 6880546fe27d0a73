#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "support/TransactionBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

using namespace zt;

namespace {

std::vector<std::string> namesMatching(const WidgetCategoryList& categories, std::string_view search) {
    std::vector<std::string> out;
    for (const auto& c : categories)
        if (keyPathMatch(&WidgetCategory::name, search)(c))
            out.push_back(c->name);
    return out;
}

WidgetCategoryList categoriesNamed(std::initializer_list<const char*> names) {
    WidgetCategoryList out;
    for (const char* n : names)
        out.push_back(std::make_shared<WidgetCategory>(n, n, "", TransactionType::expense));
    return out;
}

} // namespace

TEST(KeyPathMatch, ContainmentIgnoresCaseAndDiacritics) {
    const auto list =
        categoriesNamed({"Café & Bakery", "Groceries", "Straße", "Ölwechsel", "Zoë's Gym", "Cafeteria"});
    EXPECT_EQ(namesMatching(list, "cafe"), (std::vector<std::string>{"Café & Bakery", "Cafeteria"}));
    EXPECT_EQ(namesMatching(list, "CAFÉ"), (std::vector<std::string>{"Café & Bakery", "Cafeteria"}));
    EXPECT_EQ(namesMatching(list, "ROCER"), (std::vector<std::string>{"Groceries"})); // inside the name
    EXPECT_EQ(namesMatching(list, "strasse"), (std::vector<std::string>{"Straße"}));  // ß folds to ss
    EXPECT_EQ(namesMatching(list, "olw"), (std::vector<std::string>{"Ölwechsel"}));
    EXPECT_EQ(namesMatching(list, "zoe"), (std::vector<std::string>{"Zoë's Gym"}));
    EXPECT_TRUE(namesMatching(list, "bakery cafe").empty()); // words are not reordered
    EXPECT_TRUE(namesMatching(list, "x").empty());
}

TEST(KeyPathMatch, EmptySearchMatchesEverything) {
    const auto list = categoriesNamed({"A", ""});
    EXPECT_EQ(namesMatching(list, "").size(), 2u);
    const SearchText empty("");
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.matches(std::optional<std::string>{}));
    // Decomposed and precomposed spellings are the same text.
    EXPECT_TRUE(SearchText("e\xCC\x81").matches("caf\xC3\xA9"));
    EXPECT_TRUE(SearchText(" ").matches("Fresh Market"));
    EXPECT_FALSE(SearchText(" ").matches("Groceries"));
}

TEST(KeyPathMatch, AccessorsOptionalMembersAndValueRoots) {
    struct Payee {
        std::optional<std::string> name;
    };
    const auto market = keyPathMatch(&Payee::name, "mark");
    EXPECT_TRUE(market(Payee{"Fresh Market"}));
    EXPECT_FALSE(market(Payee{std::nullopt})); // a missing name matches only the empty search
    EXPECT_TRUE(keyPathMatch(&Payee::name, "")(Payee{std::nullopt}));

    // Member functions of shared objects work as key paths too.
    const auto t = test::transaction({.id = "t1",
                                      .amount = 5,
                                      .categoryName = "Groceries",
                                      .categoryImageName = "",
                                      .payee = "Bäckerei Schmidt"});
    EXPECT_TRUE(keyPathMatch(&ReportTransaction::accountName, "WALL")(t));
    EXPECT_TRUE(keyPathMatch(&ReportTransaction::payee, "backerei")(t));
    EXPECT_FALSE(keyPathMatch(&ReportTransaction::descriptionText, "a")(t));
    EXPECT_TRUE(keyPathMatch([](const auto& tx) { return tx->categoryName(); }, "cer")(t));
}
