#include "FilterAccountsView.h"

#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <algorithm>

namespace zt {

FilterAccountsView::FilterAccountsView(std::string title, std::vector<WidgetAccount> items,
                                       std::set<std::string> selection,
                                       std::function<void(const std::vector<std::string>&)> onDonePressed)
    : title_(std::move(title)), items_(std::move(items)), onDonePressed_(std::move(onDonePressed)) {
    state_->selection = std::move(selection);
}

std::vector<FilterAccountsView::SectionData> FilterAccountsView::sections() const {
    const auto& state = *state_;
    SectionData active{false, {}}, archivedSection{true, {}};
    for (const auto& account : items_) {
        if (!includes(state.usageFilterType, account.isBusinessAccount))
            continue;
        if (state.accountType && account.type != *state.accountType)
            continue;
        (account.isArchived ? archivedSection : active).items.push_back(account);
    }
    for (auto* section : {&active, &archivedSection}) {
        auto& list = section->items;
        if (state.sort == byName)
            std::stable_sort(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return a.name < b.name; });
        else if (state.sort == byBalance)
            std::stable_sort(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return a.balance > b.balance; });
    }
    std::vector<SectionData> out;
    for (auto* section : {&active, &archivedSection})
        if (!section->items.empty())
            out.push_back(std::move(*section));
    return out;
}

ui::View FilterAccountsView::body() const {
    const auto& state = *state_;
    std::vector<ui::View> content;
    for (const auto& section : sections()) {
        std::vector<ui::View> rows;
        for (const auto& account : section.items) {
            const bool selected = state.selection.contains(account.id);
            rows.push_back(ui::button(state_.action([id = account.id](State& s) {
                               if (!s.selection.erase(id))
                                   s.selection.insert(id);
                           }),
                                      {ui::hstack({ui::image(selected ? "checkmark.circle" : "circle"),
                                                   ui::text(account.name)})})
                               .id(account.id));
        }
        const auto header =
            format(section.isArchived ? L("Archived (%lld)", "Section of archived accounts and their number")
                                      : L("Active (%lld)", "Section of active accounts and their number"),
                   static_cast<long long>(section.items.size()));
        content.push_back(
            ui::section(header, std::move(rows)).id(section.isArchived ? "archived" : "active"));
    }
    if (content.empty())
        content.push_back(ui::emptyState(L("No accounts"), {}, "building.columns"));

    std::vector<ui::PickerOption> usage{
        {"personal", localized(AccountUsageFilterType::personal)},
        {"business", localized(AccountUsageFilterType::business)},
        {"all", L("Personal + Business")},
    };
    std::vector<ui::PickerOption> types{{"", L("All Types")}};
    for (const auto& [type, raw] : RawValues<AccountType>::cases)
        types.emplace_back(std::string(raw), localized(type));
    std::vector<ui::PickerOption> orders{
        {std::to_string(listOrder), L("Default", "Account order as the user arranged it")},
        {std::to_string(byName), L("Name", "Order accounts by name")},
        {std::to_string(byBalance), L("Balance", "Order accounts by balance")},
    };

    const auto done = state_.action([onDone = onDonePressed_, items = items_](State& s) {
        // In the order the accounts were given.
        std::vector<std::string> chosen;
        for (const auto& account : items)
            if (s.selection.contains(account.id))
                chosen.push_back(account.id);
        if (onDone)
            onDone(chosen);
    });

    return ui::navigationTitle(
        title_,
        {
            ui::list(std::move(content)),
            ui::toolbarItem(
                "options",
                ui::menu(L("Options"), "ellipsis",
                         {
                             ui::picker(L("Usage", "Account filter by personal or business use"), usage,
                                        std::string(rawValue(state.usageFilterType)),
                                        state_.action([](State& s, const std::string& raw) {
                                            s.usageFilterType =
                                                fromRawValue<AccountUsageFilterType>(raw).value_or(
                                                    AccountUsageFilterType::all);
                                        }))
                                 .id("usage"),
                             ui::picker(L("Account Type"), types,
                                        state.accountType ? std::string(rawValue(*state.accountType))
                                                          : std::string(),
                                        state_.action([](State& s, const std::string& raw) {
                                            s.accountType = fromRawValue<AccountType>(raw);
                                        }))
                                 .id("accountType"),
                             ui::picker(L("Sort"), orders, std::to_string(state.sort),
                                        state_.action([](State& s, const std::string& raw) {
                                            s.sort = raw == "1" ? byName : raw == "2" ? byBalance : listOrder;
                                        }))
                                 .id("sort"),
                         })),
            ui::toolbarItem("done", ui::button(L("Done"), done)),
        });
}

} // namespace zt
