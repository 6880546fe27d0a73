#include "platform/FileUserDefaults.h"
#include "platform/Logger.h"
#include "support/TemporaryDirectory.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <stdlib.h>
#include <vector>

using namespace zt;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class FileUserDefaultsTest : public ::testing::Test {
protected:
    static void write(const fs::path& path, const std::string& content) {
        zt::test::TemporaryDirectory::write(path, content);
    }
    std::string read() const { return zt::test::TemporaryDirectory::read(file); }
    std::vector<std::string> entries() const { return temporary.entries(); }

    zt::test::TemporaryDirectory temporary{"zt-defaults"};
    fs::path directory = temporary.path();
    fs::path file = directory / "defaults.json";
};

} // namespace

TEST_F(FileUserDefaultsTest, EveryKindOfValueSurvivesANewInstance) {
    {
        FileUserDefaults defaults(file);
        defaults.set("visibleAccountsInAccountCard", 7);
        defaults.set("bankingAvailabilityCardDismissed", true);
        defaults.set("rate", UserDefaults::Value{1.0}); // stays a double, not an integer
        defaults.set("selectedEmoji-42", "🍕");
        defaults.set("recent", UserDefaults::Value{std::vector<std::string>{"a", "b"}});
        defaults.set("large", UserDefaults::Value{std::numeric_limits<std::int64_t>::max()});
        defaults.set("gone", 1);
        defaults.removeObject("gone");
    }
    const FileUserDefaults reread(file);
    EXPECT_EQ(reread.integer("visibleAccountsInAccountCard", 5), 7);
    EXPECT_TRUE(reread.boolean("bankingAvailabilityCardDismissed"));
    EXPECT_EQ(reread.object("rate"), UserDefaults::Value{1.0});
    EXPECT_EQ(reread.string("selectedEmoji-42"), "🍕");
    EXPECT_THAT(reread.stringArray("recent"), ElementsAre("a", "b"));
    EXPECT_EQ(reread.integer("large"), std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(reread.contains("gone"));
    EXPECT_THAT(entries(), ElementsAre("defaults.json")); // no temporary file left behind
}

TEST_F(FileUserDefaultsTest, AMissingFileReadsAsEmptyAndIsCreatedOnTheFirstWrite) {
    const auto nested = directory / "not" / "yet" / "there.json";
    FileUserDefaults defaults(nested);
    EXPECT_TRUE(defaults.values().empty());
    EXPECT_EQ(defaults.integer("visibleShortcutsInShortcutCard", 4), 4);
    defaults.set("visibleShortcutsInShortcutCard", 8);
    EXPECT_EQ(FileUserDefaults(nested).integer("visibleShortcutsInShortcutCard", 4), 8);
}

TEST_F(FileUserDefaultsTest, DecodingKeepsTheValidEntriesOfADamagedFile) {
    EXPECT_TRUE(FileUserDefaults::decode("").empty());
    EXPECT_TRUE(FileUserDefaults::decode("[1, 2]").empty()); // not an object
    EXPECT_TRUE(FileUserDefaults::decode("\"text\"").empty());
    const auto values =
        FileUserDefaults::decode(R"({"ok": 3, "negative": -2, "null": null, "object": {"x": [1]},
        "mixed": ["a", 1], "nested": [["a"]], "empty": [], "huge": 18446744073709551615, "flag": false,
        "after": "x"})");
    EXPECT_EQ(values.size(), 5u);
    EXPECT_EQ(values.at("ok"), UserDefaults::Value{std::int64_t{3}});
    EXPECT_EQ(values.at("negative"), UserDefaults::Value{std::int64_t{-2}});
    EXPECT_EQ(values.at("empty"), UserDefaults::Value{std::vector<std::string>{}});
    EXPECT_EQ(values.at("flag"), UserDefaults::Value{false});
    EXPECT_EQ(values.at("after"), UserDefaults::Value{std::string("x")});
}

TEST_F(FileUserDefaultsTest, AFileCutShortKeepsTheEntriesBeforeTheCut) {
    const std::string whole = R"({"a": ["x", "y"], "b": true, "c": 15, "d": "text"})";
    const auto keysOfPrefix = [&](std::size_t length) {
        std::vector<std::string> names;
        for (const auto& [key, value] : FileUserDefaults::decode(whole.substr(0, length)))
            names.push_back(key);
        return names;
    };
    EXPECT_THAT(keysOfPrefix(12), IsEmpty());                  // inside the array
    EXPECT_THAT(keysOfPrefix(31), ElementsAre("a", "b"));      // inside the key "c"
    EXPECT_THAT(keysOfPrefix(35), ElementsAre("a", "b"));      // after the 1 of 15
    EXPECT_THAT(keysOfPrefix(37), ElementsAre("a", "b", "c")); // after the comma
    EXPECT_EQ(FileUserDefaults::decode(whole.substr(0, 37)).at("c"), UserDefaults::Value{std::int64_t{15}});
    EXPECT_THAT(keysOfPrefix(47), ElementsAre("a", "b", "c")); // inside "text"
    EXPECT_THAT(keysOfPrefix(whole.size()), ElementsAre("a", "b", "c", "d"));
}

TEST_F(FileUserDefaultsTest, ATruncatedFileKeepsWhatItCanAndTheNextWriteRepairsIt) {
    write(file, "{\"selectedBudgetType\": 1, \"hasSetDaily");
    FileUserDefaults defaults(file);
    EXPECT_EQ(defaults.integer("selectedBudgetType"), 1);
    defaults.set("hasSetDailyLimitAmount", true);
    const FileUserDefaults reread(file);
    EXPECT_EQ(reread.values().size(), 2u);
    EXPECT_TRUE(reread.boolean("hasSetDailyLimitAmount"));

    write(file, "not JSON at all");
    EXPECT_TRUE(FileUserDefaults(file).values().empty());
}

TEST_F(FileUserDefaultsTest, ACrashBetweenWritingAndRenamingLosesNothing) {
    {
        FileUserDefaults defaults(file);
        defaults.set("selectedBudgetType", 1);
        defaults.set("categoryPickerSearchOnStart", true);
    }
    // What a writer that died before its rename leaves: a half-written temporary file.
    const auto leftover = directory / ".defaults.json.tmp-Ab12Cd";
    write(leftover, "{\"selectedBudgetType\": 2, \"categ");

    FileUserDefaults defaults(file);
    EXPECT_EQ(defaults.integer("selectedBudgetType"), 1);
    EXPECT_TRUE(defaults.boolean("categoryPickerSearchOnStart"));

    defaults.set("showTagSearchOnAppear", true); // cleans up after the dead writer
    EXPECT_THAT(entries(), ElementsAre("defaults.json"));
    const FileUserDefaults reread(file);
    EXPECT_EQ(reread.integer("selectedBudgetType"), 1);
    EXPECT_TRUE(reread.boolean("categoryPickerSearchOnStart"));
    EXPECT_TRUE(reread.boolean("showTagSearchOnAppear"));
}

TEST_F(FileUserDefaultsTest, InstancesOnOneFileKeepEachOthersKeys) {
    FileUserDefaults first(file);
    FileUserDefaults second(file); // loaded before the first one wrote
    first.set("visibleAccountsInAccountCard", 3);
    second.set("visibleShortcutsInShortcutCard", 6);
    second.removeObject("missing");

    const FileUserDefaults fresh(file);
    EXPECT_EQ(fresh.integer("visibleAccountsInAccountCard"), 3);
    EXPECT_EQ(fresh.integer("visibleShortcutsInShortcutCard"), 6);
    // A writer also takes in what others wrote; a reader sees it after reload().
    EXPECT_EQ(second.integer("visibleAccountsInAccountCard"), 3);
    EXPECT_FALSE(first.contains("visibleShortcutsInShortcutCard"));
    first.reload();
    EXPECT_EQ(first.integer("visibleShortcutsInShortcutCard"), 6);
}

TEST_F(FileUserDefaultsTest, AFailedWriteIsLoggedAndTheChangeStaysInMemory) {
    const auto blocker = directory / "blocker";
    write(blocker, "a file where a directory should be");
    LogCapture capture;
    FileUserDefaults defaults(blocker / "defaults.json");
    EXPECT_NO_THROW(defaults.set("selectedBudgetType", 2));
    EXPECT_EQ(defaults.integer("selectedBudgetType"), 2);
    EXPECT_NO_THROW(defaults.removeObject("selectedBudgetType"));
    EXPECT_FALSE(defaults.contains("selectedBudgetType"));
    const auto logged = capture.entries();
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged.front().category, "FileUserDefaults");
    EXPECT_EQ(logged.front().level, LogLevel::error);
}

TEST_F(FileUserDefaultsTest, EncodingNeverThrows) {
    const std::map<std::string, UserDefaults::Value> values{
        {"bad", std::string("\xff\xfe")},
        {"nan", std::numeric_limits<double>::quiet_NaN()},
        {"n", 2.5},
    };
    const auto decoded = FileUserDefaults::decode(FileUserDefaults::encode(values));
    EXPECT_EQ(decoded.at("n"), UserDefaults::Value{2.5});
    EXPECT_TRUE(decoded.contains("bad"));  // replaced characters, but kept
    EXPECT_FALSE(decoded.contains("nan")); // JSON has no NaN
    EXPECT_THAT(FileUserDefaults::decode(FileUserDefaults::encode({})), IsEmpty());
}
