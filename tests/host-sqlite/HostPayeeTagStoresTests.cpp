#include "HostFileTest.h"
#include "host-sqlite/HostPayeeTagStores.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

class HostPayeeTagStoresTest : public test::HostFileTest {
protected:
    HostPayeeTagStoresTest() : HostFileTest("zt-host-payees") {}

    template <class List> static std::vector<std::string> names(const List& items) {
        std::vector<std::string> out;
        for (const auto& item : items)
            out.push_back(item->name().value_or("?"));
        return out;
    }
};

TEST_F(HostPayeeTagStoresTest, PayeesKeepEditsOrderAndDeletionsAcrossReopening) {
    HostPayeeDatabase payees(database);
    const auto corner = payees.saveNew("Corner Deli", 0);
    const auto quoted = payees.saveNew("O'Brien; DROP TABLE payees", 1);
    payees.saveNew("Morning Crust", 2);
    corner->setName("Corner Deli & Co");
    payees.save();
    payees.saveDisplayOrder({*quoted->id(), *corner->id()});
    const auto fetched = payees.fetchPayees();
    payees.deleteItems({*fetched.back()->id()}); // Morning Crust: order 2, last

    HostPayeeDatabase reopened(std::make_shared<HostDatabase>(file));
    EXPECT_EQ(names(reopened.fetchPayees()),
              (std::vector<std::string>{"O'Brien; DROP TABLE payees", "Corner Deli & Co"}));
}

TEST_F(HostPayeeTagStoresTest, TagsAreRenamedOrderedAndRecentByLastUse) {
    HostTagDatabase tags(database);
    tags.saveNewObject("#trip");
    pinned.queue->advance(60);
    tags.saveNewObject("#work");
    pinned.queue->advance(60);
    tags.saveNewObject("#trip"); // used again, not stored twice
    EXPECT_EQ(names(tags.fetchTags()), (std::vector<std::string>{"#trip", "#work"}));
    EXPECT_EQ(names(tags.recentTags()), (std::vector<std::string>{"#trip", "#work"}));

    pinned.queue->advance(60);
    tags.update("#work", "#office");
    EXPECT_EQ(names(tags.recentTags()), (std::vector<std::string>{"#office", "#trip"}));
    const auto all = tags.fetchTags();
    tags.saveDisplayOrder({*all[1]->id(), *all[0]->id()});
    EXPECT_EQ(names(tags.fetchTags()), (std::vector<std::string>{"#office", "#trip"}));
    tags.deleteItems({*all[0]->id()});
    EXPECT_EQ(names(HostTagDatabase(std::make_shared<HostDatabase>(file)).fetchTags()),
              std::vector<std::string>{"#office"});
}

} // namespace
} // namespace zt
