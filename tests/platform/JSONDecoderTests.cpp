#include "platform/JSONDecoder.h"
#include "platform/JSONWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace zt;
using Kind = JSONDecodingError::Kind;

namespace {

enum class Mood { happy, sad };

std::optional<Mood> moodFromRaw(std::string_view raw) {
    if (raw == "happy")
        return Mood::happy;
    if (raw == "sad")
        return Mood::sad;
    return std::nullopt;
}

/// A record shaped like a bundled catalogue entry.
struct Entry {
    std::string name;
    Mood mood;
    std::vector<std::string> tags;
    std::optional<std::string> note;

    static Entry decode(const JSONReader& reader) {
        Entry entry{reader.string("name"), reader.rawValue("mood", moodFromRaw), reader.strings("tags"),
                    std::nullopt};
        if (const auto note = reader.optionalValue("note"))
            entry.note = note->string();
        return entry;
    }
};

std::vector<Entry> decodeEntries(std::string_view bytes) {
    return decodeJSON(bytes, [](const JSONReader& root) { return root.array(&Entry::decode); });
}

JSONDecodingError failure(const std::function<void()>& decode) {
    try {
        decode();
    } catch (const JSONDecodingError& error) {
        return error;
    }
    ADD_FAILURE() << "decoded";
    return JSONDecodingError(Kind::dataCorrupted, "", "none");
}

JSONDecodingError entriesFailure(const std::string& bytes) {
    return failure([&] { decodeEntries(bytes); });
}

template <class T> T readValue(const std::string& json, T (JSONReader::*read)() const) {
    return decodeJSON(json, [read](const JSONReader& root) { return (root.*read)(); });
}

} // namespace

TEST(JSONDecoder, DecodesATopLevelArrayOfRecords) {
    const auto entries = decodeEntries(R"([
        {"name": "grin", "mood": "happy", "tags": ["smile", "joy"], "extra": 1},
        {"tags": [], "mood": "sad", "name": "tear", "note": "rain"},
        {"name": "plain", "mood": "happy", "tags": [], "note": null}])");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "grin");
    EXPECT_EQ(entries[0].mood, Mood::happy);
    EXPECT_THAT(entries[0].tags, ::testing::ElementsAre("smile", "joy"));
    EXPECT_FALSE(entries[0].note);
    EXPECT_EQ(entries[1].mood, Mood::sad);
    EXPECT_EQ(entries[1].note, "rain");
    EXPECT_FALSE(entries[2].note); // null is as good as absent for an optional key
    EXPECT_TRUE(decodeEntries("[]").empty());
}

TEST(JSONDecoder, EachFailureNamesItsKindPathKeyAndExpectedType) {
    const auto missing =
        entriesFailure(R"([{"name": "a", "mood": "sad", "tags": []}, {"name": "b", "tags": []}])");
    EXPECT_EQ(missing.kind(), Kind::keyNotFound);
    EXPECT_EQ(missing.codingPath(), "[1].mood");
    EXPECT_EQ(missing.key(), "mood");
    EXPECT_EQ(missing.debugDescription(), "no value for the key \"mood\"");
    EXPECT_EQ(missing.contextDescription(), "no value for the key \"mood\" (at \"[1].mood\")");
    EXPECT_STREQ(missing.what(), "keyNotFound: no value for the key \"mood\" (at \"[1].mood\")");

    const auto mismatch = entriesFailure(R"([{"name": "a", "mood": "sad", "tags": ["x", 7]}])");
    EXPECT_EQ(mismatch.kind(), Kind::typeMismatch);
    EXPECT_EQ(mismatch.codingPath(), "[0].tags[1]");
    EXPECT_EQ(mismatch.key(), "tags");
    EXPECT_EQ(mismatch.expectedType(), "string");
    EXPECT_EQ(mismatch.debugDescription(), "expected a string but found a number");

    const auto null = entriesFailure(R"([{"name": null, "mood": "sad", "tags": []}])");
    EXPECT_EQ(null.kind(), Kind::valueNotFound);
    EXPECT_EQ(null.codingPath(), "[0].name");
    EXPECT_EQ(null.expectedType(), "string");

    const auto unknownCase = entriesFailure(R"([{"name": "a", "mood": "angry", "tags": []}])");
    EXPECT_EQ(unknownCase.kind(), Kind::dataCorrupted);
    EXPECT_EQ(unknownCase.codingPath(), "[0].mood");
    EXPECT_THAT(unknownCase.debugDescription(), ::testing::HasSubstr("\"angry\""));
    EXPECT_TRUE(unknownCase.expectedType().empty());

    const auto notAnArray = entriesFailure(R"({"name": "a"})");
    EXPECT_EQ(notAnArray.kind(), Kind::typeMismatch);
    EXPECT_EQ(notAnArray.codingPath(), "");
    EXPECT_EQ(notAnArray.key(), "");
    EXPECT_EQ(notAnArray.expectedType(), "array");
    EXPECT_EQ(notAnArray.debugDescription(), "expected an array but found an object");
    EXPECT_EQ(notAnArray.contextDescription(), notAnArray.debugDescription());

    const auto elementNotAnObject = entriesFailure("[[1]]");
    EXPECT_EQ(elementNotAnObject.codingPath(), "[0]");
    EXPECT_EQ(elementNotAnObject.expectedType(), "object");
}

TEST(JSONDecoder, TextThatIsNotJSONIsCorruptedData) {
    for (const std::string& bytes :
         {std::string(), std::string("["), std::string("[1] [2]"), std::string("[\"\xff\"]"),
          std::string("{\"a\": NaN}"), std::string("[1e999]")}) {
        SCOPED_TRACE(bytes);
        const auto error = entriesFailure(bytes);
        EXPECT_EQ(error.kind(), Kind::dataCorrupted);
        EXPECT_EQ(error.codingPath(), "");
        EXPECT_THAT(error.what(), ::testing::HasSubstr("not valid JSON"));
    }
}

TEST(JSONDecoder, IntegersMustBeWholeAndFitAnInt) {
    EXPECT_EQ(readValue<int>("2147483647", &JSONReader::integer), std::numeric_limits<int>::max());
    EXPECT_EQ(readValue<int>("-2147483648", &JSONReader::integer), std::numeric_limits<int>::min());
    EXPECT_EQ(readValue<int>("9.0", &JSONReader::integer), 9);
    EXPECT_EQ(readValue<int>("-0.0", &JSONReader::integer), 0);
    for (const char* bad : {"2147483648", "-2147483649", "9.5", "1e10", "18446744073709551615"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(failure([&] { readValue<int>(bad, &JSONReader::integer); }).kind(), Kind::dataCorrupted);
    }
    const auto text = failure([] { readValue<int>("\"9\"", &JSONReader::integer); });
    EXPECT_EQ(text.kind(), Kind::typeMismatch);
    EXPECT_EQ(text.expectedType(), "integer");
}

TEST(JSONDecoder, BooleansNumbersAndIntervalsAreStrict) {
    EXPECT_TRUE(readValue<bool>("true", &JSONReader::boolean));
    EXPECT_EQ(failure([] { readValue<bool>("1", &JSONReader::boolean); }).expectedType(), "boolean");
    EXPECT_EQ(readValue<double>("-0.5", &JSONReader::number), -0.5);
    EXPECT_EQ(failure([] { readValue<double>("\"1\"", &JSONReader::number); }).kind(), Kind::typeMismatch);
    EXPECT_EQ(failure([] { readValue<double>("null", &JSONReader::number); }).kind(), Kind::valueNotFound);

    EXPECT_EQ(readValue<DateInterval>(R"({"start": 10, "duration": 0})", &JSONReader::dateInterval),
              (DateInterval{Date(10), Date(10)}));
    const auto negative = failure(
        [] { readValue<DateInterval>(R"({"start": 10, "duration": -1})", &JSONReader::dateInterval); });
    EXPECT_EQ(negative.kind(), Kind::dataCorrupted);
    EXPECT_EQ(negative.codingPath(), "duration");
    EXPECT_EQ(failure([] {
                  readValue<DateInterval>(R"({"duration": 1})", &JSONReader::dateInterval);
              }).codingPath(),
              "start");
}

TEST(JSONDecoder, ARecordMayReportItsOwnRuleAtTheValuesPath) {
    const auto error = failure([] {
        decodeJSON(R"({"items": [{"day": 3}, {"day": 40}]})", [](const JSONReader& root) {
            for (const auto& item : root.objects("items"))
                if (const auto day = item.value("day"); day.integer() > 31)
                    day.corrupted("a day of the month is at most 31");
            return 0;
        });
    });
    EXPECT_EQ(error.kind(), Kind::dataCorrupted);
    EXPECT_EQ(error.codingPath(), "items[1].day");
    EXPECT_EQ(error.debugDescription(), "a day of the month is at most 31");
}

TEST(JSONWriter, WritesWhatTheReaderReadsBack) {
    JSONWriter inner;
    inner.setBoolean("on", false);
    JSONWriter writer;
    writer.setString("name", "Café");
    writer.setInteger("count", -3);
    writer.setBoolean("enabled", true);
    writer.setStrings("tags", {"a", "b"});
    writer.setDateInterval("cycle", DateInterval{Date(100), Date(160.5)});
    std::vector<JSONWriter> objects;
    objects.push_back(std::move(inner));
    writer.setObjects("objects", std::move(objects));
    const std::string bytes = writer.compactString();
    EXPECT_EQ(bytes.find(' '), std::string::npos);

    const auto document = JSONDocument::parse(bytes);
    const auto root = document.root();
    EXPECT_EQ(root.string("name"), "Café");
    EXPECT_EQ(root.integer("count"), -3);
    EXPECT_TRUE(root.boolean("enabled"));
    EXPECT_THAT(root.strings("tags"), ::testing::ElementsAre("a", "b"));
    EXPECT_EQ(root.dateInterval("cycle"), (DateInterval{Date(100), Date(160.5)}));
    EXPECT_FALSE(root.objects("objects").at(0).boolean("on"));
}
