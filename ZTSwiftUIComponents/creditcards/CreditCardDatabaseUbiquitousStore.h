#pragma once

#include "CreditCard.h"
#include "CreditCardDatabase.h"
#include "platform/KeyValueStore.h"

#include <memory>
#include <string_view>
#include <vector>

namespace zt {

/// The card store on one key of a (cloud) key-value store: "creditCards" holds an array of byte
/// strings, each one card's dataRepresentation(), in the order the cards were last created or
/// updated. Cards are read back as CreditCard<CCTransaction>.
///
/// Every operation reads, changes and writes the whole array, without a cache or a lock of its
/// own: two writers at once can lose each other's change. Elements that do not decode are
/// skipped on reading and so dropped by the next write; a value under the key that is not an
/// array of byte strings reads as no cards. Every write is followed by synchronize().
class CreditCardDatabaseUbiquitousStore : public CreditCardDatabase {
public:
    static constexpr std::string_view creditCardsKey = "creditCards";

    explicit CreditCardDatabaseUbiquitousStore(std::shared_ptr<KeyValueStore> store);

    const std::shared_ptr<KeyValueStore>& store() const { return store_; }

    void create(const AnyCreditCardConformable& creditCard) override;
    void retrieveCard(const std::string& identifier, std::function<void(Card)> completionBlock) override;
    void retrieveCards(std::function<void(std::optional<std::vector<Card>>)> completionBlock) override;
    void update(const AnyCreditCardConformable& creditCard) override;
    void deleteCard(const std::string& identifier) override;

private:
    std::vector<CreditCard<CCTransaction>> readAll() const;
    void write(const std::vector<CreditCard<CCTransaction>>& kept, const AnyCreditCardConformable* added);

    std::shared_ptr<KeyValueStore> store_;
};

} // namespace zt
