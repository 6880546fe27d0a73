#pragma once

#include "MockTag.h"
#include "ZTSwiftUIComponents/transactions/TagsDatabaseConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The demo tag store: four tags "0" to "3" at positions 0 to 3, the first two of them recent. It
/// keeps what it is told in memory and prints the name of each write.
class MockTagDatabase : public TagsDatabaseConformable {
public:
    MockTagDatabase();

    void saveNewObject(const std::string& tag) override;
    void update(const std::string& oldTag, const std::string& newTag) override;
    void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) override;
    void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) override;
    std::vector<std::shared_ptr<TagsConformable>> fetchTags() override;
    std::vector<std::shared_ptr<TagsConformable>> recentTags() override;

private:
    std::vector<std::shared_ptr<MockTag>> tags_;
    int nextId_ = 0;
};

} // namespace zt
