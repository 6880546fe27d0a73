#pragma once

#include "CreditCardConformable.h"
#include "platform/NumberFormatter.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The texts of one card in a list of cards, made once from the card and a currency formatter.
struct CreditCardCellItem {
    /// Amounts the formatter cannot write show as "--".
    CreditCardCellItem(std::shared_ptr<const AnyCreditCardConformable> creditCard,
                       NumberFormatter numberFormatter);

    std::shared_ptr<const AnyCreditCardConformable> creditCard;
    NumberFormatter numberFormatter;
    /// The card's name.
    std::string title;
    /// A placeholder: the cell shows no real due date yet.
    std::string dueDate;
    std::string balance;
    /// "%@ available" with the available funds, localised.
    std::string availableFunds;
    /// The symbol of the card's icon when the account icon catalogue has it.
    std::optional<std::string> iconImage;
};

} // namespace zt
