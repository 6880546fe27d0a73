#include "platform/KeyValueFile.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

using namespace zt;
using ::testing::IsEmpty;
using Data = KeyValueStore::Data;
using Array = KeyValueStore::Array;
using Value = KeyValueStore::Value;
using Values = KeyValueFile::Values;
using Json = nlohmann::json;

namespace {

std::string cbor(const Json& value) {
    std::string out;
    Json::to_cbor(value, out);
    return out;
}

std::string cardLike(char id) {
    return R"({"identifier":")" + std::string(1, id) + R"(","name":"A card","limit":2500,"balance":250})";
}

/// Values whose every element can be found in the file by its bytes.
Values sample() {
    return {
        {"creditCards", Value{Array{Data{cardLike('A')}, Data{cardLike('B')}, Data{cardLike('C')}}}},
        {"count", Value{std::int64_t{70000}}},
        {"title", Value{std::string("Überblick")}},
    };
}

/// Where each element's own bytes lie: a flip there may take it away, and nothing else may.
struct Piece {
    std::string key;
    std::size_t element; // within an array; 0 for a single value
    std::size_t begin;
    std::size_t end;
};

std::vector<Piece> piecesOf(const std::string& file) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto bytes = cardLike(static_cast<char>('A' + i));
        const auto at = file.find(bytes);
        pieces.push_back({"creditCards", i, at, at + bytes.size()});
    }
    const std::string count("\x1a\x00\x01\x11\x70", 5); // 70000, head included: it is all value
    pieces.push_back({"count", 0, file.find(count), file.find(count) + count.size()});
    const std::string title = "Überblick";
    pieces.push_back({"title", 0, file.find(title), file.find(title) + title.size()});
    return pieces;
}

/// The sample without the piece that holds byte at, if any.
Values withoutPieceAt(const std::vector<Piece>& pieces, std::size_t at) {
    Values values = sample();
    for (const auto& piece : pieces) {
        if (at < piece.begin || at >= piece.end)
            continue;
        if (auto* array = std::get_if<Array>(&values.at(piece.key)))
            array->erase(array->begin() + static_cast<std::ptrdiff_t>(piece.element));
        else
            values.erase(piece.key);
    }
    return values;
}

} // namespace

TEST(KeyValueFile, EveryKindOfValueReadsBackWhole) {
    const Values values{
        {"bytes", Value{Data{std::string("\x00\xff\x9f", 3)}}},
        {"mixed", Value{Array{Data{""}, std::string("ü"), std::int64_t{-7}, 2.5, true}}},
        {"empty", Value{Array{}}},
        {"max", Value{std::numeric_limits<std::int64_t>::max()}},
        {"min", Value{std::numeric_limits<std::int64_t>::min()}},
        {"flag", Value{false}},
        {"", Value{std::string("")}},
    };
    const auto decoded = KeyValueFile::decode(KeyValueFile::encode(values));
    EXPECT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.values, values);

    const auto nan = KeyValueFile::decode(KeyValueFile::encode({{"nan", Value{std::nan("")}}}));
    EXPECT_TRUE(nan.complete);
    EXPECT_TRUE(std::isnan(std::get<double>(nan.values.at("nan"))));

    const auto none = KeyValueFile::decode(KeyValueFile::encode({}));
    EXPECT_TRUE(none.complete);
    EXPECT_THAT(none.values, IsEmpty());
    EXPECT_TRUE(KeyValueFile::decode("").complete); // an empty file has nothing to lose
}

TEST(KeyValueFile, FilesOfTheMapAloneStillReadWhole) {
    const std::string older = cbor({{"creditCards", Json::array({Json::binary({1, 2}), Json::binary({})})},
                                    {"count", 3},
                                    {"rate", 0.5}});
    const auto decoded = KeyValueFile::decode(older);
    EXPECT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.values, (Values{{"creditCards", Value{Array{Data{"\x01\x02"}, Data{""}}}},
                                      {"count", Value{std::int64_t{3}}},
                                      {"rate", Value{0.5}}}));
    // The map of a new file is what the older versions wrote.
    const std::string current = KeyValueFile::encode(decoded.values);
    EXPECT_EQ(current.substr(0, older.size()), older);
    EXPECT_GT(current.size(), older.size());

    const auto trailing = KeyValueFile::decode(older + "\x01");
    EXPECT_FALSE(trailing.complete);
    EXPECT_EQ(trailing.values, decoded.values);
}

TEST(KeyValueFile, KindsTheStoreDoesNotHoldAreSkippedButMarkTheFileIncomplete) {
    EXPECT_FALSE(KeyValueFile::decode("not CBOR at all").complete);
    EXPECT_THAT(KeyValueFile::decode(cbor(Json::array({1, 2}))).values, IsEmpty()); // not a map

    const Json stored = {
        {"a", Json::array({Json::binary({1, 2}), Json::binary({})})},
        {"b", nullptr},                                   // no value of ours
        {"c", {{"nested", 1}}},                           // maps are not held
        {"d", Json::array({Json::array({1})})},           // nor arrays in arrays
        {"e", Json::array({Json::binary({3}), nullptr})}, // an array with one foreign element
        {"f", 18446744073709551615u},                     // beyond 64-bit signed
        {"g", "kept"},
    };
    const auto decoded = KeyValueFile::decode(cbor(stored));
    EXPECT_FALSE(decoded.complete);
    EXPECT_EQ(decoded.values,
              (Values{{"a", Value{Array{Data{"\x01\x02"}, Data{""}}}}, {"g", Value{std::string("kept")}}}));
}

TEST(KeyValueFile, ACutKeepsTheWholeElementsBeforeIt) {
    const auto values = sample();
    const std::string file = KeyValueFile::encode(values);
    const auto pieces = piecesOf(file);
    const auto mapEnd = pieces[4].end; // "title" is the last value of the map
    for (std::size_t cut = 1; cut < file.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const auto decoded = KeyValueFile::decode(file.substr(0, cut));
        EXPECT_EQ(decoded.complete, cut == mapEnd);
        Values expected;
        for (const auto& piece : pieces) {
            if (piece.end > cut)
                continue;
            if (const auto* array = std::get_if<Array>(&values.at(piece.key))) {
                auto [entry, added] = expected.try_emplace(piece.key, Value{Array{}});
                std::get<Array>(entry->second).push_back(array->at(piece.element));
            } else {
                expected[piece.key] = values.at(piece.key);
            }
        }
        // An array cut before its first element may read as empty: it held nothing whole.
        if (!expected.contains("creditCards") && decoded.values.contains("creditCards"))
            expected["creditCards"] = Value{Array{}};
        ASSERT_EQ(decoded.values, expected);
    }
}

TEST(KeyValueFile, AnyFlippedBitLosesOnlyTheElementItLiesIn) {
    const std::string file = KeyValueFile::encode(sample());
    const auto pieces = piecesOf(file);
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            SCOPED_TRACE("bit " + std::to_string(bit) + " of byte " + std::to_string(at));
            std::string damaged = file;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
            const auto decoded = KeyValueFile::decode(damaged);
            ASSERT_FALSE(decoded.complete);
            ASSERT_EQ(decoded.values, withoutPieceAt(pieces, at)); // never a changed value
        }
    }
}

TEST(KeyValueFile, TheIndexIsFoundWhenAValueOrAKeyHoldsItsOpeningBytes) {
    const std::string opening("\x9f\x6c"
                              "zt-kvs-index\x01\x1a",
                              16);
    const Values values{
        {opening, Value{Array{Data{opening}, Data{opening + opening}}}},
        {"z", Value{std::string(opening)}},
    };
    const std::string file = KeyValueFile::encode(values);
    EXPECT_TRUE(KeyValueFile::decode(file).complete);
    EXPECT_EQ(KeyValueFile::decode(file).values, values);

    std::string damaged = file;
    damaged[file.find("\x70" + opening + "\x82")] ^= 0x01; // the head of the key, outside every value
    const auto decoded = KeyValueFile::decode(damaged);
    EXPECT_FALSE(decoded.complete);
    EXPECT_EQ(decoded.values, values);
}

TEST(KeyValueFile, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    // A map holding one key whose value is a million nested arrays (0x81: an array of one).
    std::string hostile = "\xa1\x61"
                          "a";
    hostile += std::string(1'000'000, '\x81');
    hostile += '\x01';
    const auto decoded = KeyValueFile::decode(hostile);
    EXPECT_THAT(decoded.values, IsEmpty());
    EXPECT_FALSE(decoded.complete);

    const auto after = KeyValueFile::decode(KeyValueFile::encode({{"ok", Value{true}}}) + hostile);
    EXPECT_FALSE(after.complete);
    EXPECT_EQ(after.values, (Values{{"ok", Value{true}}}));
}
