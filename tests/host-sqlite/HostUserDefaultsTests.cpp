#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostUserDefaults.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// What the user chose on the overview is kept beside the database file and comes back with it.
class HostUserDefaultsTest : public test::PinnedTest {
protected:
    test::TemporaryDirectory folder{"zt-host-defaults"};
    std::string file = (folder / "host.sqlite").string();

    // A host started on file, as the gallery starts it: the database and its defaults together.
    template <class Use> void runHost(const std::string& path, Use use) {
        const Environment::Override withDefaults({.userDefaults = openHostUserDefaults(path)});
        HostOverviewDatabase overview(std::make_shared<HostDatabase>(path));
        use(overview);
    }
};

TEST_F(HostUserDefaultsTest, TheDefaultsFileSitsBesideTheDatabase) {
    EXPECT_EQ(hostUserDefaultsPath(folder / "a.sqlite"), folder / "a.sqlite-defaults.json");
    runHost(file, [](HostOverviewDatabase& overview) { overview.setVisibleAccountsInAccountCard(2); });
    EXPECT_TRUE(std::filesystem::exists(hostUserDefaultsPath(file)));
}

TEST_F(HostUserDefaultsTest, CardCountsChosenOnTheOverviewSurviveARestart) {
    runHost(file, [](HostOverviewDatabase& overview) {
        EXPECT_EQ(overview.visibleAccountsInAccountCard(), OverviewCardCounts::defaultVisibleAccounts);
        overview.setVisibleAccountsInAccountCard(2);
        overview.setVisibleShortcutsInShortcutCard(7);
    });
    runHost(file, [](HostOverviewDatabase& overview) {
        EXPECT_EQ(overview.visibleAccountsInAccountCard(), 2);
        EXPECT_EQ(overview.visibleShortcutsInShortcutCard(), 7);
    });
    // Another database keeps its own choice.
    runHost((folder / "other.sqlite").string(), [](HostOverviewDatabase& overview) {
        EXPECT_EQ(overview.visibleAccountsInAccountCard(), OverviewCardCounts::defaultVisibleAccounts);
        EXPECT_EQ(overview.visibleShortcutsInShortcutCard(), OverviewCardCounts::defaultVisibleShortcuts);
    });
}

} // namespace
} // namespace zt
