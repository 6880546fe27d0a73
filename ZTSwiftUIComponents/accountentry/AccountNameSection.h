#pragma once

#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <string>

namespace zt {

/// The name field of the account form. Typing into it gives it the focus.
class AccountNameSection {
public:
    AccountNameSection(ui::Binding<std::string> name, std::string placeholder, ui::Binding<bool> isFocused);

    ui::View body() const;

private:
    ui::Binding<std::string> name_;
    std::string placeholder_;
    ui::Binding<bool> isFocused_;
};

} // namespace zt
