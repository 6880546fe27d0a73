// Arbitrary bytes as a stored card record and as a key-value store file. Decoding a card must
// either give a card or throw CreditCardDecodingError, and a card that decodes must encode and
// decode to an equal card. The store file reader must never crash, what it reads must survive
// writing and reading again, and the card store must read any such file.
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDatabaseUbiquitousStore.h"
#include "platform/InMemoryKeyValueStore.h"
#include "platform/KeyValueFile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

namespace {

using Card = zt::CreditCard<zt::CCTransaction>;

/// Equal but for the end of the billing cycle, which travels as start plus a duration and may
/// come back one rounding step away.
bool sameCard(const Card& a, const Card& b) {
    Card aligned = b;
    const double end = a.billingCycle().end.secondsSinceReferenceDate;
    const double otherEnd = b.billingCycle().end.secondsSinceReferenceDate;
    if (std::abs(end - otherEnd) >
        4 * std::numeric_limits<double>::epsilon() * std::max(std::abs(end), std::abs(otherEnd)))
        return false;
    aligned.setBillingCycle(a.billingCycle());
    return aligned == a;
}

void checkCard(std::string_view bytes) {
    std::optional<Card> card;
    try {
        card = Card::decode(bytes);
    } catch (const zt::CreditCardDecodingError&) {
        return;
    }
    const std::string encoded = card->dataRepresentation();
    try {
        if (!sameCard(Card::decode(encoded), *card)) {
            std::fprintf(stderr, "card changes on a round trip: %s\n", encoded.c_str());
            std::abort();
        }
    } catch (const zt::CreditCardDecodingError& error) {
        std::fprintf(stderr, "a decoded card does not decode again: %s\n%s\n", error.what(), encoded.c_str());
        std::abort();
    }
}

void checkStoreFile(std::string_view bytes) {
    const auto values = zt::KeyValueFile::decode(bytes).values;
    const std::string encoded = zt::KeyValueFile::encode(values);
    if (zt::KeyValueFile::encode(zt::KeyValueFile::decode(encoded).values) != encoded) {
        std::fprintf(stderr, "store file changes on a round trip\n");
        std::abort();
    }
    auto store = std::make_shared<zt::InMemoryKeyValueStore>();
    for (const auto& [key, value] : values)
        store->set(key, value);
    zt::CreditCardDatabaseUbiquitousStore cards(store);
    cards.retrieveCards([](auto list) {
        for (const auto& card : *list)
            checkCard(card->dataRepresentation());
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkCard(bytes);
    checkStoreFile(bytes);
    return 0;
}
