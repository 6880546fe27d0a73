#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "ZTSwiftUIComponents/host/ResourceDirectory.h"
#include "platform/DataDirectories.h"
#include "support/ScopedVariable.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

using namespace zt;
using zt::test::ScopedVariable;
using zt::test::TemporaryDirectory;

TEST(ResourceDirectory, CataloguesComeFromTheHostThenTheVariableThenTheDefault) {
    const std::string ownResources = defaultDataDirectories().resources;
    ScopedVariable unset("ZT_RESOURCE_DIR", std::nullopt);
    EXPECT_EQ(resourceDirectory(), ownResources);
    EXPECT_GE(BundleIconPickerDataSource("account-icons").icons().size(), 20u);
    {
        ScopedVariable empty("ZT_RESOURCE_DIR", "");
        EXPECT_EQ(resourceDirectory(), ownResources);
    }

    // A host's own catalogue of the same name replaces the bundled one.
    const TemporaryDirectory hostBundle("zt-host-bundle");
    TemporaryDirectory::write(hostBundle / "account-icons.json",
                              R"({"icons": [{"name": "star.fill", "group": "Other"}]})");
    ScopedVariable fromVariable("ZT_RESOURCE_DIR", hostBundle.path().string());
    EXPECT_EQ(resourceDirectory(), hostBundle.path().string());
    EXPECT_EQ(BundleIconPickerDataSource("account-icons").icons(),
              (std::vector<Icon>{{"star.fill", "Other", {}}}));

    setResourceDirectory(ownResources);
    EXPECT_GE(BundleIconPickerDataSource("account-icons").icons().size(), 20u);
    setResourceDirectory("");
    EXPECT_EQ(resourceDirectory(), hostBundle.path().string());
}
