#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/transactions/DatabaseConformable.h"
#include "ZTSwiftUIComponents/transactions/TagsDatabaseConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

class MockPayee;
class MockTag;

/// The payee store of the reference host. Payees are shared objects the screens edit in place;
/// save() writes what was changed on the ones this store handed out. Each operation is one SQL
/// transaction.
class HostPayeeDatabase final : public DatabaseConformable {
public:
    explicit HostPayeeDatabase(std::shared_ptr<HostDatabase> database);

    std::shared_ptr<PayeeConformable> saveNew(const std::string& payee, int order) override;
    void save() override;
    void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) override;
    void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) override;
    /// In display order.
    std::vector<std::shared_ptr<PayeeConformable>> fetchPayees() override;

private:
    std::shared_ptr<HostDatabase> database_;
    std::vector<std::shared_ptr<MockPayee>> handedOut_;
};

/// The tag store of the reference host; a tag counts as used when it is created or renamed.
class HostTagDatabase final : public TagsDatabaseConformable {
public:
    explicit HostTagDatabase(std::shared_ptr<HostDatabase> database);

    /// A name that exists already is marked used instead of stored twice.
    void saveNewObject(const std::string& tag) override;
    void update(const std::string& oldTag, const std::string& newTag) override;
    void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) override;
    void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) override;
    /// In the user's order.
    std::vector<std::shared_ptr<TagsConformable>> fetchTags() override;
    /// The five used last, most recent first.
    std::vector<std::shared_ptr<TagsConformable>> recentTags() override;

private:
    std::vector<std::shared_ptr<TagsConformable>> query(const char* sql);

    std::shared_ptr<HostDatabase> database_;
};

} // namespace zt
