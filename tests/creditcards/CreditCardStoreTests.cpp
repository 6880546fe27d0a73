#include "ZTSwiftUIComponents/creditcards/CreditCardDatabaseUbiquitousStore.h"
#include "platform/InMemoryKeyValueStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Card = CreditCard<CCTransaction>;

namespace {

/// An in-memory store that records the calls that change it, in order.
class RecordingStore : public InMemoryKeyValueStore {
public:
    void set(const std::string& key, Value value) override {
        calls.push_back("set " + key);
        InMemoryKeyValueStore::set(key, std::move(value));
    }
    bool synchronize() override {
        calls.push_back("synchronize");
        return true;
    }
    std::vector<std::string> calls;
};

Card card(const std::string& id, double balance = 0) {
    return Card(id, "Card " + id, 1000, balance, "EUR", DateInterval{Date(763686000), Date(766360799)}, 9,
                "creditcard", {CCTransaction(Date(763772400), 12.5)});
}

class CreditCardStore : public ::testing::Test {
protected:
    std::shared_ptr<RecordingStore> kvs = std::make_shared<RecordingStore>();
    CreditCardDatabaseUbiquitousStore store{kvs};

    /// The identifiers stored under "creditCards", in stored order; "?" for undecodable ones.
    std::vector<std::string> storedIdentifiers() const {
        std::vector<std::string> ids;
        const auto array = kvs->array("creditCards");
        const auto elements = array ? KeyValueStore::dataElements(*array) : std::nullopt;
        if (!elements) {
            ADD_FAILURE() << "no array of byte strings under creditCards";
            return ids;
        }
        for (const auto& bytes : *elements) {
            try {
                ids.push_back(Card::decode(bytes).identifier());
            } catch (const CreditCardDecodingError&) {
                ids.push_back("?");
            }
        }
        return ids;
    }
    std::vector<std::string> retrievedIdentifiers() {
        std::vector<std::string> ids;
        int calls = 0;
        store.retrieveCards([&](std::optional<std::vector<CreditCardDatabase::Card>> cards) {
            ++calls;
            ASSERT_TRUE(cards);
            for (const auto& c : *cards)
                ids.push_back(c->identifier());
        });
        EXPECT_EQ(calls, 1);
        return ids;
    }
};

} // namespace

TEST_F(CreditCardStore, CreateAppendsAndUpdateMovesTheCardToTheEnd) {
    store.create(card("A"));
    store.create(card("B"));
    EXPECT_THAT(storedIdentifiers(), ElementsAre("A", "B"));
    store.update(card("A", 99));
    EXPECT_THAT(storedIdentifiers(), ElementsAre("B", "A"));
    EXPECT_THAT(retrievedIdentifiers(), ElementsAre("B", "A"));

    // Creating an identifier that exists replaces it, at the end, with the new values.
    store.create(card("B", 42));
    EXPECT_THAT(storedIdentifiers(), ElementsAre("A", "B"));
    CreditCardDatabase::Card found;
    store.retrieveCard("B", [&](CreditCardDatabase::Card c) { found = std::move(c); });
    ASSERT_TRUE(found);
    EXPECT_EQ(found->balance(), 42);
    auto* typed = dynamic_cast<Card*>(found.get());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(*typed, card("B", 42)); // transactions and all
}

TEST_F(CreditCardStore, EveryWriteIsFollowedBySynchronize) {
    store.create(card("A"));
    store.update(card("A"));
    store.deleteCard("A");
    store.retrieveCards([](auto) {});
    store.retrieveCard("A", [](auto) {});
    // An update is one write, so a crash cannot fall between its deletion and its creation.
    EXPECT_THAT(kvs->calls, ElementsAre("set creditCards", "synchronize",   // create
                                        "set creditCards", "synchronize",   // update
                                        "set creditCards", "synchronize")); // delete; reads write nothing
}

TEST_F(CreditCardStore, RetrievingAMissingCardAnswersOnceWithNothing) {
    int calls = 0;
    store.retrieveCard("nope", [&](CreditCardDatabase::Card c) {
        ++calls;
        EXPECT_EQ(c, nullptr);
    });
    EXPECT_EQ(calls, 1);
    store.create(card("A"));
    store.retrieveCard("a", [&](CreditCardDatabase::Card c) { // identifiers compare exactly
        ++calls;
        EXPECT_EQ(c, nullptr);
    });
    EXPECT_EQ(calls, 2);
    EXPECT_THAT(retrievedIdentifiers(), ElementsAre("A"));
}

// Another device may hold a newer version that writes records this one cannot read: they are
// skipped, but kept, unless they name the card being replaced or deleted.
TEST_F(CreditCardStore, UndecodableElementsAreSkippedButKeptByWrites) {
    store.create(card("A"));
    auto elements = KeyValueStore::dataElements(*kvs->array("creditCards")).value();
    elements.insert(elements.begin(), "not a card");
    elements.push_back(R"({"identifier": "N", "newerField": true})");
    elements.push_back(card("B").dataRepresentation());
    kvs->InMemoryKeyValueStore::set("creditCards", KeyValueStore::arrayOfData(elements));

    EXPECT_THAT(retrievedIdentifiers(), ElementsAre("A", "B"));
    store.create(card("C"));
    store.deleteCard("zzz");
    EXPECT_THAT(storedIdentifiers(), ElementsAre("?", "A", "?", "B", "C"));

    store.update(card("N")); // replaces the record it cannot read
    EXPECT_THAT(storedIdentifiers(), ElementsAre("?", "A", "B", "C", "N"));
    elements = KeyValueStore::dataElements(*kvs->array("creditCards")).value();
    EXPECT_EQ(elements.front(), "not a card");
    kvs->InMemoryKeyValueStore::set("creditCards",
                                    KeyValueStore::arrayOfData({R"({"identifier": "D"})", "x"}));
    store.deleteCard("D");
    EXPECT_THAT(storedIdentifiers(), ElementsAre("?"));
}

TEST_F(CreditCardStore, AValueThatIsNotAnArrayOfByteStringsReadsAsNoCards) {
    kvs->InMemoryKeyValueStore::set("creditCards",
                                    KeyValueStore::Value{KeyValueStore::Array{
                                        KeyValueStore::Data{card("A").dataRepresentation()},
                                        std::string(card("B").dataRepresentation())}}); // text, not bytes
    EXPECT_THAT(retrievedIdentifiers(), IsEmpty());
    kvs->InMemoryKeyValueStore::set(
        "creditCards", KeyValueStore::Value{KeyValueStore::Data{card("A").dataRepresentation()}});
    EXPECT_THAT(retrievedIdentifiers(), IsEmpty());
    kvs->removeObject("creditCards");
    EXPECT_THAT(retrievedIdentifiers(), IsEmpty());

    store.create(card("E")); // and the next write starts afresh
    EXPECT_THAT(storedIdentifiers(), ElementsAre("E"));
}

TEST_F(CreditCardStore, DeletingTheLastCardWritesAnEmptyArray) {
    store.create(card("A"));
    store.create(card("A"));
    EXPECT_THAT(storedIdentifiers(), ElementsAre("A"));
    store.deleteCard("A");
    EXPECT_EQ(kvs->array("creditCards"), KeyValueStore::Array{});
    store.deleteCard("A"); // deleting what is not there still writes
    EXPECT_EQ(kvs->array("creditCards"), KeyValueStore::Array{});
}
