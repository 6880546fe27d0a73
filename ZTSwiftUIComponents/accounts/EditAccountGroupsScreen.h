#pragma once

#include "ZTSwiftUIComponents/accounts/AccountGroupEntryScreen.h"
#include "ZTSwiftUIComponents/accounts/AccountListStoreConforming.h"
#include "platform/CollectionMove.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Edits the groups of the accounts screen in one list of group headers and accounts: create,
/// rename, delete, and drag rows to reorder groups and move accounts between them.
class EditAccountGroupsScreen {
public:
    explicit EditAccountGroupsScreen(std::shared_ptr<AccountListStoreConforming> store);

    ui::View body() const;
    /// The list's drag. A drag that would leave an account above every group is refused: nothing
    /// changes and the list is drawn afresh. Otherwise the store's groups follow the list and are
    /// saved from a task on the main queue.
    void onMove(const IndexSet& fromOffsets, std::size_t toOffset) const;

    /// Every row's identifier, as the store's groups stand now.
    const std::vector<std::string>& sortedIdentifiers() const;
    /// Changes whenever the list must be drawn afresh.
    const std::string& refreshId() const { return state_->refreshId; }

private:
    struct State {
        std::vector<std::string> sortedIdentifiers;
        std::string refreshId;
        bool isNewGroup = false;
        std::optional<AccountGroupItem> editGroup;
        std::optional<AccountGroupItem> groupToBeDeleted;
        bool isDeleteConfirmation = false;
        std::optional<AccountGroupEntryScreen> entry;
    };

    static void move(State& state, const std::shared_ptr<AccountListStoreConforming>& store,
                     const IndexSet& fromOffsets, std::size_t toOffset);

    std::shared_ptr<AccountListStoreConforming> store_;
    ui::ScreenState<State> state_;
};

} // namespace zt
