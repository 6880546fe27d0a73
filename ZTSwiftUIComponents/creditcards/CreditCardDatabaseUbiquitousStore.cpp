#include "CreditCardDatabaseUbiquitousStore.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zt {

namespace {

const std::string& key() {
    static const std::string name(CreditCardDatabaseUbiquitousStore::creditCardsKey);
    return name;
}

/// The stored elements, when the value is an array of byte strings; none otherwise.
std::vector<std::string> storedElements(const std::optional<KeyValueStore::Value>& value) {
    const auto* array = value ? std::get_if<KeyValueStore::Array>(&*value) : nullptr;
    auto elements = array ? KeyValueStore::dataElements(*array) : std::nullopt;
    return elements ? std::move(*elements) : std::vector<std::string>{};
}

/// The identifier an element names, also when the rest of it does not decode as a card.
std::optional<std::string> identifierOf(std::string_view bytes) {
    try {
        return CreditCardJSONDocument::parse(bytes).root().string("identifier");
    } catch (const CreditCardDecodingError&) {
        return std::nullopt;
    }
}

} // namespace

CreditCardDatabaseUbiquitousStore::CreditCardDatabaseUbiquitousStore(std::shared_ptr<KeyValueStore> store)
    : store_(std::move(store)) {}

std::vector<CreditCard<CCTransaction>> CreditCardDatabaseUbiquitousStore::readAll() const {
    std::vector<CreditCard<CCTransaction>> cards;
    for (const auto& bytes : storedElements(store_->object(key()))) {
        try {
            cards.push_back(CreditCard<CCTransaction>::decode(bytes));
        } catch (const CreditCardDecodingError&) {
            // Not a card this version reads: left out here, kept in the store.
        }
    }
    return cards;
}

void CreditCardDatabaseUbiquitousStore::replace(const std::string& identifier,
                                                std::optional<std::string> added) {
    // The store may keep the change to apply it again later, so it owns what it needs.
    store_->update(key(), [identifier,
                           added = std::move(added)](const std::optional<KeyValueStore::Value>& current) {
        auto elements = storedElements(current);
        std::erase_if(elements, [&](const std::string& bytes) { return identifierOf(bytes) == identifier; });
        if (added)
            elements.push_back(*added);
        return std::optional{KeyValueStore::Value{KeyValueStore::arrayOfData(std::move(elements))}};
    });
    store_->synchronize();
}

void CreditCardDatabaseUbiquitousStore::create(const AnyCreditCardConformable& creditCard) {
    replace(creditCard.identifier(), creditCard.dataRepresentation());
}

void CreditCardDatabaseUbiquitousStore::retrieveCard(const std::string& identifier,
                                                     std::function<void(Card)> completionBlock) {
    auto cards = readAll();
    const auto found = std::find_if(cards.begin(), cards.end(),
                                    [&](const auto& card) { return card.identifier() == identifier; });
    Card card =
        found == cards.end() ? nullptr : std::make_shared<CreditCard<CCTransaction>>(std::move(*found));
    if (completionBlock)
        completionBlock(std::move(card));
}

void CreditCardDatabaseUbiquitousStore::retrieveCards(
    std::function<void(std::optional<std::vector<Card>>)> completionBlock) {
    std::vector<Card> result;
    for (auto& card : readAll())
        result.push_back(std::make_shared<CreditCard<CCTransaction>>(std::move(card)));
    if (completionBlock)
        completionBlock(std::move(result));
}

// Deleting, then creating, leaves the array that creating alone does.
void CreditCardDatabaseUbiquitousStore::update(const AnyCreditCardConformable& creditCard) {
    create(creditCard);
}

void CreditCardDatabaseUbiquitousStore::deleteCard(const std::string& identifier) {
    replace(identifier, std::nullopt);
}

} // namespace zt
