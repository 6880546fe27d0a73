#include "MockTagDatabase.h"

#include "platform/Console.h"

#include <algorithm>

namespace zt {

MockTagDatabase::MockTagDatabase() {
    for (const char* name : {"#groceries", "#trip", "#work", "#gift"}) {
        tags_.push_back(std::make_shared<MockTag>(std::to_string(nextId_), name, nextId_));
        ++nextId_;
    }
}

void MockTagDatabase::saveNewObject(const std::string& tag) {
    console("saveNewObject(tag:)");
    int position = 0;
    for (const auto& t : tags_)
        position = std::max(position, t->orderPosition().value_or(0) + 1);
    tags_.push_back(std::make_shared<MockTag>(std::to_string(nextId_++), tag, position));
}

void MockTagDatabase::update(const std::string& oldTag, const std::string& newTag) {
    console("update(oldTag:to:)");
    for (const auto& t : tags_)
        if (t->name() == oldTag)
            t->setName(newTag);
}

void MockTagDatabase::deleteItems(const std::vector<std::string>& itemsWithIdentifiers) {
    console("delete(itemsWithIdentifiers:)");
    std::erase_if(tags_, [&](const auto& t) {
        return t->id() && std::ranges::find(itemsWithIdentifiers, *t->id()) != itemsWithIdentifiers.end();
    });
}

void MockTagDatabase::saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) {
    console("saveDisplayOrder(itemsWithIdentifiers:)");
    for (std::size_t i = 0; i < itemsWithIdentifiers.size(); ++i)
        for (const auto& t : tags_)
            if (t->id() == itemsWithIdentifiers[i])
                t->setOrderPosition(static_cast<int>(i));
}

std::vector<std::shared_ptr<TagsConformable>> MockTagDatabase::fetchTags() {
    return {tags_.begin(), tags_.end()};
}

std::vector<std::shared_ptr<TagsConformable>> MockTagDatabase::recentTags() {
    return {tags_.begin(),
            tags_.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, tags_.size()))};
}

} // namespace zt
