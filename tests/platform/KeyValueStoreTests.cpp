#include "platform/AtomicFile.h"
#include "platform/FileKeyValueStore.h"
#include "platform/InMemoryKeyValueStore.h"
#include "platform/KeyValueFile.h"
#include "platform/Logger.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <stdlib.h>

using namespace zt;
namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Data = KeyValueStore::Data;
using Array = KeyValueStore::Array;
using Value = KeyValueStore::Value;

namespace {

Array cards(std::initializer_list<std::string> bytes) {
    std::vector<std::string> list(bytes.begin(), bytes.end());
    return KeyValueStore::arrayOfData(std::move(list));
}

class FileKeyValueStoreTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setBeforeReplaceHookForTesting({}); }

    static void write(const fs::path& path, const std::string& content) {
        zt::test::TemporaryDirectory::write(path, content);
    }
    static std::string read(const fs::path& path) { return zt::test::TemporaryDirectory::read(path); }
    std::vector<std::string> entries() const { return temporary.entries(); }

    zt::test::PinnedEnvironment pinned;
    zt::test::TemporaryDirectory temporary{"zt-kvs"};
    fs::path directory = temporary.path();
    fs::path file = directory / "store.cbor";
};

} // namespace

TEST(KeyValueStore, ArraysAndByteStrings) {
    InMemoryKeyValueStore store;
    EXPECT_EQ(store.array("creditCards"), std::nullopt); // absent
    store.set("creditCards", Value{cards({"{}", std::string("\x00\xff", 2)})});
    const auto stored = store.array("creditCards");
    ASSERT_TRUE(stored);
    EXPECT_THAT(*KeyValueStore::dataElements(*stored), ElementsAre("{}", std::string("\x00\xff", 2)));

    // Text is not bytes: one text element makes the array "not entirely byte strings".
    store.set("mixed", Value{Array{Data{"a"}, std::string("b")}});
    EXPECT_EQ(KeyValueStore::dataElements(*store.array("mixed")), std::nullopt);
    EXPECT_THAT(*KeyValueStore::dataElements(Array{}), IsEmpty());

    store.set("single", Value{Data{"x"}});
    EXPECT_EQ(store.array("single"), std::nullopt); // a value, but no array
    EXPECT_EQ(store.object("single"), Value{Data{"x"}});

    store.removeObject("creditCards");
    EXPECT_FALSE(store.object("creditCards"));
    EXPECT_TRUE(store.synchronize());
}

TEST_F(FileKeyValueStoreTest, EveryKindOfValueSurvivesANewInstance) {
    const Array mixed{Data{std::string("\x00\x01\xfe", 3)}, std::string("text"), std::int64_t{-7}, 2.5, true};
    {
        FileKeyValueStore store(file);
        store.set("creditCards", Value{cards({"{\"a\":1}", ""})});
        store.set("mixed", Value{mixed});
        store.set("empty", Value{Array{}});
        store.set("bytes", Value{Data{"\xc3\x28"}});
        store.set("text", Value{std::string("ü")});
        store.set("max", Value{std::numeric_limits<std::int64_t>::max()});
        store.set("nan", Value{std::nan("")});
        store.set("flag", Value{false});
        store.set("gone", Value{std::int64_t{1}});
        store.removeObject("gone");
    }
    FileKeyValueStore reread(file);
    EXPECT_EQ(reread.array("creditCards"), cards({"{\"a\":1}", ""}));
    EXPECT_EQ(reread.array("mixed"), mixed);
    EXPECT_EQ(reread.array("empty"), Array{});
    EXPECT_EQ(reread.object("bytes"), Value{Data{"\xc3\x28"}});
    EXPECT_EQ(reread.object("text"), Value{std::string("ü")});
    EXPECT_EQ(reread.object("max"), Value{std::numeric_limits<std::int64_t>::max()});
    EXPECT_TRUE(std::isnan(std::get<double>(*reread.object("nan"))));
    EXPECT_EQ(reread.object("flag"), Value{false});
    EXPECT_FALSE(reread.object("gone"));
    EXPECT_THAT(entries(), ElementsAre("store.cbor")); // no temporary file left behind
}

TEST_F(FileKeyValueStoreTest, InstancesOnOneFileKeepEachOthersKeysAndSynchronizeTakesThemIn) {
    FileKeyValueStore first(file);
    FileKeyValueStore second(file);
    first.set("a", Value{cards({"1"})});
    second.set("b", Value{cards({"2"})});
    EXPECT_EQ(second.array("a"), cards({"1"})); // a writer takes in what is on file
    EXPECT_FALSE(first.object("b"));
    EXPECT_TRUE(first.synchronize());
    EXPECT_EQ(first.array("b"), cards({"2"}));

    fs::remove(file); // the store behind it is gone: nothing stored any more
    EXPECT_TRUE(first.synchronize());
    EXPECT_FALSE(first.object("a"));
}

TEST_F(FileKeyValueStoreTest, ADamagedFileIsKeptAsideBeforeTheNextWriteReplacesIt) {
    const std::string whole = KeyValueFile::encode({{"a", Value{cards({"1", "2"})}}, {"b", Value{true}}});
    const std::string damaged = whole.substr(0, whole.size() - 3); // its values whole, its index cut
    write(file, damaged);
    LogCapture capture;
    FileKeyValueStore store(file);
    EXPECT_EQ(store.array("a"), cards({"1", "2"}));
    EXPECT_THAT(capture.messages("FileKeyValueStore"), Contains(HasSubstr("is damaged")));
    EXPECT_TRUE(store.synchronize());
    EXPECT_EQ(capture.messages("FileKeyValueStore").size(), 1u); // not again for the same damage
    EXPECT_THAT(entries(), ElementsAre("store.cbor"));           // reading keeps nothing aside

    store.set("c", Value{std::int64_t{3}});
    const std::string aside = "store.cbor.damaged-20250515T100000Z"; // the pinned time, in UTC
    EXPECT_THAT(entries(), ElementsAre("store.cbor", aside));
    EXPECT_EQ(read(directory / aside), damaged);
    EXPECT_THAT(capture.messages("FileKeyValueStore"),
                Contains(HasSubstr("kept as " + (directory / aside).string())));
    const auto written = KeyValueFile::decode(read(file));
    EXPECT_TRUE(written.complete);
    EXPECT_EQ(written.values.size(), 3u);

    store.set("d", Value{false}); // whole now: nothing more to keep
    EXPECT_EQ(entries().size(), 2u);
    write(file, damaged); // damaged again within the same second: a name of its own
    store.set("e", Value{false});
    EXPECT_THAT(entries(), ElementsAre("store.cbor", aside, aside + "-2"));
    EXPECT_EQ(read(directory / (aside + "-2")), damaged);
}

TEST_F(FileKeyValueStoreTest, AFailedWriteIsKeptAndAppliedLaterToWhatTheFileHoldsThen) {
    const auto blocked = directory / "sub";
    write(blocked, "a file where the store's directory should be");
    LogCapture capture;
    FileKeyValueStore store(blocked / "store.cbor");
    const auto appendZ = [](const std::optional<Value>& current) {
        auto list = current ? std::get<Array>(*current) : Array{};
        list.push_back(Data{"z"});
        return std::optional{Value{list}};
    };
    store.update("creditCards", appendZ);
    store.set("flag", Value{true});
    EXPECT_EQ(store.array("creditCards"), cards({"z"})); // the local copy shows the changes
    ASSERT_FALSE(capture.entries().empty());
    EXPECT_EQ(capture.entries().front().category, "FileKeyValueStore");
    EXPECT_EQ(capture.entries().front().level, LogLevel::error);
    EXPECT_FALSE(store.synchronize());
    EXPECT_EQ(store.object("flag"), Value{true}); // still there after a failed exchange

    // Meanwhile another writer stored a list: the change is applied to it, not written over it.
    fs::remove(blocked);
    FileKeyValueStore(blocked / "store.cbor").set("creditCards", Value{cards({"x", "y"})});
    EXPECT_TRUE(store.synchronize());
    EXPECT_EQ(store.array("creditCards"), cards({"x", "y", "z"}));
    const FileKeyValueStore reread(blocked / "store.cbor");
    EXPECT_EQ(reread.array("creditCards"), cards({"x", "y", "z"}));
    EXPECT_EQ(reread.object("flag"), Value{true});
    EXPECT_TRUE(store.synchronize()); // applied once, not again
    EXPECT_EQ(store.array("creditCards"), cards({"x", "y", "z"}));
}

// A writer that dies after writing its temporary file but before renaming it: the file keeps the
// old array, and the next writer removes the leftover.
TEST_F(FileKeyValueStoreTest, ACrashBeforeTheRenameLeavesTheOldArray) {
    FileKeyValueStore(file).set("creditCards", Value{cards({"old A", "old B"})});
    const std::string before = read(file);

    EXPECT_EXIT(
        {
            AtomicFile::setBeforeReplaceHookForTesting([](const fs::path&) { std::_Exit(3); });
            FileKeyValueStore(file).set("creditCards", Value{cards({"new A", "new B", "new C"})});
        },
        ::testing::ExitedWithCode(3), "");

    EXPECT_EQ(read(file), before);
    const auto names = entries();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(names[0].starts_with(".store.cbor.tmp-")); // the dead writer's complete new file
    EXPECT_EQ(KeyValueFile::decode(read(directory / names[0])).values.at("creditCards"),
              Value{cards({"new A", "new B", "new C"})});

    FileKeyValueStore after(file);
    EXPECT_EQ(after.array("creditCards"), cards({"old A", "old B"}));
    after.set("other", Value{true});
    EXPECT_THAT(entries(), ElementsAre("store.cbor"));
    EXPECT_EQ(FileKeyValueStore(file).array("creditCards"), cards({"old A", "old B"}));
}
