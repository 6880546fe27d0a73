#include "ZTSwiftUIComponents/creditcards/CCTransaction.h"
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

using namespace zt;
using Card = CreditCard<CCTransaction>;
using Kind = CreditCardDecodingError::Kind;

namespace {

using Json = nlohmann::json;

Card sampleCard() {
    // 15 Mar 2025 00:00 CET to 14 Apr 2025 23:59:59 CEST, as seconds since 2001.
    const DateInterval cycle{Date(763686000), Date(766360799)};
    return Card("card-1", "Visa Gold ✨", 1000, 250.75, "EUR", cycle, 9, "creditcard.fill",
                {CCTransaction(Date(763772400.25), 19.99), CCTransaction(Date(-86400), -5)});
}

/// Bytes written by hand, as another platform's encoder may write them.
const char* const handWritten = R"({
    "transactions": [{"amount": 12, "date": 763772400}, {"date": 763858800.5, "amount": 7.25}],
    "apr": 0.25, "iconName": "creditcard", "paymentDueDay": 9, "currencyCode": "USD",
    "billingCycle": {"duration": 2674799, "start": 763686000},
    "balance": 300, "limit": 1500, "name": "Travel", "identifier": "T-1",
    "unknownKey": {"ignored": true}
})";

CreditCardDecodingError decodingError(const std::string& bytes) {
    try {
        Card::decode(bytes);
    } catch (const CreditCardDecodingError& error) {
        return error;
    }
    ADD_FAILURE() << "decoded: " << bytes;
    return CreditCardDecodingError(Kind::dataCorrupted, "", "none");
}

std::string withChange(const std::string& bytes, const std::function<void(Json&)>& change) {
    Json json = Json::parse(bytes);
    change(json);
    return json.dump();
}

/// A host's own transaction type, with a key of its own.
class HostTransaction final : public CreditCardTransactionConforming {
public:
    HostTransaction(Date date, double amount, std::string note)
        : date_(date), amount_(amount), note_(std::move(note)) {}
    Date date() const override { return date_; }
    void setDate(Date date) override { date_ = date; }
    double amount() const override { return amount_; }
    void setAmount(double amount) override { amount_ = amount; }
    void encode(CreditCardJSONWriter& writer) const override {
        writer.setDate("date", date_);
        writer.setNumber("amount", amount_);
        writer.setString("note", note_);
    }
    static HostTransaction decode(const CreditCardJSONReader& reader) {
        return HostTransaction(reader.date("date"), reader.number("amount"), reader.string("note"));
    }
    bool operator==(const HostTransaction& other) const {
        return date_ == other.date_ && amount_ == other.amount_ && note_ == other.note_;
    }

private:
    Date date_;
    double amount_;
    std::string note_;
};

} // namespace

TEST(CreditCardJSON, EncodingThenDecodingGivesAnEqualCard) {
    Card card = sampleCard();
    EXPECT_EQ(card.apr(), 0.2); // every new card starts at 20 %
    EXPECT_EQ(Card::decode(card.dataRepresentation()), card);

    card.setApr(0.1899);
    card.setTransactions({});
    card.setName("");
    card.setBalance(-12.5); // a credit on the card
    EXPECT_EQ(Card::decode(card.dataRepresentation()), card);

    // Through the type-erased interface the store uses.
    const AnyCreditCardConformable& any = card;
    EXPECT_EQ(Card::decode(any.dataRepresentation()), card);
}

TEST(CreditCardJSON, TheEncodingIsCompactWithExactlyTheTenKeys) {
    const std::string bytes = sampleCard().dataRepresentation();
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
    EXPECT_EQ(bytes.find(": "), std::string::npos);
    EXPECT_EQ(bytes.find(", "), std::string::npos);
    const Json json = Json::parse(bytes);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items())
        keys.push_back(key);
    EXPECT_THAT(keys, ::testing::UnorderedElementsAre("identifier", "name", "limit", "balance",
                                                      "currencyCode", "billingCycle", "paymentDueDay", "apr",
                                                      "iconName", "transactions"));
    EXPECT_EQ(json["billingCycle"], (Json{{"start", 763686000.0}, {"duration", 2674799.0}}));
    EXPECT_EQ(json["paymentDueDay"], 9);
    EXPECT_EQ(json["transactions"][0], (Json{{"date", 763772400.25}, {"amount", 19.99}}));
}

TEST(CreditCardJSON, HandWrittenJSONWithIntegerDatesInAnyKeyOrderDecodes) {
    const Card card = Card::decode(std::string(handWritten));
    EXPECT_EQ(card.identifier(), "T-1");
    EXPECT_EQ(card.name(), "Travel");
    EXPECT_EQ(card.limit(), 1500);
    EXPECT_EQ(card.balance(), 300);
    EXPECT_EQ(card.currencyCode(), "USD");
    EXPECT_EQ(card.billingCycle(), (DateInterval{Date(763686000), Date(766360799)}));
    EXPECT_EQ(card.paymentDueDay(), 9);
    EXPECT_EQ(card.apr(), 0.25);
    EXPECT_EQ(card.iconName(), "creditcard");
    EXPECT_THAT(card.transactions(), ::testing::ElementsAre(CCTransaction(Date(763772400), 12),
                                                            CCTransaction(Date(763858800.5), 7.25)));

    // Integers written as reals are integers all the same.
    const auto real = withChange(handWritten, [](Json& j) { j["paymentDueDay"] = 9.0; });
    EXPECT_EQ(Card::decode(real).paymentDueDay(), 9);
}

TEST(CreditCardJSON, EachMissingKeyIsRejectedByName) {
    for (const char* key : {"identifier", "name", "limit", "balance", "currencyCode", "billingCycle",
                            "paymentDueDay", "apr", "iconName", "transactions"}) {
        SCOPED_TRACE(key);
        const auto error = decodingError(withChange(handWritten, [&](Json& j) { j.erase(key); }));
        EXPECT_EQ(error.kind(), Kind::keyNotFound);
        EXPECT_EQ(error.codingPath(), key);
        EXPECT_EQ(error.key(), key);
        EXPECT_THAT(error.what(), ::testing::HasSubstr(std::string("\"") + key + "\""));
    }
    const auto noStart =
        decodingError(withChange(handWritten, [](Json& j) { j["billingCycle"].erase("start"); }));
    EXPECT_EQ(noStart.codingPath(), "billingCycle.start");
    const auto noDuration =
        decodingError(withChange(handWritten, [](Json& j) { j["billingCycle"].erase("duration"); }));
    EXPECT_EQ(noDuration.codingPath(), "billingCycle.duration");
    const auto noAmount =
        decodingError(withChange(handWritten, [](Json& j) { j["transactions"][1].erase("amount"); }));
    EXPECT_EQ(noAmount.kind(), Kind::keyNotFound);
    EXPECT_EQ(noAmount.codingPath(), "transactions[1].amount");
    EXPECT_EQ(noAmount.key(), "amount");
}

TEST(CreditCardJSON, WrongTypesAndNullsAreRejected) {
    const auto check = [](const std::function<void(Json&)>& change, Kind kind, const std::string& path) {
        const auto error = decodingError(withChange(handWritten, change));
        EXPECT_EQ(error.kind(), kind) << error.what();
        EXPECT_EQ(error.codingPath(), path) << error.what();
    };
    check([](Json& j) { j["limit"] = "1500"; }, Kind::typeMismatch, "limit");
    check([](Json& j) { j["apr"] = true; }, Kind::typeMismatch, "apr");
    check([](Json& j) { j["transactions"] = Json::object(); }, Kind::typeMismatch, "transactions");
    check([](Json& j) { j["transactions"][0] = 12; }, Kind::typeMismatch, "transactions[0]");
    check([](Json& j) { j["transactions"][1]["date"] = "2025-03-16"; }, Kind::typeMismatch,
          "transactions[1].date");
    check([](Json& j) { j["name"] = nullptr; }, Kind::valueNotFound, "name");
    check([](Json& j) { j["billingCycle"]["start"] = nullptr; }, Kind::valueNotFound, "billingCycle.start");

    const auto array = decodingError("[1, 2]");
    EXPECT_EQ(array.kind(), Kind::typeMismatch);
    EXPECT_EQ(array.codingPath(), "");
}

TEST(CreditCardJSON, OutOfRangeValuesAreRejected) {
    const auto check = [](const std::function<void(Json&)>& change, const std::string& path) {
        const auto error = decodingError(withChange(handWritten, change));
        EXPECT_EQ(error.kind(), Kind::dataCorrupted) << error.what();
        EXPECT_EQ(error.codingPath(), path) << error.what();
    };
    check([](Json& j) { j["paymentDueDay"] = 9.5; }, "paymentDueDay");
    check([](Json& j) { j["paymentDueDay"] = 3e9; }, "paymentDueDay");
    check([](Json& j) { j["paymentDueDay"] = std::numeric_limits<std::uint64_t>::max(); }, "paymentDueDay");
    check([](Json& j) { j["billingCycle"]["duration"] = -1; }, "billingCycle.duration");
    check(
        [](Json& j) {
            j["billingCycle"]["start"] = 1.5e308;
            j["billingCycle"]["duration"] = 1.5e308;
        },
        "billingCycle.duration");

    // JSON has no infinity or NaN; a number too large for a double is no number at all.
    const auto overflow = decodingError(R"({"limit": 1e999})");
    EXPECT_EQ(overflow.kind(), Kind::dataCorrupted);
    EXPECT_EQ(decodingError(R"({"limit": NaN})").kind(), Kind::dataCorrupted);
}

TEST(CreditCardJSON, BytesThatAreNotJSONAreRejected) {
    for (const std::string& bytes : {std::string(), std::string("{"), std::string("nothing"),
                                     std::string("{\"a\":1}{"), std::string("{\"name\":\"\xff\"}")}) {
        SCOPED_TRACE(bytes);
        const auto error = decodingError(bytes);
        EXPECT_EQ(error.kind(), Kind::dataCorrupted);
        EXPECT_THAT(error.what(), ::testing::HasSubstr("not valid JSON"));
    }
}

TEST(CreditCardJSON, ValuesWithoutAJSONFormDoNotBreakEncoding) {
    Card card = sampleCard();
    card.setName("bad \xff byte");
    const Card back = Card::decode(card.dataRepresentation());
    EXPECT_EQ(back.name(), "bad \xef\xbf\xbd byte"); // U+FFFD in place of the stray byte

    card.setLimit(std::numeric_limits<double>::infinity());
    const auto error = decodingError(card.dataRepresentation()); // written as null
    EXPECT_EQ(error.kind(), Kind::valueNotFound);
    EXPECT_EQ(error.codingPath(), "limit");
}

TEST(CreditCardJSON, ACardIsGenericOverTheHostsTransactionType) {
    using HostCard = CreditCard<HostTransaction>;
    HostCard card("h", "Host", 500, 0, "GBP", DateInterval{Date(0), Date(86399)}, 1, "",
                  {HostTransaction(Date(10), 1.5, "coffee")});
    EXPECT_EQ(HostCard::decode(card.dataRepresentation()), card);

    // The host's own required key is checked with its coding path.
    const auto bytes =
        withChange(card.dataRepresentation(), [](Json& j) { j["transactions"][0].erase("note"); });
    try {
        HostCard::decode(bytes);
        ADD_FAILURE();
    } catch (const CreditCardDecodingError& error) {
        EXPECT_EQ(error.codingPath(), "transactions[0].note");
    }
    // A card of host transactions is no card of CCTransactions, and the other way round.
    EXPECT_NO_THROW(Card::decode(card.dataRepresentation())); // extra keys are ignored
    EXPECT_THROW(HostCard::decode(sampleCard().dataRepresentation()), CreditCardDecodingError);
}

TEST(CreditCardJSON, AvailableFundsNeverGoBelowZero) {
    Card card = sampleCard();
    card.setLimit(1000);
    card.setBalance(250);
    EXPECT_EQ(card.availableFunds(), 750);
    card.setBalance(1000);
    EXPECT_EQ(card.availableFunds(), 0);
    card.setBalance(1200);
    EXPECT_EQ(card.availableFunds(), 0);
    card.setBalance(-50); // a credit adds to what can be spent
    EXPECT_EQ(card.availableFunds(), 1050);
}
