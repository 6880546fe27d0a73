#include "AccountList.h"

#include "ZTSwiftUIComponents/accounts/AccountListHeaderView.h"
#include "ZTSwiftUIComponents/host/IconImages.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <vector>

namespace zt {

namespace {

constexpr ui::Color teal{48.0 / 255.0, 176.0 / 255.0, 199.0 / 255.0};

bool hasTealBadge(AccountType type) {
    const auto& cases = RawValues<AccountType>::cases;
    return type == cases[8].first || type == cases[10].first;
}

} // namespace

ui::Color accountBadgeColor(const WidgetAccount& account) {
    if (hasTealBadge(account.type))
        return teal;
    return account.balance > 0 ? ui::Color(positiveAmountColor) : ui::Color(negativeAmountColor);
}

AccountList::AccountList(std::shared_ptr<AccountListStoreConforming> store, Config config,
                         std::function<void(const WidgetAccount&)> onDidSelect,
                         std::function<void(const std::optional<std::string>&)> onNewAccountDidPress,
                         std::function<void(const AccountListAction&)> onActionDidPress)
    : store_(std::move(store)), config_(config), onDidSelect_(std::move(onDidSelect)),
      onNewAccountDidPress_(std::move(onNewAccountDidPress)), onActionDidPress_(std::move(onActionDidPress)) {
}

struct AccountList::RowTexts {
    std::string remove = L("Delete");
    std::string edit = L("Edit");
    std::string more = L("More");
    std::string favorite = L("Favorite");
    std::string updateBalance = L("Update Balance");
    std::string archive = L("Archive");
    std::string syncing = L("Syncing");
};

ui::View AccountList::accountRow(const WidgetAccount& account, const RowTexts& texts) const {
    const auto& state = *state_;
    // One copy of the account serves every action of the row.
    const auto shared = std::make_shared<const WidgetAccount>(account);
    const auto raise = [onAction = onActionDidPress_, shared](AccountListAction (*make)(WidgetAccount)) {
        return [onAction, shared, make] {
            if (onAction)
                onAction(make(*shared));
        };
    };

    std::vector<ui::View> cells;
    if (state.isSelecting)
        cells.push_back(ui::selectionMark(state.multiSelection.contains(account.id)));
    cells.push_back(ui::image(accountImage(account.iconName))
                        .foregroundColor(accountBadgeColor(account))
                        .id("badge-" + account.id));
    cells.push_back(ui::text(account.name));
    cells.push_back(ui::spacer());
    if (store_->isSyncing(account))
        cells.push_back(ui::progressRing(0).accessibilityLabel(texts.syncing).id("syncing-" + account.id));
    cells.push_back(ui::text(store_->formatter().stringOrDash(account.balance)).id("balance-" + account.id));

    // Tapping selects in selection mode; otherwise it opens the account, unless online banking
    // keeps it from being chosen here.
    const auto tap =
        state_.action([shared, onSelect = onDidSelect_, canSelectOnline = config_.canSelectOnlineAccounts,
                       weak = state_.weak()](State& s) {
            const auto& account = *shared;
            if (s.isSelecting) {
                if (!s.multiSelection.erase(account.id))
                    s.multiSelection.insert(account.id);
                return;
            }
            if (account.isOnlineBanking && !canSelectOnline) {
                s.toast = AlertItem::onlineBankingAccountCannotSelect();
                // The banner goes after its duration unless another has replaced it.
                MainQueue::main().asyncAfter(s.toast->duration, [weak, id = s.toast->id] {
                    if (const auto st = weak.lock(); st && st->toast && st->toast->id == id)
                        st->toast.reset();
                });
                return;
            }
            if (onSelect)
                onSelect(account);
        });
    // Children are moved into place: a braced list would copy every subtree once more.
    std::vector<ui::View> tappable;
    tappable.push_back(ui::hstack(std::move(cells)));
    std::vector<ui::View> row;
    row.push_back(ui::button(tap, std::move(tappable)));
    if (config_.canEditItems && !state.isSelecting) {
        row.push_back(ui::button(texts.remove, "trash", state_.action([shared](State& s) {
                          s.accountToDelete = *shared;
                          s.isDeleteConfirmation = true;
                      })).role(ui::ButtonRole::destructive));
        row.push_back(ui::button(texts.edit, "pencil", raise(&AccountListAction::edit)));
        std::vector<ui::View> more;
        more.push_back(ui::button(texts.favorite, "star", raise(&AccountListAction::favorite)));
        more.push_back(ui::button(texts.updateBalance, "plusminus.circle",
                                  [onAction = onActionDidPress_, id = account.id] {
                                      if (onAction)
                                          onAction(AccountListAction::updateAccountBalance({id}));
                                  }));
        more.push_back(ui::button(texts.archive, "archivebox", raise(&AccountListAction::archive)));
        row.push_back(ui::menu(texts.more, "ellipsis.circle", std::move(more)));
    }
    return ui::row(std::move(row)).id(account.id);
}

ui::View AccountList::body() const {
    const auto& state = *state_;
    const auto store = store_;
    const auto& groups = store->groups();
    const auto raise = [onAction = onActionDidPress_](AccountListAction::Kind kind) {
        return [onAction, kind] {
            if (onAction)
                onAction(AccountListAction::of(kind));
        };
    };
    const auto addAccount = [onNew = onNewAccountDidPress_](std::optional<std::string> group) {
        return [onNew, group = std::move(group)] {
            if (onNew)
                onNew(group);
        };
    };

    std::vector<ui::View> sections;
    // Summed over the groups in place: copying every account for the header costs a draw dearly.
    std::size_t accountCount = 0;
    double assets = 0, liabilities = 0;
    for (const auto& group : groups) {
        accountCount += group.items.size();
        for (const auto& account : group.items)
            (isLiability(account.type) ? liabilities : assets) += account.balance;
    }
    if (config_.isHeaderVisible)
        sections.push_back(AccountListHeaderView(assets, liabilities, assets + liabilities,
                                                 store->formatter(), accountCount,
                                                 store->archivedAccounts().size())
                               .body());
    const RowTexts texts;
    for (const auto& group : groups) {
        std::vector<ui::View> rows;
        rows.reserve(group.items.size() + 2);
        rows.push_back(AccountListHeaderSectionView(store, group).body());
        if (!group.isCollapsed)
            for (const auto& account : group.items)
                rows.push_back(accountRow(account, texts));
        if (config_.isAddAccountInSectionsVisible ||
            (group.items.empty() && config_.isAddAccountInEmptySectionsVisible))
            rows.push_back(
                ui::button(L("Add Account"), "plus.circle", addAccount(group.id)).id("add-" + group.id));
        sections.push_back(ui::section(std::move(rows)).id("group-" + group.id));
    }
    if (accountCount == 0)
        sections.push_back(ui::emptyState(L("No accounts"), {}, "building.columns"));
    if (config_.isOnboardingMode)
        sections.push_back(
            ui::button(L("Continue"), raise(AccountListAction::Kind::nextPressed)).id("continue"));

    std::vector<ui::View> content;
    if (state.toast)
        content.push_back(ui::card({ui::label(state.toast->title, state.toast->systemImageName),
                                    ui::text(state.toast->message).secondary()})
                              .id("toast"));
    content.push_back(ui::list(std::move(sections)));
    content.push_back(
        ui::toolbarItem("newAccount", ui::button(L("New Account"), "plus", addAccount(std::nullopt))));
    if (config_.isOptionsButtonVisible) {
        content.push_back(ui::toolbarItem(
            "more",
            ui::menu(
                L("More"), "ellipsis.circle",
                {
                    ui::button(L("New group"), "folder.badge.plus", raise(AccountListAction::Kind::newGroup)),
                    ui::button(L("Export as CSV"), "tablecells", raise(AccountListAction::Kind::exportCSV)),
                    ui::button(L("Export as PDF"), "doc.richtext", raise(AccountListAction::Kind::exportPDF)),
                    ui::button(L("Archived accounts"), "archivebox",
                               raise(AccountListAction::Kind::archivedAccountsPressed)),
                    ui::button(L("Manage Connections"), "link.circle",
                               raise(AccountListAction::Kind::manageConnections)),
                })));
        content.push_back(ui::toolbarItem(
            "editGroups",
            ui::button(state_.action([store](State& s) {
                s.groupsEditor.emplace(store);
                s.isSortGroupModal = true;
            }),
                       {ui::label(L("Edit Groups"), "folder"),
                        ui::text(L("Tap to create new groups or edit existing groups.")).secondary()})));
    }
    if (config_.canEditItems) {
        content.push_back(ui::toolbarItem(
            "select", ui::button(state.isSelecting ? L("Done") : L("Select"), state_.action([](State& s) {
                s.isSelecting = !s.isSelecting;
                s.multiSelection.clear();
            }))));
        if (state.isSelecting) {
            std::vector<std::string> chosen;
            for (const auto& group : groups)
                for (const auto& account : group.items)
                    if (state.multiSelection.contains(account.id))
                        chosen.push_back(account.id);
            content.push_back(ui::toolbarItem(
                "updateSelected",
                ui::button(L("Update Balance"), "plusminus.circle", [onAction = onActionDidPress_, chosen] {
                    if (onAction)
                        onAction(AccountListAction::updateAccountBalance(chosen));
                }).disabled(chosen.empty())));
        }
    }

    std::vector<ui::View> confirm;
    if (state.accountToDelete)
        confirm.push_back(
            ui::button(L("Delete"), [onAction = onActionDidPress_, account = *state.accountToDelete] {
                if (onAction)
                    onAction(AccountListAction::remove(account));
            }).role(ui::ButtonRole::destructive));
    confirm.push_back(ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel));
    content.push_back(
        ui::confirmationDialog(state.accountToDelete ? state.accountToDelete->name : std::string(), {},
                               state.isDeleteConfirmation, state_.action([](State& s, bool presented) {
                                   s.isDeleteConfirmation = presented;
                                   if (!presented)
                                       s.accountToDelete.reset();
                               }),
                               std::move(confirm))
            .id("deleteConfirmation"));
    content.push_back(ui::sheet(L("Edit Groups"), state.isSortGroupModal,
                                state_.binding(&State::isSortGroupModal),
                                {state.groupsEditor ? state.groupsEditor->body() : ui::group()}));
    return ui::navigationTitle(L("Accounts"), std::move(content));
}

} // namespace zt
