#pragma once

#include "CreditCardConformable.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Where the host keeps credit-card records. Completions are called synchronously, once,
/// before the operation returns.
class CreditCardDatabase {
public:
    /// A card as the database hands it out; nullptr when none was found.
    using Card = std::shared_ptr<AnyCreditCardConformable>;

    virtual ~CreditCardDatabase() = default;

    /// Stores the card, replacing any stored card with the same identifier.
    virtual void create(const AnyCreditCardConformable& creditCard) = 0;
    /// The first stored card with the identifier, or nullptr.
    virtual void retrieveCard(const std::string& identifier, std::function<void(Card)> completionBlock) = 0;
    /// Every readable stored card, in stored order.
    virtual void retrieveCards(std::function<void(std::optional<std::vector<Card>>)> completionBlock) = 0;
    /// Deletes by the card's identifier, then creates it.
    virtual void update(const AnyCreditCardConformable& creditCard) = 0;
    /// Removes every stored card with the identifier.
    virtual void deleteCard(const std::string& identifier) = 0;
};

} // namespace zt
