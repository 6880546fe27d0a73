#include "AccountGroupEntryScreen.h"

#include "platform/UUID.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cctype>

namespace zt {

AccountGroupEntryScreen::AccountGroupEntryScreen(std::optional<std::string> id, std::string name,
                                                 std::function<void(const AccountGroupItem&)> onSaveDidPress,
                                                 std::function<void()> dismiss)
    : groupId_(id ? std::move(*id) : makeUUIDString()), isNew_(!id),
      onSaveDidPress_(std::move(onSaveDidPress)), dismiss_(std::move(dismiss)) {
    state_->name = std::move(name);
}

ui::View AccountGroupEntryScreen::body() const {
    const auto& name = state_->name;
    const bool blank = std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isspace(c); });
    const auto close = [dismiss = dismiss_] {
        if (dismiss)
            dismiss();
    };
    const auto save = state_.action([id = groupId_, onSave = onSaveDidPress_, close](State& s) {
        if (onSave)
            onSave(AccountGroupItem{id, s.name, false, {}, {}});
        close();
    });
    return ui::navigationTitle(
        isNew_ ? L("New group") : L("Edit group"),
        {
            ui::list({ui::section(
                {ui::textField(L("Group name"), name, state_.binding(&State::name)).id("name")})}),
            ui::toolbarItem("save", ui::button(L("Save"), save).disabled(blank)),
            ui::toolbarItem("close", ui::button({}, "xmark", close).accessibilityLabel(L("Close"))),
        });
}

} // namespace zt
