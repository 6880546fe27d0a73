#pragma once

#include "ZTSwiftUIComponents/accounts/AccountGroupItem.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>

namespace zt {

/// The form that names a new group, or renames one. Save hands over a group with the identifier
/// (a fresh UUID for a new group) and the entered name, then closes; a blank name cannot be saved.
class AccountGroupEntryScreen {
public:
    AccountGroupEntryScreen(std::optional<std::string> id, std::string name,
                            std::function<void(const AccountGroupItem&)> onSaveDidPress,
                            std::function<void()> dismiss = {});

    const std::string& groupId() const { return groupId_; }
    bool isNew() const { return isNew_; }
    /// The screen is shown: the name field takes the focus.
    void onAppear() const { state_->isNameFocused = true; }
    bool isNameFocused() const { return state_->isNameFocused; }
    ui::View body() const;

private:
    struct State {
        std::string name;
        bool isNameFocused = false;
    };

    std::string groupId_;
    bool isNew_;
    std::function<void(const AccountGroupItem&)> onSaveDidPress_;
    std::function<void()> dismiss_;
    ui::ScreenState<State> state_;
};

} // namespace zt
