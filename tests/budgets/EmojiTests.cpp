#include "ZTSwiftUIComponents/budgets/Bundle.h"
#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "ZTSwiftUIComponents/budgets/EmojiGrid.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::string entry(std::string_view emoji, std::string_view description, std::string_view category,
                  std::string_view tags = R"(["tag"])") {
    return R"({"emoji":")" + std::string(emoji) + R"(","description":")" + std::string(description) +
           R"(","category":")" + std::string(category) + R"(","aliases":["alias"],"tags":)" +
           std::string(tags) + "}";
}

std::string diagnostic(std::string_view json) {
    const auto result = Bundle::decode<std::vector<Emoji>>(json, "emoji.json");
    return result ? "decoded" : result.error().message;
}

class EmojiTest : public test::PinnedTest {
protected:
    test::TemporaryDirectory folder{"emoji"};

    std::shared_ptr<EmojiFetcher> fetcher(const std::string& json) {
        std::ofstream(folder.path() / "emoji.json") << json;
        return std::make_shared<EmojiFetcher>(Bundle(folder.path()));
    }
    std::shared_ptr<EmojiFetcher> sample() {
        return fetcher("[" + entry("🐶", "dog face", "Animals & Nature", R"(["pet","puppy"])") + "," +
                       entry("😀", "grinning face", "Smileys & Emotion", R"(["happy"])") + "," +
                       entry("🐱", "cat face", "Animals & Nature", R"(["pet","kitten"])") + "," +
                       entry("🍕", "pizza", "Food & Drink", R"(["cheese"])") + "]");
    }
};

std::vector<std::string> characters(const std::vector<const Emoji*>& emojis) {
    std::vector<std::string> out;
    for (const auto* e : emojis)
        out.push_back(e->emoji);
    return out;
}

} // namespace

TEST(BundleDecoderTest, EachFailureHasItsDiagnostic) {
    EXPECT_EQ(diagnostic("[" + entry("😀", "grinning face", "Smileys & Emotion") + "]"), "decoded");
    EXPECT_EQ(
        diagnostic(R"([{"emoji":"😀","description":"x","category":"Objects","aliases":[]}])"),
        "Failed to decode emoji.json from bundle due to missing key 'tags' not found – no value for the key "
        "\"tags\" (at \"[0].tags\")");
    EXPECT_EQ(
        diagnostic(R"([{"emoji":"😀","description":7,"category":"Objects","aliases":[],"tags":[]}])"),
        "Failed to decode emoji.json from bundle due to type mismatch – expected a string but found a number "
        "(at \"[0].description\")");
    EXPECT_EQ(
        diagnostic(R"([{"emoji":null,"description":"x","category":"Objects","aliases":[],"tags":[]}])"),
        "Failed to decode emoji.json from bundle due to missing string value – expected a string but found "
        "null (at \"[0].emoji\")");
    EXPECT_EQ(diagnostic(R"({"emoji":"😀"})"),
              "Failed to decode emoji.json from bundle due to type mismatch – expected an array but found an "
              "object");
    EXPECT_THAT(
        diagnostic(R"([{"emoji":"😀","description":"x","category":"Objects","aliases":[1],"tags":[]}])"),
        HasSubstr("(at \"[0].aliases[0]\")"));
    const std::string invalid =
        "Failed to decode emoji.json from bundle because it appears to be invalid JSON";
    EXPECT_EQ(diagnostic("[{"), invalid);
    EXPECT_EQ(diagnostic(""), invalid);
    EXPECT_EQ(diagnostic("[" + entry("😀", "x", "Smileys and Emotion") + "]"), invalid)
        << "not one of the nine";
    EXPECT_EQ(diagnostic("[" + entry("😀", "x", "objects") + "]"), invalid) << "raw values are exact";
}

TEST_F(EmojiTest, BundleReportsMissingAndUnreadableFiles) {
    const Bundle bundle(folder.path());
    EXPECT_EQ(bundle.decode<std::vector<Emoji>>("emoji.json").error().message,
              "Failed to locate emoji.json in bundle.");
    std::filesystem::create_directory(folder.path() / "folder.json");
    EXPECT_EQ(bundle.decode<std::vector<Emoji>>("folder.json").error().message,
              "Failed to locate folder.json in bundle.");

    const auto broken = fetcher("[1]");
    EXPECT_TRUE(broken->emojis().empty()) << "no partial catalogue";
    EXPECT_THAT(broken->loadError().value_or(""),
                StartsWith("Failed to decode emoji.json from bundle due to type"));
    EXPECT_FALSE(broken->isLoading());
}

TEST_F(EmojiTest, ShippedCatalogueHoldsEveryGroupAndKnownEntries) {
    const EmojiFetcher shipped;
    ASSERT_EQ(shipped.loadError(), std::nullopt);
    const auto& emojis = shipped.emojis();
    ASSERT_GT(emojis.size(), 3500u);
    std::set<Emoji::Category> groups;
    std::set<std::string> seen;
    for (const auto& e : emojis) {
        groups.insert(e.category);
        EXPECT_FALSE(e.emoji.empty() || e.description.empty() || e.aliases.empty()) << e.description;
        EXPECT_TRUE(seen.insert(e.emoji).second) << "twice: " << e.description;
        for (const auto& alias : e.aliases)
            EXPECT_EQ(alias.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos)
                << alias;
    }
    EXPECT_EQ(groups.size(), 9u);
    EXPECT_EQ(
        emojis.front(),
        (Emoji{
            "😀", "grinning face", Emoji::Category::smileysAndEmotion, {"grinning_face"}, {"face", "grin"}}));
    const auto find = [&](std::string_view character) {
        return std::find_if(emojis.begin(), emojis.end(),
                            [&](const Emoji& e) { return e.emoji == character; });
    };
    ASSERT_NE(find("🇩🇪"), emojis.end());
    EXPECT_EQ(find("🇩🇪")->description, "flag: Germany");
    EXPECT_EQ(find("🇩🇪")->category, Emoji::Category::flags);
    ASSERT_NE(find("🛒"), emojis.end());
    EXPECT_EQ(find("🛒")->category, Emoji::Category::objects);
    EXPECT_THAT(find("🛒")->tags, ::testing::Contains("shopping"));
    EXPECT_LT(find("🐶"), find("🍕")) << "file order follows the groups";
}

TEST_F(EmojiTest, SearchByDescriptionAliasAndTagInAnyCase) {
    const auto emojis = sample();
    ASSERT_EQ(emojis->emojis().size(), 4u);
    EXPECT_THAT(characters(emojis->search("")), ElementsAre("🐶", "😀", "🐱", "🍕"));
    EXPECT_THAT(characters(emojis->search("FACE")), ElementsAre("🐶", "😀", "🐱"));
    EXPECT_EQ(emojis->search("Face"), emojis->search("face"));
    EXPECT_THAT(characters(emojis->search("kitt")), ElementsAre("🐱")) << "a tag only";
    EXPECT_THAT(characters(emojis->search("pet")), ElementsAre("🐶", "🐱")) << "each emoji once";
    EXPECT_THAT(characters(emojis->search("alias")), ElementsAre("🐶", "😀", "🐱", "🍕"));
    EXPECT_TRUE(emojis->search("facepet").empty()) << "a match never spans two fields";
    EXPECT_TRUE(emojis->search("\x1f").empty());
    EXPECT_TRUE(emojis->search("zebra").empty());
}

TEST_F(EmojiTest, SearchLowerCasesBeyondAscii) {
    const auto emojis = fetcher("[" + entry("🇦🇹", "flag: Österreich", "Flags", R"(["ÄRGER"])") + "]");
    EXPECT_EQ(emojis->search("ÖSTER").size(), 1u);
    EXPECT_EQ(emojis->search("ärger").size(), 1u);
}

TEST_F(EmojiTest, GridGroupsInCategoryOrderHighlightsAndSelects) {
    const auto emojis = sample();
    std::vector<std::string> events;
    const EmojiGrid grid(
        emojis, "🐱", [&](const std::string& e) { events.push_back("select " + e); },
        [&] { events.push_back("dismiss"); });
    auto body = grid.body();
    EXPECT_TRUE(ui::exists(body, "Select an emoji"));
    std::vector<std::string> headers;
    for (const auto* section : ui::findAll(body, ui::byTextContaining("&")))
        if (const auto* s = section->as<ui::Section>())
            headers.push_back(s->header);
    EXPECT_THAT(headers, ElementsAre("Smileys & Emotion", "Animals & Nature", "Food & Drink"));
    EXPECT_FALSE(ui::exists(body, "Flags"));
    const auto& animals = *ui::find(body, ui::byId("Animals & Nature")).children().front().as<ui::Grid>();
    EXPECT_EQ(animals.columns, 5u);
    EXPECT_TRUE(ui::findAs<ui::Card>(body, "🐱").highlighted);
    EXPECT_FALSE(ui::findAs<ui::Card>(body, "🐶").highlighted);

    ui::typeText(body, ui::byId("search"), "PET");
    body = grid.body();
    EXPECT_FALSE(ui::exists(body, "Smileys & Emotion")) << "a group without a match has no section";
    EXPECT_TRUE(ui::exists(body, "🐶") && ui::exists(body, "🐱"));
    ui::press(body, "🐶");
    EXPECT_THAT(events, ElementsAre("select 🐶", "dismiss"));
    body = grid.body();
    EXPECT_TRUE(ui::findAs<ui::Card>(body, "🐶").highlighted);
    EXPECT_FALSE(ui::findAs<ui::Card>(body, "🐱").highlighted);

    ui::typeText(body, ui::byId("search"), "nothing like it");
    EXPECT_TRUE(ui::exists(grid.body(), "No emojis found"));
    EXPECT_EQ(EmojiGrid::columns(30), 1u);
    EXPECT_EQ(EmojiGrid::columns(140), 2u);
}
