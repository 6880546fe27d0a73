#include "AccountNameSection.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

AccountNameSection::AccountNameSection(ui::Binding<std::string> name, std::string placeholder,
                                       ui::Binding<bool> isFocused)
    : name_(std::move(name)), placeholder_(std::move(placeholder)), isFocused_(std::move(isFocused)) {}

ui::View AccountNameSection::body() const {
    return ui::section(L("Name", "Section of the account form"),
                       {ui::textField(placeholder_, name_(),
                                      [name = name_, isFocused = isFocused_](const std::string& text) {
                                          if (!isFocused())
                                              isFocused(true);
                                          name(text);
                                      })
                            .id("accountName")})
        .id("nameSection");
}

} // namespace zt
