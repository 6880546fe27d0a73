#pragma once

#include "ZTSwiftUIComponents/transactions/RepeatingAmountHistorySection.h"
#include "ZTSwiftUIComponents/transactions/StopRepeatingView.h"
#include "ZTSwiftUIComponents/transactions/TransactionEditActionType.h"
#include "ZTSwiftUIComponents/transactions/TransactionPreview2022ViewModel.h"
#include "platform/LocationServices.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The details screen of a stored transaction: header, series, details, place, attachment, shortcut
/// switches, deletion and the customisable toolbar. Every wish goes to onShouldPerformAction as a
/// TransactionEditActionType (nothing happens without it); the screen never changes the
/// transaction itself. Copies share their state.
class TransactionPreviewView {
public:
    using ActionHandler = std::function<void(const TransactionEditActionType&)>;
    /// The host's place search: it edits the place through the binding.
    using PlaceSearchBuilder = std::function<ui::View(ui::Binding<std::optional<BaseLocation>>)>;

    TransactionPreviewView(std::shared_ptr<TransactionPreview2022ViewModel> viewModel,
                           std::function<void()> onViewTransactionsDidTap,
                           std::function<void(const std::string&)> onTransactionDidTap,
                           std::function<ui::View()> attachmentView, ActionHandler onShouldPerformAction,
                           std::function<void()> onStopRepeating);
    TransactionPreviewView(std::shared_ptr<TransactionPreview2022ViewModel> viewModel,
                           std::function<ui::View()> attachmentView);

    /// The host's own place search, if it has one; without it the library's search over
    /// locationServices, centred on the transaction's place.
    PlaceSearchBuilder placeSearch;
    /// Where the place card's map and the library's search come from.
    std::shared_ptr<LocationServices> locationServices = LocationServices::current();

    ui::View body() const;

private:
    struct State;

    ui::View repeatingPart() const;
    std::function<void()> sender(TransactionEditActionType action) const;

    std::shared_ptr<TransactionPreview2022ViewModel> viewModel_;
    std::function<void()> onViewTransactionsDidTap_;
    std::function<void(const std::string&)> onTransactionDidTap_;
    std::function<ui::View()> attachmentView_;
    ActionHandler onShouldPerformAction_;
    std::function<void()> onStopRepeating_;
    std::shared_ptr<State> state_;
};

} // namespace zt
