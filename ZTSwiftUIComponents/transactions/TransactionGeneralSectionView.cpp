#include "TransactionGeneralSectionView.h"

#include "platform/StringTable.h"

namespace zt {

ui::View TransactionGeneralSectionView::body() const {
    const auto noneString = L("None");
    const auto send = [perform = onShouldPerformAction](TransactionEditActionType::Kind kind) {
        return [perform, kind] {
            if (perform)
                perform(TransactionEditActionType::plain(kind));
        };
    };
    const auto row = [&](const std::string& id, const std::string& label,
                         const std::optional<std::string>& value, std::function<void()> action) {
        const auto shown = value && !value->empty() ? *value : noneString;
        auto content = std::vector<ui::View>{ui::text(label).secondary(), ui::spacer(), ui::text(shown)};
        if (!action)
            return ui::row(std::move(content)).id(id);
        return ui::row({ui::button(std::move(action), std::move(content))}).id(id);
    };
    using Kind = TransactionEditActionType::Kind;
    return ui::section(
               L("Transaction Details"),
               {
                   row("dateRow", L("Date"), formatter.string(date),
                       canEditDate ? std::function<void()>(send(Kind::date)) : std::function<void()>{}),
                   row("accountRow", L("Account"), account, send(Kind::account)),
                   row("categoryRow", L("Category"), category, send(Kind::category)),
                   row("subcategoryRow", L("Subcategory"), subcategory, send(Kind::category)),
                   row("payeeRow", L("Person / Company"), payee, send(Kind::payee)),
                   row("descriptionRow", L("Description"), description, send(Kind::description)),
               })
        .id("transactionDetails");
}

} // namespace zt
