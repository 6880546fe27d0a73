#include "CreditCardDatabaseUbiquitousStore.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zt {

namespace {

const std::string& key() {
    static const std::string name(CreditCardDatabaseUbiquitousStore::creditCardsKey);
    return name;
}

} // namespace

CreditCardDatabaseUbiquitousStore::CreditCardDatabaseUbiquitousStore(std::shared_ptr<KeyValueStore> store)
    : store_(std::move(store)) {}

std::vector<CreditCard<CCTransaction>> CreditCardDatabaseUbiquitousStore::readAll() const {
    std::vector<CreditCard<CCTransaction>> cards;
    const auto array = store_->array(key());
    const auto elements = array ? KeyValueStore::dataElements(*array) : std::nullopt;
    if (!elements)
        return cards;
    cards.reserve(elements->size());
    for (const auto& bytes : *elements) {
        try {
            cards.push_back(CreditCard<CCTransaction>::decode(bytes));
        } catch (const CreditCardDecodingError&) {
            // Not a card (any more): left out here, and so gone after the next write.
        }
    }
    return cards;
}

void CreditCardDatabaseUbiquitousStore::write(const std::vector<CreditCard<CCTransaction>>& kept,
                                              const AnyCreditCardConformable* added) {
    std::vector<std::string> encoded;
    encoded.reserve(kept.size() + 1);
    for (const auto& card : kept)
        encoded.push_back(card.dataRepresentation());
    if (added)
        encoded.push_back(added->dataRepresentation());
    store_->set(key(), KeyValueStore::arrayOfData(std::move(encoded)));
    store_->synchronize();
}

void CreditCardDatabaseUbiquitousStore::create(const AnyCreditCardConformable& creditCard) {
    auto cards = readAll();
    const auto identifier = creditCard.identifier();
    std::erase_if(cards, [&](const auto& card) { return card.identifier() == identifier; });
    write(cards, &creditCard);
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

void CreditCardDatabaseUbiquitousStore::update(const AnyCreditCardConformable& creditCard) {
    deleteCard(creditCard.identifier());
    create(creditCard);
}

void CreditCardDatabaseUbiquitousStore::deleteCard(const std::string& identifier) {
    auto cards = readAll();
    std::erase_if(cards, [&](const auto& card) { return card.identifier() == identifier; });
    write(cards, nullptr);
}

} // namespace zt
