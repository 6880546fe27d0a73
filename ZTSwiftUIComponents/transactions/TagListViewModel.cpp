#include "TagListViewModel.h"

#include "ZTSwiftUIComponents/transactions/ItemListSort.h"
#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <utility>

namespace zt {

namespace {

/// Positions of the tags found by text, with the diagnostics of the search.
std::vector<std::size_t> tagSearchPositions(const TagListViewModel::Tags& tags, const std::string& text) {
    std::vector<std::size_t> found;
    if (text.empty()) {
        found.resize(tags.size());
        for (std::size_t i = 0; i < tags.size(); ++i)
            found[i] = i;
        return found;
    }
    const auto query = lowercasedName(sanitizedTagText(text));
    console("Sanitized search string is: " + query);
    std::string candidates;
    candidates.reserve(tags.size() * 16);
    std::string name;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (const auto raw = tags[i]->name())
            sanitizeTagText(*raw, name);
        else
            name = "N/A";
        if (i > 0)
            candidates += ", ";
        candidates += name;
        if (hasLowercasedPrefix(name, query))
            found.push_back(i);
    }
    console(candidates);
    return found;
}

} // namespace

TagListViewModel::TagListViewModel(std::shared_ptr<TagsDatabaseConformable> database)
    : database(std::move(database)) {
    tags.assign(this->database->fetchTags());
    updateSort(SortControllerState(sortEntity).sort());
    isSearchPresented.set(showSearchOnAppear());
}

bool TagListViewModel::showSearchOnAppear() {
    return Environment::current().userDefaults().boolean(searchOnAppearKey);
}

void TagListViewModel::setShowSearchOnAppear(bool show) {
    objectWillChange.notify();
    Environment::current().userDefaults().set(searchOnAppearKey, show);
}

void TagListViewModel::reload() {
    auto fetched = database->fetchTags();
    sortItemList(fetched, sort(), &TagsConformable::name, &TagsConformable::orderPosition);
    tags.set(std::move(fetched));
}

void TagListViewModel::updateSort(const Sort& newSort) {
    console("updateSort(sort:)");
    SortControllerState(sortEntity).save(newSort);
    sort.set(newSort);
    auto ordered = tags();
    sortItemList(ordered, newSort, &TagsConformable::name, &TagsConformable::orderPosition);
    tags.set(std::move(ordered));
}

void TagListViewModel::deleteItems(const std::vector<std::string>& withIdentifiers) {
    if (selectedTag() && selectedTag()->id() &&
        std::find(withIdentifiers.begin(), withIdentifiers.end(), *selectedTag()->id()) !=
            withIdentifiers.end())
        selectedTag.set(nullptr);
    tags.set(itemsWithout(tags(), withIdentifiers));
    database->deleteItems(withIdentifiers);
}

void TagListViewModel::move(const IndexSet& fromOffsets, std::size_t toOffset) {
    if (sort().type != SortType::userDefined)
        return;
    auto moved = tags();
    moveElements(moved, fromOffsets, toOffset);
    tags.set(std::move(moved));
    database->saveDisplayOrder(itemIdentifiers(tags()));
}

bool TagListViewModel::addTag(const std::string& text) {
    if (isBlankName(tagNameWithoutTheHashtag(text)))
        return false;
    database->saveNewObject(sanitizedTagText(text));
    reload();
    return true;
}

bool TagListViewModel::rename(const std::shared_ptr<TagsConformable>& tag, const std::string& text) {
    if (isBlankName(tagNameWithoutTheHashtag(text)))
        return false;
    database->update(tag->name().value_or(std::string{}), sanitizedTagText(text));
    reload();
    return true;
}

std::vector<std::string> TagListViewModel::searchResults() const {
    return tagSearchResults(tags(), searchText());
}

std::vector<std::size_t> TagListViewModel::matchingPositions() const {
    return tagSearchPositions(tags(), searchText());
}

std::vector<std::string> tagSearchResults(const TagListViewModel::Tags& tags, const std::string& text) {
    std::vector<std::string> results;
    for (const auto i : tagSearchPositions(tags, text)) {
        const auto& tag = *tags[i];
        if (text.empty())
            results.push_back(tag.name().value_or(tag.id().value_or(std::string{})));
        else
            results.push_back(sanitizedName(tag));
    }
    return results;
}

} // namespace zt
