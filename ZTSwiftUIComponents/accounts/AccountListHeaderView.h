#pragma once

#include "ZTSwiftUIComponents/accounts/AccountListStoreConforming.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <memory>

namespace zt {

/// The summary above the account list: net worth, assets, liabilities and how many accounts are
/// active and archived.
class AccountListHeaderView {
public:
    AccountListHeaderView(double assets, double liabilities, double total, NumberFormatter formatter,
                          std::size_t accountCount, std::size_t archivedAccounts);

    ui::View body() const;

private:
    double assets_;
    double liabilities_;
    double total_;
    NumberFormatter formatter_;
    std::size_t accountCount_;
    std::size_t archivedAccounts_;
};

/// The header of one group: its name and total, and a chevron that collapses or expands it
/// through the store.
class AccountListHeaderSectionView {
public:
    AccountListHeaderSectionView(std::shared_ptr<AccountListStoreConforming> store, AccountGroupItem group);

    ui::View body() const;

private:
    std::shared_ptr<AccountListStoreConforming> store_;
    AccountGroupItem group_;
};

} // namespace zt
