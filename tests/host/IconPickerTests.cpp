#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "ZTSwiftUIComponents/host/DefaultIconPickerService.h"
#include "ZTSwiftUIComponents/host/IconImages.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zt;

namespace {

std::vector<std::string> names(const std::vector<Icon>& icons) {
    std::vector<std::string> out;
    for (const auto& i : icons)
        out.push_back(i.name);
    return out;
}

class FixedIcons final : public IconPickerDataSource {
public:
    std::vector<Icon> icons() const override {
        return {{"creditcard.fill", "Banking", {"card", "visa"}},
                {"house.fill", "Property", {"home", "mortgage"}},
                {"cup.and.saucer.fill", "Food", {"café", "tea"}},
                {"building.columns.fill", "Banking", {}}};
    }
};

} // namespace

TEST(BundleIconPickerDataSource, DecoderRejectsBadCataloguesAndSkipsBadEntries) {
    std::string error;
    EXPECT_FALSE(BundleIconPickerDataSource::decode("", &error));
    EXPECT_EQ(error, "not JSON");
    EXPECT_FALSE(BundleIconPickerDataSource::decode("{\"icons\": [", &error));
    EXPECT_FALSE(BundleIconPickerDataSource::decode("[]", &error));
    EXPECT_EQ(error, "no \"icons\" array");
    EXPECT_FALSE(BundleIconPickerDataSource::decode("{\"icons\": {}}"));

    const auto decoded = BundleIconPickerDataSource::decode(R"({"icons": [
        {"name": "star.fill", "group": "Other", "keywords": ["favourite", 7, null]},
        {"name": ""}, {"group": "no name"}, 42, {"name": 5},
        {"name": "star.fill", "group": "repeated"},
        {"name": "tag", "keywords": "not a list"}]})");
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2u);
    EXPECT_EQ((*decoded)[0], (Icon{"star.fill", "Other", {"favourite"}}));
    EXPECT_EQ((*decoded)[1], (Icon{"tag", "", {}}));
}

TEST(BundleIconPickerDataSource, ReadsTheBundledCataloguesAndReportsMissingOnes) {
    const BundleIconPickerDataSource accounts("account-icons");
    EXPECT_FALSE(accounts.loadError());
    EXPECT_GE(accounts.icons().size(), 20u);

    const BundleIconPickerDataSource missing("no-such-catalogue");
    EXPECT_TRUE(missing.icons().empty());
    ASSERT_TRUE(missing.loadError());
    EXPECT_NE(missing.loadError()->find("no-such-catalogue.json"), std::string::npos);

    const BundleIconPickerDataSource elsewhere("account-icons", "/nonexistent-directory");
    EXPECT_TRUE(elsewhere.icons().empty());
}

TEST(DefaultIconPickerService, MatchesNameWordsGroupsAndKeywords) {
    const DefaultIconPickerService service(std::make_shared<FixedIcons>());
    EXPECT_EQ(service.icon("").size(), 4u); // empty search: everything, catalogue order
    EXPECT_EQ(names(service.icon("CARD")), (std::vector<std::string>{"creditcard.fill"}));
    EXPECT_EQ(names(service.icon("banking")),
              (std::vector<std::string>{"creditcard.fill", "building.columns.fill"}));
    EXPECT_EQ(names(service.icon("cafe")),
              (std::vector<std::string>{"cup.and.saucer.fill"})); // keyword "café"
    EXPECT_EQ(names(service.icon("cup and")),
              (std::vector<std::string>{"cup.and.saucer.fill"})); // dots as spaces
    EXPECT_TRUE(service.icon("zebra").empty());
    EXPECT_TRUE(DefaultIconPickerService(nullptr).icon("").empty());

    const DefaultIconPickerService bundled(std::make_shared<BundleIconPickerDataSource>("account-icons"));
    const auto found = names(bundled.icon("mortgage"));
    EXPECT_NE(std::find(found.begin(), found.end(), "house.fill"), found.end());
}

TEST(IconImages, KnownNamesPassUnknownOnesFallBack) {
    EXPECT_EQ(accountImage("creditcard.fill"), "creditcard.fill");
    EXPECT_EQ(accountImage("no.such.symbol"), defaultAccountImageName);
    EXPECT_EQ(accountImage(""), defaultAccountImageName);
    EXPECT_EQ(categoryImage("cart.fill"), "cart.fill");
    EXPECT_EQ(categoryImage("CART.FILL"), defaultCategoryImageName); // symbol names are exact
    EXPECT_EQ(categoryImage(""), defaultCategoryImageName);
    EXPECT_EQ(accountImage(defaultAccountImageName), defaultAccountImageName);
    EXPECT_EQ(categoryImage(defaultCategoryImageName), defaultCategoryImageName);
}
