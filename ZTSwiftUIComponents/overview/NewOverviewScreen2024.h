#pragma once

#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"
#include "ZTSwiftUIComponents/overview/ShortcutListAction.h"
#include "ZTSwiftUIComponents/overview/SyncManagerConformable.h"
#include "ZTSwiftUIComponents/overview/UnfinishedLinkItem.h"
#include "platform/Published.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The home screen: the unfinished bank links, the bank-connection invitation, one card per entry
/// of the store's visibleCards in that order, the refresh indicator and the two count lines, with
/// the toolbar (feedback, settings, edit, incognito mode) and the floating add button. Taps become
/// store selections, navigation values, router requests and database calls. While the router's
/// incognito mode is on, no card shows an amount. Main thread.
///
/// Like a toolkit's view value the object is immutable; its screen state (sheets, choosers) and
/// what its actions reach live in a ScreenState that copies share and the view trees hold weakly.
/// The router must outlive the screen.
class NewOverviewScreen2024 {
public:
    using NavigationPath = Published<std::vector<OverviewItemType>>;

    NewOverviewScreen2024(std::shared_ptr<NewOverviewDataStore> store,
                          std::shared_ptr<OverviewDatabase> database,
                          std::shared_ptr<SyncManagerConformable> syncManager, NavigationRouter& router,
                          std::shared_ptr<NavigationPath> navigationPath,
                          std::vector<UnfinishedLinkItem> unfinishedLinks = {});

    /// "Connect" on an unfinished link; receives its linkId.
    std::function<void(const std::string&)> onConnectLink;
    /// The bank-connection card was closed.
    std::function<void()> onBankingCardDismiss;
    /// A guide of the maker's site was asked for (from the bills screen); receives its path.
    std::function<void(const std::string&)> onOpenGuide;

    ui::View body() const;

    /// Tapping a card: the vote and newsletter cards open their modal destinations; every other
    /// card becomes the store's selection and is appended to the navigation path.
    void open(OverviewItemType card) const;
    /// Whether the card is drawn highlighted.
    bool isHighlighted(OverviewItemType card) const;
    /// What the shortcut grid and list report.
    void handle(const ShortcutListAction& action) const;
    /// Pull to refresh: runs the sync manager's sync(); completion (may be empty) runs when it has
    /// finished.
    void refresh(std::function<void()> completion = {}) const;

    // Screen state.
    bool isViewAllUpcomingBillsPressed() const;
    bool isViewAllShortcutsPressed() const;
    bool isShortcutsChooserOpen() const;
    bool isAccountsChooserOpen() const;

    const std::shared_ptr<NewOverviewDataStore>& store() const;

private:
    struct State;

    std::optional<ui::View> cardContent(OverviewItemType card, bool isIncognito) const;
    ui::View sheets(bool isIncognito) const;

    std::shared_ptr<SyncManagerConformable> syncManager_;
    std::vector<UnfinishedLinkItem> unfinishedLinks_;
    ui::ScreenState<State> state_;
};

} // namespace zt
