#include "platform/DataDirectories.h"
#include "platform/StringTable.h"
#include "support/ScopedVariable.h"
#include "support/TemporaryDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zt;
using zt::test::ScopedVariable;
using zt::test::TemporaryDirectory;

// Programs of the build tree link the build's defaults: the compiled tables and the bundled
// catalogues must be where those say, or the preview and the tests would run untranslated.
TEST(DataDirectories, BuildTreeDefaultsHoldTheCompiledTablesAndTheCatalogues) {
    const DataDirectories directories = defaultDataDirectories();
    const std::filesystem::path tables = directories.stringTables;
    ASSERT_TRUE(tables.is_absolute()) << tables;
    for (const std::string_view domain : {libraryStringDomain, hostStringDomain})
        EXPECT_TRUE(
            std::filesystem::is_regular_file(tables / "de" / "LC_MESSAGES" / (std::string(domain) + ".mo")))
            << domain;

    const std::filesystem::path resources = directories.resources;
    ASSERT_TRUE(resources.is_absolute()) << resources;
    for (const char* catalogue : {"account-icons.json", "category-icons.json", "emoji.json"})
        EXPECT_TRUE(std::filesystem::is_regular_file(resources / catalogue)) << catalogue;
}

TEST(DataDirectories, StringTablesComeFromTheHostThenTheVariableThenTheDefault) {
    const std::string ownTables = defaultDataDirectories().stringTables;
    ScopedVariable unset("ZT_LOCALE_DIR", std::nullopt);
    EXPECT_EQ(stringTableDirectory(), ownTables);
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "Tage");
    {
        // An empty variable is no setting at all.
        ScopedVariable empty("ZT_LOCALE_DIR", "");
        EXPECT_EQ(stringTableDirectory(), ownTables);
    }

    const TemporaryDirectory noTables("zt-no-tables");
    ScopedVariable elsewhere("ZT_LOCALE_DIR", noTables.path().string());
    EXPECT_EQ(stringTableDirectory(), noTables.path().string());
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "days");

    // The host's choice wins over the variable until it is cleared.
    setStringTableDirectory(ownTables);
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "Tage");
    setStringTableDirectory("");
    EXPECT_EQ(stringTableDirectory(), noTables.path().string());
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "days");
}
