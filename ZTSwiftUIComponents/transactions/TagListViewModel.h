#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"
#include "ZTSwiftUIComponents/transactions/TagsDatabaseConformable.h"
#include "platform/CollectionMove.h"
#include "platform/Published.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The tag list: the host's tags in the chosen order, search, reordering and deletion. Main thread.
class TagListViewModel : public ObservableObject {
public:
    using Tags = std::vector<std::shared_ptr<TagsConformable>>;

    /// The user default that says whether the search field is open when the list appears.
    static constexpr const char* searchOnAppearKey = "showTagSearchOnAppear";
    static constexpr SortEntity sortEntity = SortEntity::tags;

    /// Loads the tags and orders them by the stored sort.
    explicit TagListViewModel(std::shared_ptr<TagsDatabaseConformable> database);

    /// In the order of sort; changed only by the list's operations.
    Published<Tags, TagListViewModel> tags{*this};
    Published<std::shared_ptr<TagsConformable>> selectedTag{*this};
    Published<std::string> searchText{*this};
    Published<bool> isSearchPresented{*this};
    /// Changed through updateSort, which reorders and remembers it.
    Published<Sort, TagListViewModel> sort{*this};
    const std::shared_ptr<TagsDatabaseConformable> database;

    /// The persisted "search on opening" choice.
    static bool showSearchOnAppear();
    void setShowSearchOnAppear(bool show);

    /// Fetches the tags again and orders them.
    void reload();
    void updateSort(const Sort& newSort);
    /// Removes the tags with those identifiers here and in the store.
    void deleteItems(const std::vector<std::string>& withIdentifiers);
    /// A drag: only under the user's own order, then the store keeps the new order of every tag.
    void move(const IndexSet& fromOffsets, std::size_t toOffset);
    /// Stores a new tag (as a hashtag) and reloads. A text of white space only is refused (false).
    bool addTag(const std::string& text);
    /// Gives a tag a new name (as a hashtag) through the store and reloads. A text of white space
    /// only is refused.
    bool rename(const std::shared_ptr<TagsConformable>& tag, const std::string& text);

    /// What searchText finds: all names (an unnamed tag by its identifier) while it is empty,
    /// else the hashtags that start with the hashtag of the text, ignoring case; in list order.
    std::vector<std::string> searchResults() const;
    /// The positions in tags of what searchText finds, for the screen's rows.
    std::vector<std::size_t> matchingPositions() const;
};

/// The tag search over a list, as TagListViewModel::searchResults; prints its diagnostics.
std::vector<std::string> tagSearchResults(const TagListViewModel::Tags& tags, const std::string& text);

} // namespace zt
