#include "AccountListHeaderView.h"

#include "platform/StringTable.h"

namespace zt {

AccountListHeaderView::AccountListHeaderView(double assets, double liabilities, double total,
                                             NumberFormatter formatter, std::size_t accountCount,
                                             std::size_t archivedAccounts)
    : assets_(assets), liabilities_(liabilities), total_(total), formatter_(std::move(formatter)),
      accountCount_(accountCount), archivedAccounts_(archivedAccounts) {}

ui::View AccountListHeaderView::body() const {
    const auto line = [](std::string caption, std::string value, std::string id) {
        return ui::row(
            {ui::text(std::move(caption)), ui::spacer(), ui::text(std::move(value)).id(std::move(id))});
    };
    return ui::section(
               L("Summary", "Header of the accounts summary"),
               {
                   ui::figure(L("Net Worth"), formatter_.stringOrDash(total_), "netWorth", true),
                   line(L("Assets"), formatter_.stringOrDash(assets_), "assets"),
                   line(L("Liabilities"), formatter_.stringOrDash(liabilities_), "liabilities"),
                   line(L("Accounts"), format("%lld", static_cast<long long>(accountCount_)), "accountCount"),
                   line(L("Archived", "Number of archived accounts"),
                        format("%lld", static_cast<long long>(archivedAccounts_)), "archivedCount"),
               })
        .id("summary");
}

AccountListHeaderSectionView::AccountListHeaderSectionView(std::shared_ptr<AccountListStoreConforming> store,
                                                           AccountGroupItem group)
    : store_(std::move(store)), group_(std::move(group)) {}

ui::View AccountListHeaderSectionView::body() const {
    // The group as the store holds it when tapped, found by identifier: the store may have
    // changed since this header was drawn, and the header need not copy every account.
    return ui::button(
               [store = store_, id = group_.id] {
                   for (const auto& group : store->groups())
                       if (group.id == id)
                           return store->toggle(group);
               },
               {ui::hstack({
                   ui::text(group_.name).font(ui::Font::headline),
                   ui::spacer(),
                   ui::text(group_.amount).secondary(),
                   ui::image(group_.isCollapsed ? "chevron.right" : "chevron.down"),
               })})
        .id("header-" + group_.id);
}

} // namespace zt
