#pragma once

#include "MockPayee.h"
#include "ZTSwiftUIComponents/transactions/DatabaseConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The demo payee store: four payees with fresh identifiers at display orders 0 to 3. It keeps
/// what it is told in memory and prints the name of each write.
class MockDatabase : public DatabaseConformable {
public:
    MockDatabase();

    std::shared_ptr<PayeeConformable> saveNew(const std::string& payee, int order) override;
    void save() override;
    void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) override;
    void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) override;
    std::vector<std::shared_ptr<PayeeConformable>> fetchPayees() override;

private:
    std::vector<std::shared_ptr<MockPayee>> payees_;
};

} // namespace zt
