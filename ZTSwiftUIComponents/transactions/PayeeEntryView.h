#pragma once

#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt {

/// The editor of a payee's name, for a new payee or a renamed one. "Save" hands the name over
/// and stays disabled while the name is only white space.
class PayeeEntryView {
public:
    PayeeEntryView(bool isNew, std::function<void(const std::string&)> onSave, std::string initialText = {});

    ui::View body() const;

private:
    struct State {
        std::string text;
    };
    bool isNew_;
    std::function<void(const std::string&)> onSave_;
    ui::ScreenState<State> state_;
};

} // namespace zt
