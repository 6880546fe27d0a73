#include "platform/AtomicFile.h"
#include "platform/FileUserDefaults.h"
#include "platform/Logger.h"
#include "support/KillLoop.h"
#include "support/PinnedEnvironment.h"
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
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class FileUserDefaultsTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setSyncForTesting(true); }

    static void write(const fs::path& path, const std::string& content) {
        zt::test::TemporaryDirectory::write(path, content);
    }
    std::string read() const { return zt::test::TemporaryDirectory::read(file); }
    std::vector<std::string> entries() const { return temporary.entries(); }

    zt::test::PinnedEnvironment pinned;
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
    EXPECT_TRUE(FileUserDefaults::decode("").complete); // nothing to lose
    EXPECT_TRUE(FileUserDefaults::decode("").values.empty());
    EXPECT_TRUE(FileUserDefaults::decode("[1, 2]").values.empty()); // not an object
    EXPECT_FALSE(FileUserDefaults::decode("[1, 2]").complete);
    EXPECT_TRUE(FileUserDefaults::decode("\"text\"").values.empty());
    const auto decoded =
        FileUserDefaults::decode(R"({"ok": 3, "negative": -2, "null": null, "object": {"x": [1]},
        "mixed": ["a", 1], "nested": [["a"]], "empty": [], "huge": 18446744073709551615, "flag": false,
        "after": "x"})");
    EXPECT_FALSE(decoded.complete); // writing back would lose what was skipped
    const auto& values = decoded.values;
    EXPECT_EQ(values.size(), 5u);
    EXPECT_EQ(values.at("ok"), UserDefaults::Value{std::int64_t{3}});
    EXPECT_EQ(values.at("negative"), UserDefaults::Value{std::int64_t{-2}});
    EXPECT_EQ(values.at("empty"), UserDefaults::Value{std::vector<std::string>{}});
    EXPECT_EQ(values.at("flag"), UserDefaults::Value{false});
    EXPECT_EQ(values.at("after"), UserDefaults::Value{std::string("x")});
    // A number beyond a double stops the reader: what follows is damage.
    EXPECT_EQ(FileUserDefaults::decode(R"({"a": 1, "b": 1e999, "c": 2})").values,
              (std::map<std::string, UserDefaults::Value>{{"a", std::int64_t{1}}}));
}

TEST_F(FileUserDefaultsTest, AFileCutShortKeepsTheEntriesBeforeTheCut) {
    const std::string whole = R"({"a": ["x", "y"], "b": true, "c": 15, "d": "text"})";
    const auto keysOfPrefix = [&](std::size_t length) {
        std::vector<std::string> names;
        for (const auto& [key, value] : FileUserDefaults::decode(whole.substr(0, length)).values)
            names.push_back(key);
        return names;
    };
    EXPECT_THAT(keysOfPrefix(12), IsEmpty());                  // inside the array
    EXPECT_THAT(keysOfPrefix(31), ElementsAre("a", "b"));      // inside the key "c"
    EXPECT_THAT(keysOfPrefix(35), ElementsAre("a", "b"));      // after the 1 of 15
    EXPECT_THAT(keysOfPrefix(37), ElementsAre("a", "b", "c")); // after the comma
    EXPECT_EQ(FileUserDefaults::decode(whole.substr(0, 37)).values.at("c"),
              UserDefaults::Value{std::int64_t{15}});
    EXPECT_FALSE(FileUserDefaults::decode(whole.substr(0, 37)).complete);
    EXPECT_TRUE(FileUserDefaults::decode(whole).complete);
    EXPECT_THAT(keysOfPrefix(47), ElementsAre("a", "b", "c")); // inside "text"
    EXPECT_THAT(keysOfPrefix(whole.size()), ElementsAre("a", "b", "c", "d"));
}

TEST_F(FileUserDefaultsTest, ATruncatedFileKeepsWhatItCanAndIsKeptAsideBeforeTheNextWrite) {
    const std::string damaged = "{\"selectedBudgetType\": 1, \"hasSetDaily";
    write(file, damaged);
    LogCapture capture;
    FileUserDefaults defaults(file);
    EXPECT_EQ(defaults.integer("selectedBudgetType"), 1);
    EXPECT_THAT(capture.messages("FileUserDefaults"), Contains(HasSubstr("is damaged")));
    defaults.set("hasSetDailyLimitAmount", true);
    const std::string aside = "defaults.json.damaged-20250515T100000Z";
    EXPECT_THAT(entries(), ElementsAre("defaults.json", aside));
    EXPECT_EQ(zt::test::TemporaryDirectory::read(directory / aside), damaged);
    EXPECT_THAT(capture.messages("FileUserDefaults"), Contains(HasSubstr("kept as")));
    const FileUserDefaults reread(file);
    EXPECT_EQ(reread.values().size(), 2u);
    EXPECT_TRUE(reread.boolean("hasSetDailyLimitAmount"));

    write(file, "not JSON at all");
    EXPECT_TRUE(FileUserDefaults(file).values().empty());
}

TEST_F(FileUserDefaultsTest, ChangesMadeWhileTheFileWasUnreadableAreAppliedToItLater) {
    {
        FileUserDefaults defaults(file);
        defaults.set("visibleAccountsInAccountCard", 3);
        defaults.set("bankingAvailabilityCardDismissed", true);
    }
    const auto saved = directory / "saved";
    fs::rename(file, saved);
    fs::create_directory(file); // a folder where the file should be
    LogCapture capture;
    FileUserDefaults defaults(file);
    defaults.set("selectedBudgetType", 2);
    defaults.removeObject("visibleAccountsInAccountCard");
    defaults.reload(); // still unreadable: the changes stay
    using Values = std::map<std::string, UserDefaults::Value>;
    EXPECT_EQ(defaults.values(), (Values{{"selectedBudgetType", std::int64_t{2}}}));

    fs::remove(file);
    fs::rename(saved, file);
    defaults.reload();
    const Values expected{{"bankingAvailabilityCardDismissed", true},
                          {"selectedBudgetType", std::int64_t{2}}};
    EXPECT_EQ(defaults.values(), expected);
    EXPECT_EQ(FileUserDefaults(file).values(), expected);
    EXPECT_THAT(entries(), ElementsAre("defaults.json")); // the file was whole: nothing kept aside
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

// Writers killed wherever their next change is: the file is always one whole version.
TEST_F(FileUserDefaultsTest, KilledWritersNeverTearTheFile) {
    AtomicFile::setSyncForTesting(false); // a killed process loses nothing without syncing either
    FileUserDefaults(file).set("bankingAvailabilityCardDismissed", true);
    for (int round = 0, rounds = zt::test::killRounds(20); round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const bool killed = zt::test::killAfterSteps(
            [&](const auto& report) {
                FileUserDefaults defaults(file);
                for (std::int64_t i = 0;; ++i) {
                    defaults.set("selectedBudgetType", i);
                    report();
                }
            },
            1 + round % 3);
        ASSERT_TRUE(killed);
        const auto contents = FileUserDefaults::decode(read());
        ASSERT_TRUE(contents.complete);
        ASSERT_TRUE(contents.values.contains("selectedBudgetType"));
        ASSERT_EQ(contents.values.at("bankingAvailabilityCardDismissed"), UserDefaults::Value{true});
    }
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
    const auto decoded = FileUserDefaults::decode(FileUserDefaults::encode(values)).values;
    EXPECT_EQ(decoded.at("n"), UserDefaults::Value{2.5});
    EXPECT_TRUE(decoded.contains("bad"));  // replaced characters, but kept
    EXPECT_FALSE(decoded.contains("nan")); // JSON has no NaN
    EXPECT_THAT(FileUserDefaults::decode(FileUserDefaults::encode({})).values, IsEmpty());
}
