#include "AccountListAction.h"

namespace zt {

namespace {

AccountListAction withAccount(AccountListAction::Kind kind, WidgetAccount account) {
    AccountListAction action;
    action.kind = kind;
    action.account = std::move(account);
    return action;
}

const char* kindName(AccountListAction::Kind kind) {
    using Kind = AccountListAction::Kind;
    switch (kind) {
    case Kind::updateAccountBalance:
        return "updateAccountBalance";
    case Kind::archive:
        return "archive";
    case Kind::favorite:
        return "favorite";
    case Kind::edit:
        return "edit";
    case Kind::remove:
        return "delete";
    case Kind::nextPressed:
        return "nextPressed";
    case Kind::archivedAccountsPressed:
        return "archivedAccountsPressed";
    case Kind::exportPDF:
        return "exportPDF";
    case Kind::exportCSV:
        return "exportCSV";
    case Kind::newGroup:
        return "newGroup";
    case Kind::manageConnections:
        return "manageConnections";
    }
    return "unknown";
}

} // namespace

AccountListAction AccountListAction::updateAccountBalance(std::vector<std::string> identifiers) {
    AccountListAction action;
    action.kind = Kind::updateAccountBalance;
    action.identifiers = std::move(identifiers);
    return action;
}

AccountListAction AccountListAction::archive(WidgetAccount account) {
    return withAccount(Kind::archive, std::move(account));
}
AccountListAction AccountListAction::favorite(WidgetAccount account) {
    return withAccount(Kind::favorite, std::move(account));
}
AccountListAction AccountListAction::edit(WidgetAccount account) {
    return withAccount(Kind::edit, std::move(account));
}
AccountListAction AccountListAction::remove(WidgetAccount account) {
    return withAccount(Kind::remove, std::move(account));
}

AccountListAction AccountListAction::of(Kind kind) {
    AccountListAction action;
    action.kind = kind;
    return action;
}

std::string AccountListAction::id() const {
    std::string out = kindName(kind);
    if (account)
        out += "-" + account->id;
    for (std::size_t i = 0; i < identifiers.size(); ++i)
        out += (i == 0 ? "-" : ",") + identifiers[i];
    return out;
}

} // namespace zt
