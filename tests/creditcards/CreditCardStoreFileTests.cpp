// The card store on a store file that is damaged, unreadable for a while, or written by a process
// that is killed: no intact card is ever lost, and no file is overwritten without being kept.
#include "ZTSwiftUIComponents/creditcards/CreditCardDatabaseUbiquitousStore.h"
#include "platform/AtomicFile.h"
#include "platform/FileKeyValueStore.h"
#include "platform/Logger.h"
#include "support/KillLoop.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <array>
#include <csignal>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace zt;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using Card = CreditCard<CCTransaction>;

namespace {

// About 290 bytes each, as a card with a few transactions is.
Card card(const std::string& id, double balance = 250) {
    return Card(id, "Everyday card " + id, 2500, balance, "EUR",
                DateInterval{Date(763686000), Date(766360799)}, 9, "creditcard",
                {CCTransaction(Date(763772400), 12.5), CCTransaction(Date(763858800), 99.99),
                 CCTransaction(Date(763945200), -20)});
}

class CreditCardStoreFile : public zt::test::PinnedTest {
protected:
    // Thousands of files are written: a killed process loses nothing without syncing either.
    void SetUp() override { AtomicFile::setSyncForTesting(false); }
    void TearDown() override {
        AtomicFile::setSyncForTesting(true);
        AtomicFile::setBeforeReplaceHookForTesting({});
    }

    /// The file a store writes for cards A, B and C, and where each card's bytes lie in it.
    std::string threeCardFile() {
        auto kvs = std::make_shared<FileKeyValueStore>(file);
        CreditCardDatabaseUbiquitousStore store(kvs);
        for (const auto* id : {"A", "B", "C"})
            store.create(card(id));
        const std::string bytes = zt::test::TemporaryDirectory::read(file);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto json = card(ids[i]).dataRepresentation();
            cardBegin[i] = bytes.find(json);
            cardEnd[i] = cardBegin[i] + json.size();
        }
        return bytes;
    }

    /// Only the store file, holding bytes.
    void place(const std::string& bytes) {
        for (const auto& entry : fs::directory_iterator(temporary.path()))
            fs::remove_all(entry.path());
        zt::test::TemporaryDirectory::write(file, bytes);
    }

    /// Damage at every offset is read back; a write is tried where damage differs in kind (the
    /// file's header, around each card's edges, the end) and at a stride, since each replacement
    /// of a file waits for the disk.
    bool writesAt(std::size_t at, std::size_t size) const {
        const auto near = [&](std::size_t edge, std::size_t reach) {
            return at + reach >= edge && at <= edge + reach;
        };
        bool result = at < 16 || at % 31 == 0 || at + 3 > size;
        for (std::size_t i = 0; i < 3; ++i)
            result = result || near(cardBegin[i], 3) || near(cardEnd[i], 1);
        return result;
    }

    static std::vector<std::string> retrieved(CreditCardDatabaseUbiquitousStore& store) {
        std::vector<std::string> result;
        store.retrieveCards([&](const std::optional<std::vector<CreditCardDatabase::Card>>& cards) {
            for (const auto& c : *cards)
                result.push_back(c->identifier());
        });
        return result;
    }
    /// The cards a fresh store reads from the file.
    std::vector<std::string> stored() const {
        CreditCardDatabaseUbiquitousStore store(std::make_shared<FileKeyValueStore>(file));
        return retrieved(store);
    }
    /// The contents of the files kept aside.
    std::vector<std::string> keptAside() const {
        std::vector<std::string> contents;
        for (const auto& name : temporary.entries())
            if (name.find(".damaged-") != std::string::npos)
                contents.push_back(zt::test::TemporaryDirectory::read(temporary.path() / name));
        return contents;
    }

    zt::test::TemporaryDirectory temporary{"zt-cardfile"};
    fs::path file = temporary.path() / "store.cbor";
    const std::array<std::string, 3> ids{"A", "B", "C"};
    std::array<std::size_t, 3> cardBegin{};
    std::array<std::size_t, 3> cardEnd{};
};

} // namespace

TEST_F(CreditCardStoreFile, EveryCutKeepsTheCardsBeforeItAndTheCutFileAside) {
    const std::string whole = threeCardFile();
    LogCapture quiet;
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(whole.size()));
        const std::string damaged = whole.substr(0, cut);
        place(damaged);
        std::vector<std::string> intact;
        for (std::size_t i = 0; i < 3; ++i)
            if (cardEnd[i] <= cut)
                intact.push_back(ids[i]);

        CreditCardDatabaseUbiquitousStore store(std::make_shared<FileKeyValueStore>(file));
        ASSERT_EQ(retrieved(store), intact);
        if (!writesAt(cut, whole.size()))
            continue;
        store.create(card("D"));
        intact.push_back("D");
        ASSERT_EQ(stored(), intact);
        // Only an empty file, or the card map without what follows it, is whole.
        const bool complete = cut == 0 || cut == cardEnd[2];
        ASSERT_EQ(keptAside(), complete ? std::vector<std::string>{} : std::vector{damaged});
    }
}

TEST_F(CreditCardStoreFile, AFlippedByteLosesAtMostTheCardItLiesIn) {
    const std::string whole = threeCardFile();
    LogCapture quiet;
    for (std::size_t at = 0; at < whole.size(); ++at) {
        SCOPED_TRACE("byte " + std::to_string(at) + " of " + std::to_string(whole.size()));
        std::string damaged = whole;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xff);
        place(damaged);
        std::vector<std::string> intact;
        for (std::size_t i = 0; i < 3; ++i)
            if (at < cardBegin[i] || at >= cardEnd[i])
                intact.push_back(ids[i]);

        CreditCardDatabaseUbiquitousStore store(std::make_shared<FileKeyValueStore>(file));
        ASSERT_EQ(retrieved(store), intact);
        if (!writesAt(at, whole.size()))
            continue;
        store.update(card("A", 7));
        std::erase(intact, "A");
        intact.push_back("A");
        ASSERT_EQ(stored(), intact);
        ASSERT_EQ(keptAside(), std::vector{damaged});
    }
}

TEST_F(CreditCardStoreFile, AChangeMadeWhileTheFileWasUnreadableIsAppliedToItLater) {
    threeCardFile();
    const auto saved = temporary.path() / "saved";
    fs::rename(file, saved);
    fs::create_directory(file); // a folder where the file should be
    LogCapture capture;
    auto kvs = std::make_shared<FileKeyValueStore>(file);
    CreditCardDatabaseUbiquitousStore store(kvs);
    store.create(card("D"));
    store.deleteCard("B");
    EXPECT_THAT(retrieved(store), ElementsAre("D")); // all this copy knows
    EXPECT_FALSE(capture.messages("FileKeyValueStore").empty());
    EXPECT_FALSE(kvs->synchronize());

    fs::remove(file);
    fs::rename(saved, file);
    EXPECT_TRUE(kvs->synchronize());
    EXPECT_THAT(retrieved(store), ElementsAre("A", "C", "D"));
    EXPECT_THAT(stored(), ElementsAre("A", "C", "D"));
    EXPECT_THAT(keptAside(), ::testing::IsEmpty()); // the file was whole: nothing to keep
}

// A writer killed before the rename of each replacement in turn: the file must hold all three
// cards after every one of them, which it cannot if an update is two replacements.
TEST_F(CreditCardStoreFile, AKillBeforeAnyReplacementOfAnUpdateKeepsEveryCard) {
    const std::string initial = threeCardFile();
    for (int replacement = 1; replacement <= 6; ++replacement) {
        SCOPED_TRACE("killed before replacement " + std::to_string(replacement));
        place(initial);
        const bool killed = zt::test::killAfterSteps(
            [&](const auto&) {
                int count = 0;
                AtomicFile::setBeforeReplaceHookForTesting([&](const fs::path&) {
                    if (++count == replacement)
                        ::raise(SIGKILL);
                });
                CreditCardDatabaseUbiquitousStore store(std::make_shared<FileKeyValueStore>(file));
                for (int i = 0;; ++i)
                    store.update(card(ids[i % 3], i));
            },
            std::numeric_limits<int>::max()); // it kills itself
        ASSERT_TRUE(killed);
        ASSERT_THAT(stored(), UnorderedElementsAre("A", "B", "C"));
        ASSERT_THAT(keptAside(), ::testing::IsEmpty());
    }
}

// Kills at moments the test does not choose: after 1 to 3 finished updates, wherever the next
// one is.
TEST_F(CreditCardStoreFile, KillsDuringUpdatesNeverTearTheFileOrLoseACard) {
    const std::string initial = threeCardFile();
    const int count = zt::test::killRounds(30);
    place(initial);
    for (int round = 0; round < count; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const bool killed = zt::test::killAfterSteps(
            [&](const auto& report) {
                CreditCardDatabaseUbiquitousStore store(std::make_shared<FileKeyValueStore>(file));
                for (int i = 0;; ++i) {
                    store.update(card(ids[(round + i) % 3], i));
                    report();
                }
            },
            1 + round % 3);
        ASSERT_TRUE(killed);
        ASSERT_THAT(stored(), UnorderedElementsAre("A", "B", "C"));
        ASSERT_THAT(keptAside(), ::testing::IsEmpty());
    }
}
