#pragma once

namespace zt {

/// How many accounts and shortcuts the overview's cards show, as the user last chose them. Kept in
/// the environment's user defaults under keys every host shares, so that a user switching hosts
/// (the gallery's demo and database modes) keeps the choice.
class OverviewCardCounts {
public:
    static constexpr const char* visibleAccountsKey = "visibleAccountsInAccountCard";
    static constexpr const char* visibleShortcutsKey = "visibleShortcutsInShortcutCard";
    static constexpr int defaultVisibleAccounts = 5;
    static constexpr int defaultVisibleShortcuts = 4;

    /// Reads both counts, the defaults where none is stored.
    OverviewCardCounts();

    int visibleAccounts() const { return visibleAccounts_; }
    int visibleShortcuts() const { return visibleShortcuts_; }
    /// Assigns and stores.
    void setVisibleAccounts(int count);
    void setVisibleShortcuts(int count);

private:
    int visibleAccounts_;
    int visibleShortcuts_;
};

} // namespace zt
