#pragma once

#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/transactions/QuickEntryViewModelConformable.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// Quick entry: one line of text for one or more transactions, the date they get, the model's
/// suggestions for what is being typed, close and save. Saving hands the date to the model, saves,
/// then announces the saved transaction through the router and closes. Copies share their state.
class NewQuickEntryScreen {
public:
    enum class Field { amount };
    enum class KeyboardType { standard, decimalPad };

    explicit NewQuickEntryScreen(std::shared_ptr<QuickEntryViewModelConformable> viewModel,
                                 NavigationRouter& router = NavigationRouter::shared());

    /// Closes the screen; set by whoever presents it.
    std::function<void()> dismiss;

    std::optional<Field> focusedField() const { return state_->focusedField; }
    KeyboardType keyboardType() const { return state_->keyboardType; }
    /// Date first, then the model's save(); on success the saved alert (from the main queue) and
    /// closing. A refused save keeps the screen open.
    void save() const;

    ui::View body() const;

private:
    struct State {
        std::optional<Field> focusedField = Field::amount;
        KeyboardType keyboardType = KeyboardType::standard;
    };

    std::shared_ptr<QuickEntryViewModelConformable> viewModel_;
    NavigationRouter* router_;
    ui::ScreenState<State> state_;
};

} // namespace zt
