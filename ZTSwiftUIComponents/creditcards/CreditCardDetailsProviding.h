#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/DateInterval.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A credit card being viewed, as the host hands it to the details screen: its name, icon and
/// colour, its limit and its statements. Observable. Main thread.
class CreditCardDetailsProviding : public ObservableObject {
public:
    /// The card's name.
    virtual std::string name() const = 0;
    /// The name of the card's icon image.
    virtual std::string iconName() const = 0;
    /// The colour of the card's account.
    virtual Color accountColor() const = 0;
    /// The card limit; empty when the card has none.
    virtual Published<std::optional<double>>& limit() = 0;
    /// The card limit, read-only.
    virtual const Published<std::optional<double>>& limit() const = 0;
    /// In the host's order; the objects are shared with the screens that edit them.
    virtual std::vector<std::shared_ptr<CreditCardLastStatement>> statements() const = 0;

    /// The due date after a cycle: the first day numbered dueDay after the cycle's end. Nothing
    /// for dueDay outside 1-31.
    static std::optional<Date> currentDueDate(const DateInterval& currentCycle, int dueDay);

    /// Carries unpaid remainders forward: in ascending due-date order (ties keep the host's
    /// order), each statement's due amount becomes its own (0 when empty) plus what the one
    /// before still owed (its rewritten due amount minus its paid amount). The argument is not
    /// used; the amounts come from the statements alone.
    void calculateRemainingDue(std::optional<double> dueAmountCurrentCycle = std::nullopt);

protected:
    CreditCardDetailsProviding() = default;
    /// Copying belongs to the implementation, so details are never sliced through the interface.
    CreditCardDetailsProviding(const CreditCardDetailsProviding&) = default;
    /// Copying belongs to the implementation, so details are never sliced through the interface.
    CreditCardDetailsProviding& operator=(const CreditCardDetailsProviding&) = default;
};

} // namespace zt
