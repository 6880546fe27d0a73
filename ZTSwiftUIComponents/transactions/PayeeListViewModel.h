#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"
#include "ZTSwiftUIComponents/transactions/DatabaseConformable.h"
#include "platform/CollectionMove.h"
#include "platform/Published.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The payee list: the host's payees in the chosen order, search, reordering and deletion. Main
/// thread.
class PayeeListViewModel : public ObservableObject {
public:
    using Payees = std::vector<std::shared_ptr<PayeeConformable>>;

    /// The user default that says whether the search field is open when the list appears.
    static constexpr const char* searchOnAppearKey = "showPayeeSearchOnAppear";
    static constexpr SortEntity sortEntity = SortEntity::payees;

    /// Loads the payees and orders them by the stored sort.
    explicit PayeeListViewModel(std::shared_ptr<DatabaseConformable> database);

    /// In the order of sort; changed only by the list's operations.
    Published<Payees, PayeeListViewModel> payees{*this};
    Published<std::shared_ptr<PayeeConformable>> selectedPayee{*this};
    Published<std::string> searchText{*this};
    Published<bool> isSearchPresented{*this};
    /// Changed through updateSort, which reorders and remembers it.
    Published<Sort, PayeeListViewModel> sort{*this};
    const std::shared_ptr<DatabaseConformable> database;

    /// The persisted "search on opening" choice.
    static bool showSearchOnAppear();
    void setShowSearchOnAppear(bool show);

    /// Fetches the payees again and orders them.
    void reload();
    void updateSort(const Sort& newSort);
    /// Removes the payees with those identifiers here and in the store.
    void deleteItems(const std::vector<std::string>& withIdentifiers);
    /// A drag: only under the user's own order, then the store keeps the new order of every payee.
    void move(const IndexSet& fromOffsets, std::size_t toOffset);
    /// Stores a new payee at the end of the user's order and reloads; returns it. A name of
    /// white space only is refused (none).
    std::shared_ptr<PayeeConformable> addPayee(const std::string& name);
    /// Gives a payee a new name and saves the store. A name of white space only is refused.
    bool rename(const std::shared_ptr<PayeeConformable>& payee, const std::string& name);

    /// What searchText finds: all names (a missing one as "") while it is empty, else the names
    /// that start with the text, ignoring case; in list order.
    std::vector<std::string> searchResults() const;
    /// The positions in payees of what searchText finds, for the screen's rows.
    std::vector<std::size_t> matchingPositions() const;
};

/// The payee search over a list, as PayeeListViewModel::searchResults.
std::vector<std::string> payeeSearchResults(const PayeeListViewModel::Payees& payees,
                                            const std::string& text);

} // namespace zt
