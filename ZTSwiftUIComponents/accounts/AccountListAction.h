#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

/// What the user asked for on the accounts screen; the host answers it. Each action has an
/// identifier, so that it can drive a presentation.
struct AccountListAction {
    enum class Kind {
        updateAccountBalance,
        archive,
        favorite,
        edit,
        remove,
        nextPressed,
        archivedAccountsPressed,
        exportPDF,
        exportCSV,
        newGroup,
        manageConnections,
    };

    Kind kind = Kind::nextPressed;
    /// updateAccountBalance: the accounts whose balance to update.
    std::vector<std::string> identifiers;
    /// archive, favorite, edit and remove: the account.
    std::optional<WidgetAccount> account;

    static AccountListAction updateAccountBalance(std::vector<std::string> identifiers);
    static AccountListAction archive(WidgetAccount account);
    static AccountListAction favorite(WidgetAccount account);
    static AccountListAction edit(WidgetAccount account);
    static AccountListAction remove(WidgetAccount account);
    static AccountListAction of(Kind kind);

    /// "archive-<account id>", "updateAccountBalance-<id>,<id>", "exportCSV", …
    std::string id() const;

    bool operator==(const AccountListAction&) const = default;
};

} // namespace zt
