#pragma once

#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/Published.h"

#include <memory>
#include <optional>

namespace zt {

/// The host's screens that the library asks to present modally.
enum class ModalDestination {
    newTransaction,
    newShortcut,
    newAccount,
    newGoal,
    voteNextFeature,
    newsletter,
    feedback,
    settings,
};

template <> struct RawValues<ModalDestination> {
    static constexpr std::array<std::pair<ModalDestination, std::string_view>, 8> cases{{
        {ModalDestination::newTransaction, "newTransaction"},
        {ModalDestination::newShortcut, "newShortcut"},
        {ModalDestination::newAccount, "newAccount"},
        {ModalDestination::newGoal, "newGoal"},
        {ModalDestination::voteNextFeature, "voteNextFeature"},
        {ModalDestination::newsletter, "newsletter"},
        {ModalDestination::feedback, "feedback"},
        {ModalDestination::settings, "settings"},
    }};
};

/// Requests of the overview screen that the host answers with a screen of its own.
enum class OverviewModalAction {
    paydaySettings,
    netWorthFilter,
    importCSV,
    connectBank,
    editCards,
    reviewTransactions,
};

template <> struct RawValues<OverviewModalAction> {
    static constexpr std::array<std::pair<OverviewModalAction, std::string_view>, 6> cases{{
        {OverviewModalAction::paydaySettings, "paydaySettings"},
        {OverviewModalAction::netWorthFilter, "netWorthFilter"},
        {OverviewModalAction::importCSV, "importCSV"},
        {OverviewModalAction::connectBank, "connectBank"},
        {OverviewModalAction::editCards, "editCards"},
        {OverviewModalAction::reviewTransactions, "reviewTransactions"},
    }};
};

/// The app-wide navigation state the host observes: what is presented modally, the banner alert
/// and incognito mode. Main thread only.
class NavigationRouter : public ObservableObject {
public:
    NavigationRouter() = default;

    /// The process-wide router.
    static NavigationRouter& shared();

    /// Amounts are hidden while true.
    Published<bool> incognitomodeActive{*this, false};
    Published<std::optional<ModalDestination>> modalDestination{*this};
    Published<std::optional<OverviewModalAction>> overviewModalAction{*this};
    /// The banner being shown.
    Published<std::optional<AlertItem>> alertItem{*this};

    void present(ModalDestination destination) { modalDestination.set(destination); }
    void perform(OverviewModalAction action) { overviewModalAction.set(action); }
    void dismissModal();
    void toggleIncognitoMode() { incognitomodeActive.set(!incognitomodeActive()); }

    /// Shows the alert and, after its duration, takes it down on the main queue unless another
    /// alert has replaced it meanwhile.
    void present(AlertItem alert);
    void dismissAlert() { alertItem.set(std::nullopt); }

private:
    std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
};

} // namespace zt
