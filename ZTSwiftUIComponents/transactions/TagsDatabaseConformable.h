#pragma once

#include "ZTSwiftUIComponents/transactions/TagsConformable.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The host's tag store.
class TagsDatabaseConformable {
public:
    virtual ~TagsDatabaseConformable() = default;

    /// Creates a tag named tag, already made a hashtag by the library ("#coffee_beans").
    virtual void saveNewObject(const std::string& tag) = 0;
    /// Renames the tag oldTag to newTag.
    virtual void update(const std::string& oldTag, const std::string& newTag) = 0;
    /// `delete` is a keyword here.
    virtual void deleteItems(const std::vector<std::string>& itemsWithIdentifiers) = 0;
    /// The identifiers in their new order.
    virtual void saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) = 0;
    /// Every stored tag, in any order (the list sorts them); empty when there are none.
    virtual std::vector<std::shared_ptr<TagsConformable>> fetchTags() = 0;
    /// The tags used most recently.
    virtual std::vector<std::shared_ptr<TagsConformable>> recentTags() = 0;
};

} // namespace zt
