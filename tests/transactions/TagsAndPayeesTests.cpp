#include "ZTSwiftUIComponents/transactions/PayeeEntryView.h"
#include "ZTSwiftUIComponents/transactions/PayeeListView.h"
#include "ZTSwiftUIComponents/transactions/TagListView.h"
#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "ZTSwiftUIComponents/transactions/TagsEntryView.h"
#include "ZTSwiftUIComponents/transactions/TransactionDescriptionView.h"
#include "mocks/MockDatabase.h"
#include "mocks/MockTagDatabase.h"
#include "platform/Console.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

/// A tag store that holds given tags and records every call in order.
class TagStoreRecorder : public TagsDatabaseConformable {
public:
    std::vector<std::shared_ptr<TagsConformable>> stored;
    std::vector<std::string> calls;
    std::vector<std::vector<std::string>> orders;

    void saveNewObject(const std::string& tag) override {
        calls.push_back("new " + tag);
        stored.push_back(std::make_shared<MockTag>("n" + std::to_string(stored.size()), tag, 99));
    }
    void update(const std::string& oldTag, const std::string& newTag) override {
        calls.push_back("update " + oldTag + " -> " + newTag);
        for (const auto& t : stored)
            if (t->name() == oldTag)
                t->setName(newTag);
    }
    void deleteItems(const std::vector<std::string>& ids) override {
        calls.push_back("delete " + std::to_string(ids.size()));
        orders.push_back(ids);
    }
    void saveDisplayOrder(const std::vector<std::string>& ids) override {
        calls.push_back("order");
        orders.push_back(ids);
    }
    std::vector<std::shared_ptr<TagsConformable>> fetchTags() override { return stored; }
    std::vector<std::shared_ptr<TagsConformable>> recentTags() override { return {}; }
};

class PayeeStoreRecorder : public DatabaseConformable {
public:
    std::vector<std::shared_ptr<PayeeConformable>> stored;
    std::vector<std::string> calls;
    std::vector<std::vector<std::string>> orders;

    std::shared_ptr<PayeeConformable> saveNew(const std::string& payee, int order) override {
        calls.push_back("new " + payee + " " + std::to_string(order));
        stored.push_back(std::make_shared<MockPayee>("p" + std::to_string(stored.size()), payee, order));
        return stored.back();
    }
    void save() override { calls.push_back("save"); }
    void deleteItems(const std::vector<std::string>& ids) override {
        calls.push_back("delete");
        orders.push_back(ids);
    }
    void saveDisplayOrder(const std::vector<std::string>& ids) override {
        calls.push_back("order");
        orders.push_back(ids);
    }
    std::vector<std::shared_ptr<PayeeConformable>> fetchPayees() override { return stored; }
};

std::shared_ptr<MockTag> tagOf(std::optional<std::string> id, std::optional<std::string> name,
                               std::optional<int> position = std::nullopt) {
    return std::make_shared<MockTag>(std::move(id), std::move(name), position);
}

std::shared_ptr<MockPayee> payeeOf(std::optional<std::string> id, std::optional<std::string> name,
                                   std::optional<int> order = std::nullopt) {
    return std::make_shared<MockPayee>(std::move(id), std::move(name), order);
}

template <class Items> std::vector<std::string> namesOf(const Items& items) {
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(item->name().value_or("-"));
    return names;
}

class TagsAndPayeesTest : public PinnedTest {
protected:
    std::shared_ptr<TagStoreRecorder> tagStore = std::make_shared<TagStoreRecorder>();
    std::shared_ptr<PayeeStoreRecorder> payeeStore = std::make_shared<PayeeStoreRecorder>();
    ConsoleCapture console;

    void storeSort(SortEntity entity, Sort sort) { SortControllerState(entity).save(sort); }
};

} // namespace

TEST(TagNameTest, SanitisingPrefixesOnceAndTurnsEveryWhitespaceIntoAnUnderscore) {
    EXPECT_EQ(sanitizedTagText("coffee beans"), "#coffee_beans");
    EXPECT_EQ(sanitizedTagText("#trip"), "#trip");
    EXPECT_EQ(sanitizedTagText("  "), "#__");
    EXPECT_EQ(sanitizedTagText(""), "#");
    EXPECT_EQ(sanitizedTagText("a\tb\nc"), "#a_b_c");
    EXPECT_EQ(sanitizedTagText("a\r\nb"), "#a_b"); // one line break, one underscore
    EXPECT_EQ(sanitizedTagText("caf\xC3\xA9\xC2\xA0"
                               "au lait"),
              "#caf\xC3\xA9_au_lait");
    EXPECT_EQ(sanitizedTagText(" #x"), "#_#x"); // only a leading "#" counts
}

TEST(TagNameTest, HashtagRemovalNamesAndJoining) {
    EXPECT_EQ(tagNameWithoutTheHashtag("#trip"), "trip");
    EXPECT_EQ(tagNameWithoutTheHashtag("##trip"), "#trip");
    EXPECT_EQ(tagNameWithoutTheHashtag("trip"), "trip");
    EXPECT_EQ(tagNameWithoutTheHashtag(""), "");
    EXPECT_EQ(sanitizedName(*tagOf("1", std::nullopt)), "N/A");
    EXPECT_EQ(sanitizedName(*tagOf("1", "road trip")), "#road_trip");
    EXPECT_EQ(joinedHashtags({tagOf("1", "road trip"), tagOf("2", std::nullopt), tagOf("3", "#work")}),
              "#road_trip N/A #work");
    EXPECT_EQ(joinedHashtags({}), "");
    EXPECT_EQ(lowercasedName("\xC3\x9C"
                             "BER Caf\xC3\x89"),
              "\xC3\xBC"
              "ber caf\xC3\xA9");
    EXPECT_TRUE(isBlankName(" \n\t"));
    EXPECT_FALSE(isBlankName(" x "));
}

TEST(GenerateButtonSwitchTest, OnlyTheExactLaunchArgumentSwitchesItOn) {
    EXPECT_TRUE(isGenerateAIButtonVisible(ProcessInfo({"app", "-isGenerateAIButtonVisible"})));
    EXPECT_FALSE(isGenerateAIButtonVisible(ProcessInfo({"app"})));
    EXPECT_FALSE(isGenerateAIButtonVisible(ProcessInfo({"app", "--isGenerateAIButtonVisible"})));
    EXPECT_FALSE(isGenerateAIButtonVisible(ProcessInfo({"app", "-isGenerateAIButtonVisible=YES"})));
    const char* argv[] = {"app", "x", "-isGenerateAIButtonVisible"};
    ProcessInfo info;
    info.setArguments(3, argv);
    EXPECT_TRUE(isGenerateAIButtonVisible(info));
}

TEST_F(TagsAndPayeesTest, DescriptionModelAddsATagOnceIgnoresOneWithoutIdentifierAndRemovesByIdentifier) {
    TransactionDescriptionViewModel vm("lunch");
    int changes = 0;
    const auto sub = vm.objectWillChange.observe([&] { ++changes; });
    const auto trip = tagOf("1", "#trip");
    vm.add(trip);
    vm.add(tagOf("1", "#trip again"));
    vm.add(tagOf(std::nullopt, "#loose"));
    vm.add(tagOf("2", "#work"));
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("#trip", "#work"));
    EXPECT_EQ(vm.tagsIdentifiers(), (std::set<std::string>{"1", "2"}));
    EXPECT_GT(changes, 0);

    vm.remove(tagOf("1", "other name, same identifier"));
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("#work"));
    EXPECT_EQ(vm.tagsIdentifiers(), (std::set<std::string>{"2"}));
    vm.remove(tagOf(std::nullopt, "#work"));
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("#work"));

    std::vector<std::string> saved;
    vm.onDidSave = [&](const std::shared_ptr<PayeeConformable>& payee, const auto& tags,
                       const std::string& text) {
        saved = {payee ? payee->name().value_or("") : "none", std::to_string(tags.size()), text};
    };
    vm.payee.set(payeeOf("p", "Market"));
    vm.save();
    EXPECT_THAT(saved, ElementsAre("Market", "1", "lunch"));
}

TEST_F(TagsAndPayeesTest, TagSearchMatchesHashtagPrefixesIgnoringCaseWithItsDiagnostics) {
    tagStore->stored = {tagOf("1", "#trip", 0), tagOf("2", "Travel", 1), tagOf("3", std::nullopt, 2),
                        tagOf("4", "#work trip", 3)};
    TagListViewModel vm(tagStore);
    console.clear();
    vm.searchText.set("Tr");
    EXPECT_THAT(vm.searchResults(), ElementsAre("#trip", "#Travel"));
    EXPECT_THAT(console.lines(),
                ElementsAre("Sanitized search string is: #tr", "#trip, #Travel, N/A, #work_trip"));

    vm.searchText.set("work t");
    EXPECT_THAT(vm.searchResults(), ElementsAre("#work_trip"));
    vm.searchText.set("#TRIP");
    EXPECT_THAT(vm.searchResults(), ElementsAre("#trip"));
    vm.searchText.set("n/a");
    EXPECT_THAT(vm.searchResults(), IsEmpty()); // "#n/a" is not a prefix of "N/A"
    vm.searchText.set("");
    EXPECT_THAT(vm.searchResults(), ElementsAre("#trip", "Travel", "3", "#work trip"));
}

TEST_F(TagsAndPayeesTest, PayeeSearchMatchesNamePrefixesIgnoringCase) {
    payeeStore->stored = {payeeOf("1", "Supermarket", 0), payeeOf("2", "Market", 1),
                          payeeOf("3", std::nullopt, 2), payeeOf("4", "MAIN STREET CAF\xC3\x89", 3)};
    PayeeListViewModel vm(payeeStore);
    vm.searchText.set("ma");
    EXPECT_THAT(vm.searchResults(), ElementsAre("Market", "MAIN STREET CAF\xC3\x89"));
    vm.searchText.set("main street caf\xC3\xA9");
    EXPECT_THAT(vm.searchResults(), ElementsAre("MAIN STREET CAF\xC3\x89"));
    vm.searchText.set("");
    EXPECT_THAT(vm.searchResults(), ElementsAre("Supermarket", "Market", "", "MAIN STREET CAF\xC3\x89"));
    vm.searchText.set("x");
    EXPECT_THAT(vm.searchResults(), IsEmpty());
}

TEST_F(TagsAndPayeesTest, SortsAreStableAndCountMissingPositionsAsZeroAndMissingNamesAsEmpty) {
    tagStore->stored = {tagOf("a", "b", 1), tagOf("b", std::nullopt, std::nullopt), tagOf("c", "A", 0),
                        tagOf("d", "a", std::nullopt)};
    TagListViewModel vm(tagStore);
    EXPECT_EQ(vm.sort(), (Sort{SortType::userDefined, true}));
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("-", "A", "a", "b"));
    vm.updateSort({SortType::userDefined, false});
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("b", "-", "A", "a"));
    vm.updateSort({SortType::alphabetically, true});
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("-", "A", "a", "b"));
    vm.updateSort({SortType::alphabetically, false});
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("b", "A", "a", "-"));

    payeeStore->stored = {payeeOf("1", "Zoo", 2), payeeOf("2", "apple", std::nullopt),
                          payeeOf("3", "Bank", 1)};
    storeSort(SortEntity::payees, {SortType::alphabetically, true});
    PayeeListViewModel payees(payeeStore);
    EXPECT_THAT(namesOf(payees.payees()), ElementsAre("apple", "Bank", "Zoo"));
    payees.updateSort({SortType::userDefined, true});
    EXPECT_THAT(namesOf(payees.payees()), ElementsAre("apple", "Bank", "Zoo"));
    payees.updateSort({SortType::userDefined, false});
    EXPECT_THAT(namesOf(payees.payees()), ElementsAre("Zoo", "Bank", "apple"));
}

TEST_F(TagsAndPayeesTest, UpdateSortPrintsAndIsRememberedPerList) {
    TagListViewModel tags(tagStore);
    console.clear();
    tags.updateSort({SortType::alphabetically, false});
    EXPECT_THAT(console.lines(), ElementsAre("updateSort(sort:)"));
    EXPECT_EQ(TagListViewModel(tagStore).sort(), (Sort{SortType::alphabetically, false}));
    EXPECT_EQ(PayeeListViewModel(payeeStore).sort(), (Sort{SortType::userDefined, true}));
}

TEST_F(TagsAndPayeesTest, MovesStoreEveryIdentifierOnceAndOnlyUnderTheUsersOrder) {
    tagStore->stored = {tagOf("1", "#a", 0), tagOf(std::nullopt, "#b", 1), tagOf("3", "#c", 2)};
    TagListViewModel vm(tagStore);
    vm.move({2}, 0);
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("#c", "#a", "#b"));
    EXPECT_THAT(tagStore->calls, ElementsAre("order"));
    EXPECT_THAT(tagStore->orders.back(), ElementsAre("3", "1", ""));

    vm.updateSort({SortType::alphabetically, true});
    tagStore->calls.clear();
    vm.move({0}, 3);
    EXPECT_THAT(namesOf(vm.tags()), ElementsAre("#a", "#b", "#c"));
    EXPECT_THAT(tagStore->calls, IsEmpty());

    payeeStore->stored = {payeeOf("1", "A", 0), payeeOf("2", "B", 1), payeeOf("3", "C", 2)};
    PayeeListViewModel payees(payeeStore);
    payees.move({0, 1}, 3);
    EXPECT_THAT(namesOf(payees.payees()), ElementsAre("C", "A", "B"));
    EXPECT_THAT(payeeStore->calls, ElementsAre("order"));
    EXPECT_THAT(payeeStore->orders.back(), ElementsAre("3", "1", "2"));
}

TEST_F(TagsAndPayeesTest, DeletionRemovesRowsTellsTheStoreAndDropsADeletedSelection) {
    payeeStore->stored = {payeeOf("1", "A", 0), payeeOf("2", "B", 1), payeeOf("3", "C", 2)};
    PayeeListViewModel vm(payeeStore);
    vm.selectedPayee.set(vm.payees()[1]);
    vm.deleteItems({"2", "9"});
    EXPECT_THAT(namesOf(vm.payees()), ElementsAre("A", "C"));
    EXPECT_THAT(payeeStore->orders.back(), ElementsAre("2", "9"));
    EXPECT_EQ(vm.selectedPayee(), nullptr);

    tagStore->stored = {tagOf("1", "#a", 0), tagOf("2", "#b", 1)};
    TagListViewModel tags(tagStore);
    tags.selectedTag.set(tags.tags()[0]);
    tags.deleteItems({"2"});
    EXPECT_THAT(namesOf(tags.tags()), ElementsAre("#a"));
    EXPECT_NE(tags.selectedTag(), nullptr);
}

TEST_F(TagsAndPayeesTest, SearchOnOpeningIsPersistedUnderEachListsKey) {
    EXPECT_FALSE(TagListViewModel(tagStore).isSearchPresented());
    TagListViewModel tags(tagStore);
    tags.setShowSearchOnAppear(true);
    EXPECT_TRUE(pinned.defaults->boolean("showTagSearchOnAppear"));
    EXPECT_FALSE(pinned.defaults->contains("showPayeeSearchOnAppear"));
    EXPECT_TRUE(TagListViewModel(tagStore).isSearchPresented());
    EXPECT_FALSE(PayeeListViewModel(payeeStore).isSearchPresented());
    pinned.defaults->set("showPayeeSearchOnAppear", true);
    EXPECT_TRUE(PayeeListViewModel(payeeStore).isSearchPresented());
}

TEST_F(TagsAndPayeesTest, CreatingAndRenamingGoThroughTheStoreAndRefuseBlankNames) {
    TagListViewModel tags(tagStore);
    EXPECT_FALSE(tags.addTag("  "));
    EXPECT_FALSE(tags.addTag("#"));
    EXPECT_TRUE(tags.addTag("coffee beans"));
    ASSERT_EQ(tags.tags().size(), 1u);
    EXPECT_TRUE(tags.rename(tags.tags()[0], "#beans"));
    EXPECT_THAT(tagStore->calls, ElementsAre("new #coffee_beans", "update #coffee_beans -> #beans"));
    EXPECT_THAT(namesOf(tags.tags()), ElementsAre("#beans"));

    payeeStore->stored = {payeeOf("1", "A", 4)};
    PayeeListViewModel payees(payeeStore);
    EXPECT_EQ(payees.addPayee(" \n"), nullptr);
    const auto created = payees.addPayee("Bakery");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->displayOrder(), 5); // after the highest position
    EXPECT_TRUE(payees.rename(created, "Baker"));
    EXPECT_THAT(payeeStore->calls, ElementsAre("new Bakery 5", "save"));
    EXPECT_THAT(namesOf(payees.payees()), ElementsAre("A", "Baker"));
}

TEST_F(TagsAndPayeesTest, DemoStoresHoldFourItemsAndPrintTheirWrites) {
    MockTagDatabase tags;
    const auto fetched = tags.fetchTags();
    ASSERT_EQ(fetched.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fetched[i]->id(), std::to_string(i));
        EXPECT_EQ(fetched[i]->orderPosition(), i);
        EXPECT_EQ(fetched[i]->name()->front(), '#');
    }
    EXPECT_THAT(tags.recentTags(), ElementsAre(fetched[0], fetched[1]));
    tags.saveNewObject("#new");
    tags.update("#new", "#newer");
    tags.deleteItems({"0"});
    tags.saveDisplayOrder({"3", "1"});
    EXPECT_THAT(console.lines(),
                ElementsAre("saveNewObject(tag:)", "update(oldTag:to:)", "delete(itemsWithIdentifiers:)",
                            "saveDisplayOrder(itemsWithIdentifiers:)"));
    EXPECT_EQ(tags.fetchTags().size(), 4u);
    EXPECT_EQ(fetched[3]->orderPosition(), 0);

    console.clear();
    MockDatabase payees;
    const auto list = payees.fetchPayees();
    ASSERT_EQ(list.size(), 4u);
    std::set<std::string> ids;
    for (int i = 0; i < 4; ++i) {
        ids.insert(*list[i]->id());
        EXPECT_EQ(list[i]->displayOrder(), i);
    }
    EXPECT_EQ(ids.size(), 4u);
    payees.deleteItems({*list[0]->id()});
    payees.saveDisplayOrder({*list[2]->id()});
    EXPECT_THAT(console.lines(),
                ElementsAre("delete(itemsWithIdentifiers:)", "saveDisplayOrder(itemsWithIdentifiers:)"));
    EXPECT_EQ(payees.fetchPayees().size(), 3u);
}

TEST_F(TagsAndPayeesTest, EmptyListsShowTheirEmptyStateAndHintsShowUnderRows) {
    TagListView emptyTags(std::make_shared<TagListViewModel>(tagStore));
    auto body = emptyTags.body();
    EXPECT_TRUE(ui::exists(body, "No tags"));
    EXPECT_TRUE(ui::exists(body, "Tap the + button to create one."));
    PayeeListView emptyPayees(std::make_shared<PayeeListViewModel>(payeeStore));
    EXPECT_TRUE(ui::exists(emptyPayees.body(), "No payees."));

    tagStore->stored = {tagOf("1", "#trip", 0)};
    payeeStore->stored = {payeeOf("1", "Market", 0)};
    body = TagListView(std::make_shared<TagListViewModel>(tagStore)).body();
    EXPECT_TRUE(ui::exists(body, "Swipe left to edit or delete a tag"));
    EXPECT_FALSE(ui::exists(body, "No tags"));
    body = PayeeListView(std::make_shared<PayeeListViewModel>(payeeStore)).body();
    EXPECT_TRUE(ui::exists(body, "Swipe left to edit or delete a payee"));
}

TEST_F(TagsAndPayeesTest, ListScreenSelectsSearchesDeletesAndMovesOnlyUnderTheUsersOrder) {
    tagStore->stored = {tagOf("1", "#trip", 0), tagOf("2", "#work", 1), tagOf("3", "#travel", 2)};
    const auto vm = std::make_shared<TagListViewModel>(tagStore);
    std::vector<std::string> selected;
    TagListView screen(
        vm, [&](const std::shared_ptr<TagsConformable>& tag) { selected.push_back(*tag->name()); });

    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("searchField")));
    ui::press(screen.body(), ui::byAccessibilityLabel("Search"));
    ui::typeText(screen.body(), ui::byId("searchField"), "tr");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "#travel"));
    EXPECT_FALSE(ui::exists(body, "#work"));
    ui::press(body, "#travel");
    EXPECT_THAT(selected, ElementsAre("#travel"));
    EXPECT_EQ(vm->selectedTag(), tagStore->stored[2]);

    ui::typeText(screen.body(), ui::byId("searchField"), "");
    ui::press(screen.body(), ui::byId("edit"));
    ASSERT_TRUE(ui::exists(screen.body(), "Move Down"));
    body = screen.body();
    ui::press(ui::find(body, ui::byId("1")), "Move Down");
    EXPECT_THAT(namesOf(vm->tags()), ElementsAre("#work", "#trip", "#travel"));
    EXPECT_THAT(tagStore->calls, ElementsAre("order"));

    ui::choose(screen.body(), ui::byId("sortType"), "Alphabetically");
    EXPECT_FALSE(ui::exists(screen.body(), "Move Down"));
    ui::press(screen.body(), ui::byId("select-2"));
    ui::press(screen.body(), ui::byAccessibilityLabel("Delete"));
    EXPECT_THAT(namesOf(vm->tags()), ElementsAre("#travel", "#trip"));
    EXPECT_THAT(tagStore->orders.back(), ElementsAre("2"));

    ui::flip(screen.body(), ui::byId("searchOnStart"));
    EXPECT_TRUE(pinned.defaults->boolean("showTagSearchOnAppear"));
}

TEST_F(TagsAndPayeesTest, TagEditorShowsTheHashtagAndSavesThroughTheStore) {
    const auto vm = std::make_shared<TagListViewModel>(tagStore);
    TagListView screen(vm);
    ui::press(screen.body(), ui::byAccessibilityLabel("Add tag"));
    auto body = screen.body();
    EXPECT_TRUE(ui::findAs<ui::Button>(body, "Save").enabled == false);
    ui::typeText(body, ui::byId("tagName"), "road trip");
    body = screen.body();
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("tagPreview")).content, "#road_trip");
    ui::press(body, "Save");
    EXPECT_THAT(tagStore->calls, ElementsAre("new #road_trip"));
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("tagName")));
    EXPECT_TRUE(ui::exists(screen.body(), "#road_trip"));
}

TEST_F(TagsAndPayeesTest, PayeeEditorTitlesPlaceholdersAndSave) {
    std::vector<std::string> saved;
    PayeeEntryView created(true, [&](const std::string& name) { saved.push_back(name); });
    auto body = created.body();
    EXPECT_TRUE(ui::exists(body, "Payee"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("payeeName")).placeholder, "Add new payee");
    EXPECT_FALSE(ui::findAs<ui::Button>(body, "Save").enabled);
    ui::typeText(body, ui::byId("payeeName"), "Bakery");
    ui::press(created.body(), "Save");
    EXPECT_THAT(saved, ElementsAre("Bakery"));

    PayeeEntryView edited(false, [](const std::string&) {});
    body = edited.body();
    EXPECT_TRUE(ui::exists(body, "Edit Payee"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("payeeName")).placeholder, "Edit name");
}

TEST_F(TagsAndPayeesTest, DescriptionEditorPicksPayeeAndTagsFromItsListsAndHandsThemOver) {
    tagStore->stored = {tagOf("1", "#trip", 0), tagOf("2", "#work", 1)};
    payeeStore->stored = {payeeOf("1", "Market", 0)};
    const auto vm = std::make_shared<TransactionDescriptionViewModel>("");
    std::vector<std::string> events;
    TransactionDescriptionView view(
        vm, [&] { events.push_back("dismiss"); }, payeeStore, tagStore);
    view.onTagsWillAppear = [&] { events.push_back("tags will appear"); };
    vm->onDidSave = [&](const auto& payee, const auto& tags, const std::string& text) {
        events.push_back(payee->name().value_or("") + " " + joinedHashtags(tags) + " " + text);
    };

    auto body = view.body();
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("descriptionText")).placeholder,
              "Enter description here");
    EXPECT_FALSE(ui::exists(body, ui::byId("generateDescription")));
    ui::typeText(body, ui::byId("descriptionText"), "Lunch");
    ui::press(view.body(), "Add tag");
    ui::press(view.body(), "#work");
    ui::press(view.body(), "Add tag");
    ui::press(view.body(), "#work"); // already there: still one
    ui::press(view.body(), "Add payee");
    ui::press(view.body(), "Market");
    body = view.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("tag-2")));
    EXPECT_EQ(ui::findAs<ui::Label>(body, ui::byId("payee")).title, "Market");
    ui::press(body, "Done");
    EXPECT_THAT(events, ElementsAre("tags will appear", "tags will appear", "Market #work Lunch", "dismiss"));
}

TEST_F(TagsAndPayeesTest, DescriptionEditorCreatesAPayeeOnTheSpotAndWithoutStoresOffersNoRows) {
    const auto vm = std::make_shared<TransactionDescriptionViewModel>("");
    TransactionDescriptionView view(vm, {}, payeeStore, tagStore);
    ui::press(view.body(), "New payee");
    ui::typeText(view.body(), ui::byId("payeeName"), "Kiosk");
    ui::press(view.body(), "Save");
    ASSERT_NE(vm->payee(), nullptr);
    EXPECT_EQ(vm->payee()->name(), "Kiosk");
    EXPECT_THAT(payeeStore->calls, ElementsAre("new Kiosk 0"));
    EXPECT_FALSE(ui::exists(view.body(), ui::byId("payeeName")));

    const auto body = TransactionDescriptionView(vm, {}).body();
    EXPECT_FALSE(ui::exists(body, "Add tag"));
    EXPECT_FALSE(ui::exists(body, "Add payee"));
}
