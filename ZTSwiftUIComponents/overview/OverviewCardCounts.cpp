#include "OverviewCardCounts.h"

#include "platform/Environment.h"

namespace zt {

namespace {

int storedCount(const char* key, int fallback) {
    return static_cast<int>(Environment::current().userDefaults().integer(key, fallback));
}

} // namespace

OverviewCardCounts::OverviewCardCounts()
    : visibleAccounts_(storedCount(visibleAccountsKey, defaultVisibleAccounts)),
      visibleShortcuts_(storedCount(visibleShortcutsKey, defaultVisibleShortcuts)) {}

void OverviewCardCounts::setVisibleAccounts(int count) {
    visibleAccounts_ = count;
    Environment::current().userDefaults().set(visibleAccountsKey, count);
}

void OverviewCardCounts::setVisibleShortcuts(int count) {
    visibleShortcuts_ = count;
    Environment::current().userDefaults().set(visibleShortcutsKey, count);
}

} // namespace zt
