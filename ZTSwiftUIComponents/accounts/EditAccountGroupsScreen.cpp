#include "EditAccountGroupsScreen.h"

#include "ZTSwiftUIComponents/accounts/AccountGroupOrder.h"
#include "ZTSwiftUIComponents/host/IconImages.h"
#include "platform/UUID.h"
#include "platform/Console.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

namespace zt {

EditAccountGroupsScreen::EditAccountGroupsScreen(std::shared_ptr<AccountListStoreConforming> store)
    : store_(std::move(store)) {
    state_->sortedIdentifiers = identifiers(flatRows(store_->groups()));
    state_->refreshId = makeUUIDString();
}

const std::vector<std::string>& EditAccountGroupsScreen::sortedIdentifiers() const {
    // The store may have changed since the last drag (a group added or deleted).
    state_->sortedIdentifiers = identifiers(flatRows(store_->groups()));
    return state_->sortedIdentifiers;
}

void EditAccountGroupsScreen::onMove(const IndexSet& fromOffsets, std::size_t toOffset) const {
    move(*state_, store_, fromOffsets, toOffset);
}

void EditAccountGroupsScreen::move(State& state, const std::shared_ptr<AccountListStoreConforming>& store,
                                   const IndexSet& fromOffsets, std::size_t toOffset) {
    auto regrouped = regroupedAfterMove(store->groups(), fromOffsets, toOffset);
    if (!regrouped) {
        console("Account is the first on the list, don't move it there. Revert");
        state.refreshId = makeUUIDString();
        return;
    }
    state.sortedIdentifiers = identifiers(flatRows(*regrouped));
    store->groups.set(std::move(*regrouped));
    MainQueue::main().async([weak = std::weak_ptr<AccountListStoreConforming>(store)] {
        if (const auto store = weak.lock())
            store->save(std::function<void()>{});
    });
}

ui::View EditAccountGroupsScreen::body() const {
    auto& state = *state_;
    const auto store = store_;
    const auto& groups = store->groups();
    // The store may have changed since the last drag (a group added or deleted).
    const auto rows = flatRows(groups);
    state.sortedIdentifiers = identifiers(rows);

    const auto weak = state_.weak();
    const auto closeEntry = [weak] {
        if (const auto s = weak.lock()) {
            s->isNewGroup = false;
            s->editGroup.reset();
        }
    };
    const auto onMove = state_.action([store](State& s, const IndexSet& offsets, std::size_t destination) {
        move(s, store, offsets, destination);
    });

    std::vector<ui::View> cells;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const auto& group = groups[row.group];
        std::vector<ui::View> cell;
        if (row.isGroup) {
            cell.push_back(ui::text(group.name).font(ui::Font::headline));
            cell.push_back(ui::spacer());
            cell.push_back(
                ui::menu(
                    L("More"), "ellipsis.circle",
                    {
                        ui::button(L("Edit"), "pencil", state_.action([store, group, closeEntry](State& s) {
                            s.editGroup = group;
                            s.entry.emplace(
                                group.id, group.name,
                                [store, group](const AccountGroupItem& edited) {
                                    AccountGroupItem renamed = group;
                                    renamed.name = edited.name;
                                    store->save(renamed);
                                },
                                closeEntry);
                            s.entry->onAppear();
                        })).disabled(group.isNoGroup()),
                        ui::button(L("Delete"), "trash", state_.action([group](State& s) {
                            s.groupToBeDeleted = group;
                            s.isDeleteConfirmation = true;
                        }))
                            .role(ui::ButtonRole::destructive)
                            .disabled(group.isNoGroup()),
                    })
                    .id("menu-" + group.id));
        } else {
            const auto& account = group.items[row.item];
            cell.push_back(ui::label(account.name, accountImage(account.iconName)));
        }
        cell.push_back(ui::moveButtons(i, rows.size(), onMove));
        cells.push_back(ui::row(std::move(cell)).id(row.isGroup ? "group-" + row.id : row.id));
    }

    std::vector<ui::View> dialogButtons;
    std::string dialogMessage;
    if (const auto& doomed = state.groupToBeDeleted) {
        const auto remove = [store, group = *doomed](bool includingAccounts) {
            return [store, group, includingAccounts] { store->deleteGroup(group, includingAccounts); };
        };
        if (!doomed->items.empty()) {
            dialogMessage = L("Choose how to handle the accounts within this group.");
            dialogButtons.push_back(ui::button(L("Delete Group Only"), remove(false)));
            dialogButtons.push_back(
                ui::button(L("Delete Group and Accounts"), remove(true)).role(ui::ButtonRole::destructive));
        } else {
            dialogMessage = L("Are you sure you want to delete this empty group?");
            dialogButtons.push_back(ui::button(L("Delete"), remove(false)).role(ui::ButtonRole::destructive));
        }
    }
    dialogButtons.push_back(ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel));

    const bool isEntryShown = state.isNewGroup || state.editGroup.has_value();
    return ui::navigationTitle(
        L("Edit Groups"),
        {
            ui::list({
                         ui::section({
                             ui::label(L("The account order you select here, will also appear on the "
                                         "Accounts card on the "
                                         "Overview."),
                                       "info.square.fill")
                                 .secondary(),
                             ui::button(
                                 L("New group"), "plus.circle", state_.action([store, closeEntry](State& s) {
                                     s.entry.emplace(
                                         std::nullopt, std::string(),
                                         [store](const AccountGroupItem& added) { store->save(added); },
                                         closeEntry);
                                     s.entry->onAppear();
                                     s.isNewGroup = true;
                                 })),
                         }),
                         ui::section(std::move(cells)).id("rows"),
                     })
                .id(state.refreshId),
            ui::confirmationDialog(state.groupToBeDeleted ? state.groupToBeDeleted->name : std::string(),
                                   dialogMessage, state.isDeleteConfirmation,
                                   state_.action([](State& s, bool presented) {
                                       s.isDeleteConfirmation = presented;
                                       if (!presented)
                                           s.groupToBeDeleted.reset();
                                   }),
                                   std::move(dialogButtons))
                .id("deleteConfirmation"),
            ui::sheet(state.isNewGroup ? L("New group") : L("Edit group"), isEntryShown,
                      state_.action([](State& s, bool presented) {
                          if (!presented) {
                              s.isNewGroup = false;
                              s.editGroup.reset();
                          }
                      }),
                      {isEntryShown && state.entry ? state.entry->body() : ui::group()}),
        });
}

} // namespace zt
