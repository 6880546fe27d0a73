#include "MockDatabase.h"

#include "platform/Console.h"
#include "platform/UUID.h"

#include <algorithm>

namespace zt {

MockDatabase::MockDatabase() {
    int order = 0;
    for (const char* name : {"Market", "Supermarket", "Bakery Sonnenschein", "City Transport"})
        payees_.push_back(std::make_shared<MockPayee>(makeUUIDString(), name, order++));
}

std::shared_ptr<PayeeConformable> MockDatabase::saveNew(const std::string& payee, int order) {
    console("saveNew(payee:order:)");
    auto created = std::make_shared<MockPayee>(makeUUIDString(), payee, order);
    payees_.push_back(created);
    return created;
}

void MockDatabase::save() {
    console("save()");
}

void MockDatabase::deleteItems(const std::vector<std::string>& itemsWithIdentifiers) {
    console("delete(itemsWithIdentifiers:)");
    std::erase_if(payees_, [&](const auto& p) {
        return p->id() && std::ranges::find(itemsWithIdentifiers, *p->id()) != itemsWithIdentifiers.end();
    });
}

void MockDatabase::saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) {
    console("saveDisplayOrder(itemsWithIdentifiers:)");
    for (std::size_t i = 0; i < itemsWithIdentifiers.size(); ++i)
        for (const auto& p : payees_)
            if (p->id() == itemsWithIdentifiers[i])
                p->setDisplayOrder(static_cast<int>(i));
}

std::vector<std::shared_ptr<PayeeConformable>> MockDatabase::fetchPayees() {
    return {payees_.begin(), payees_.end()};
}

} // namespace zt
