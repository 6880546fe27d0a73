#include "AccountPickers.h"

#include "platform/StringTable.h"

namespace zt {

NewAccountTypePickerView::NewAccountTypePickerView(ui::Binding<std::optional<NewAccountTypePicker>> selection,
                                                   std::function<void()> dismiss)
    : selection_(std::move(selection)), dismiss_(std::move(dismiss)) {}

ui::View NewAccountTypePickerView::body() const {
    const auto choice = [this](NewAccountTypePicker value, std::string title, std::string detail,
                               std::string symbol) {
        return ui::button(
                   [selection = selection_, dismiss = dismiss_, value] {
                       selection(value);
                       if (dismiss)
                           dismiss();
                   },
                   {ui::hstack({ui::image(std::move(symbol)),
                                ui::vstack({ui::text(std::move(title)).font(ui::Font::headline),
                                            ui::text(std::move(detail)).secondary()})})})
            .id(std::string(rawValue(value)));
    };
    return ui::navigationTitle(
        L("New Account"),
        {ui::list({ui::section({
            choice(NewAccountTypePicker::online, L("Link Bank Account"),
                   L("Import transactions and account details automatically"), "link.circle"),
            choice(NewAccountTypePicker::manual, L("Add Manual Account"),
                   L("Manage account and transactions manually"), "plus.circle"),
        })})});
}

AccountGroupPickerView::AccountGroupPickerView(ui::Binding<std::optional<AccountGroupItem>> selection,
                                               std::vector<AccountGroupItem> groups)
    : selection_(std::move(selection)), groups_(std::move(groups)) {}

ui::View AccountGroupPickerView::body() const {
    std::vector<ui::PickerOption> options;
    for (const auto& group : groups_)
        options.emplace_back(group.id, group.name);
    const auto current = selection_();
    return ui::picker(L("Group"), std::move(options), current ? current->id : std::string(),
                      [selection = selection_, groups = groups_](const std::string& id) {
                          for (const auto& group : groups)
                              if (group.id == id)
                                  return selection(group);
                      })
        .id("group");
}

AccountTypePickerView::AccountTypePickerView(ui::Binding<AccountType> selection)
    : selection_(std::move(selection)) {}

ui::View AccountTypePickerView::body() const {
    std::vector<ui::PickerOption> options;
    for (const auto& [type, raw] : RawValues<AccountType>::cases)
        options.emplace_back(std::string(raw), localized(type));
    return ui::picker(L("Type", "Picker of the account type"), std::move(options),
                      std::string(rawValue(selection_())),
                      [selection = selection_](const std::string& raw) {
                          if (const auto type = fromRawValue<AccountType>(raw))
                              selection(*type);
                      })
        .id("accountType");
}

} // namespace zt
