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
/// Every write is one KeyValueStore::update() of the whole array, followed by synchronize(): a
/// store with a copy behind it applies the change to the newest array it reads there, and an
/// update replaces the card in one step, so a crash never leaves it deleted but not yet
/// created. There is no cache or lock of its own. Elements that do not decode as cards (records
/// of a newer version, damaged bytes) are skipped on reading but kept by writes, unless they
/// name the identifier being replaced or deleted: another device may still read them. A value
/// under the key that is not an array of byte strings reads as no cards.
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
    /// Removes every element naming identifier and appends added, if any.
    void replace(const std::string& identifier, std::optional<std::string> added);

    std::shared_ptr<KeyValueStore> store_;
};

} // namespace zt
