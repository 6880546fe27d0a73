#include "PayeeEntryView.h"

#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

PayeeEntryView::PayeeEntryView(bool isNew, std::function<void(const std::string&)> onSave,
                               std::string initialText)
    : isNew_(isNew), onSave_(std::move(onSave)), state_(State{std::move(initialText)}) {}

ui::View PayeeEntryView::body() const {
    const auto& text = state_->text;
    return ui::navigationTitle(
        isNew_ ? L("Payee") : L("Edit Payee"),
        {
            ui::list({ui::section({ui::textField(isNew_ ? L("Add new payee") : L("Edit name"), text,
                                                 state_.binding(&State::text))
                                       .id("payeeName")})}),
            ui::toolbarItem("save", ui::button(L("Save"), state_.action([onSave = onSave_](State& s) {
                                        if (onSave)
                                            onSave(s.text);
                                    })).disabled(isBlankName(text))),
        });
}

} // namespace zt
