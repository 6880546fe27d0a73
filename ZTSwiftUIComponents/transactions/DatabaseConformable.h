#pragma once

#include "ZTSwiftUIComponents/transactions/PayeeConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The host's payee store.
class DatabaseConformable {
public:
    virtual ~DatabaseConformable() = default;

    /// Creates a payee of that name at position order.
    virtual std::shared_ptr<PayeeConformable> saveNew(const std::string& payee, int order) = 0;
    /// Stores the changes made to fetched payees (a rename, for instance).
    virtual void save() = 0;
    /// `delete` is a keyword here.
    virtual void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) = 0;
    /// The identifiers in their new order.
    virtual void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) = 0;
    /// Every stored payee, in any order (the list sorts them); empty when there are none.
    virtual std::vector<std::shared_ptr<PayeeConformable>> fetchPayees() = 0;
};

} // namespace zt
