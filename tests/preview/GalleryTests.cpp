#include "mocks/DemoClock.h"
#include "platform/StringTable.h"
#include "platform/ui/TextRenderer.h"
#include "platform/ui/ViewQuery.h"
#include "preview/Gallery.h"
#include "preview/GallerySite.h"
#include "preview/Icons.h"
#include "preview/TextPreview.h"
#include "support/PinnedEnvironment.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>

using namespace zt;
using namespace zt::preview;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::vector<std::string> galleryLocales{"en_US", "en_GB", "de_DE"};

/// A page built and settled as the text preview builds it.
struct BuiltPage {
    explicit BuiltPage(const Page& page, const std::string& locale = "en_US")
        : pinned({.locale = locale, .now = mocks::demoNow()}), context{router} {
        screen = page.make(context);
        pinned.queue->drain();
    }
    test::PinnedEnvironment pinned;
    NavigationRouter router;
    PageContext context;
    Screen screen;
};

void collectSymbols(const ui::View& view, std::set<std::string>& out) {
    const auto add = [&](const std::string& s) {
        if (!s.empty())
            out.insert(s);
    };
    if (const auto* l = view.as<ui::Label>())
        add(l->symbol);
    if (const auto* i = view.as<ui::Image>())
        add(i->symbol);
    if (const auto* b = view.as<ui::Button>())
        add(b->symbol);
    if (const auto* e = view.as<ui::EmptyState>())
        add(e->symbol);
    if (const auto* p = view.as<ui::Picker>())
        for (const auto& option : p->options)
            add(option.symbol);
    // Children of dismissed sheets too: they are drawn once opened.
    for (const auto& child : view.children())
        collectSymbols(child, out);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

/// Symbol names written in the sources ("creditcard.fill", dotted) and every icon of the
/// bundled catalogues; single-word names are caught by the drawn trees.
std::set<std::string> symbolsInSources() {
    std::set<std::string> out;
    const std::filesystem::path root = ZT_SOURCE_DIR;
    const std::regex dotted(R"re("([a-z][a-z0-9]*(?:\.[a-z0-9]+)+)")re");
    const std::regex notSymbol(R"(\.(json|po|mo|txt|svg|tsv|h|cpp|js|css)$)");
    for (const char* folder : {"ZTSwiftUIComponents", "mocks", "preview"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string text = readFile(entry.path());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), dotted);
                 it != std::sregex_iterator(); ++it)
                if (!std::regex_search((*it)[1].str(), notSymbol))
                    out.insert((*it)[1].str());
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(root / "ZTSwiftUIComponents/host/resources"))
        if (entry.path().extension() == ".json") {
            // The icon catalogues; the emoji catalogue holds emoji, which need no icon.
            const auto catalogue = nlohmann::json::parse(readFile(entry.path()));
            if (!catalogue.is_object() || !catalogue.contains("icons"))
                continue;
            for (const auto& icon : catalogue.at("icons"))
                out.insert(icon.at("name").get<std::string>());
        }
    return out;
}

} // namespace

TEST(Gallery, PagesHaveUniqueAddressableNamesAndEverySubsystemHasPages) {
    std::set<std::string> names;
    for (const auto& subsystem : gallery()) {
        EXPECT_FALSE(subsystem.pages.empty()) << subsystem.title;
        for (const auto& page : subsystem.pages) {
            EXPECT_TRUE(std::regex_match(page.name, std::regex("[a-z0-9]+(-[a-z0-9]+)*"))) << page.name;
            EXPECT_TRUE(names.insert(page.name).second) << "twice: " << page.name;
            EXPECT_TRUE(page.make) << page.name;
        }
    }
    EXPECT_EQ(names.size(), allPages().size());
}

TEST(Gallery, EveryPageDrawsSomethingInEveryLanguage) {
    for (const auto& locale : galleryLocales) {
        for (const auto& page : allPages()) {
            const BuiltPage built(page, locale);
            const auto tree = built.screen();
            EXPECT_FALSE(ui::visibleTexts(tree).empty()) << page.name << " in " << locale;
            // Drawing twice gives the same tree: drawing never changes the model.
            EXPECT_EQ(ui::TextRenderer::render(built.screen()), ui::TextRenderer::render(tree)) << page.name;
        }
    }
}

TEST(Gallery, EverySymbolTheLibraryUsesHasAnIcon) {
    const auto icons = Icons::load(galleryFolder() / "icons");
    std::set<std::string> symbols = symbolsInSources();
    for (const auto& locale : {"en_US", "de_DE"})
        for (const auto& page : allPages()) {
            const BuiltPage built(page, locale);
            collectSymbols(built.screen(), symbols);
        }
    std::vector<std::string> unmapped;
    for (const auto& symbol : symbols)
        // Emoji stand for themselves (the icon pickers offer them).
        if (!icons.has(symbol) && static_cast<unsigned char>(symbol.front()) < 0x80)
            unmapped.push_back(symbol);
    EXPECT_THAT(unmapped, ::testing::IsEmpty()) << "add these to preview/icons/symbols.tsv";
    EXPECT_GT(symbols.size(), 60u); // the scan found the symbols at all
}

TEST(Gallery, IconTableRefusesBadLinesAndMissingFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "zt-gallery-icons-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "lucide");
    std::ofstream(folder / "lucide" / "star.svg")
        << "<!-- licence -->\n<svg viewBox=\"0 0 24 24\">\n<path/></svg>\n";
    std::ofstream(folder / "symbols.tsv") << "# comment\nstar.fill\tstar\n\n";
    const auto icons = Icons::load(folder);
    EXPECT_EQ(icons.svg("star.fill"), "<svg viewBox=\"0 0 24 24\"> <path/></svg>");
    EXPECT_EQ(icons.svg("star"), "");
    std::ofstream(folder / "symbols.tsv") << "moon\tmoon\n";
    EXPECT_THROW(Icons::load(folder), std::runtime_error);
    std::ofstream(folder / "symbols.tsv") << "moon without a tab\n";
    EXPECT_THROW(Icons::load(folder), std::runtime_error);
    std::filesystem::remove_all(folder);
}

TEST(Gallery, TitlesOfPagesAndSubsystemsHaveGermanTranslations) {
    const test::PinnedEnvironment german({.locale = "de_DE"});
    // Words German spells as English does.
    const std::set<std::string> same{"Budgets", "Tags"};
    for (const auto& subsystem : gallery()) {
        EXPECT_TRUE(L(subsystem.title) != subsystem.title || same.count(subsystem.title)) << subsystem.title;
        for (const auto& page : subsystem.pages)
            EXPECT_TRUE(L(page.title) != page.title || same.count(page.title)) << page.title;
    }
}

TEST(Gallery, SubscriptionInsightsFollowOneRepeatingSeries) {
    const auto pages = allPages();
    const auto page = std::find_if(pages.begin(), pages.end(),
                                   [](const Page& p) { return p.name == "subscription-insights"; });
    ASSERT_NE(page, pages.end());
    const BuiltPage built(*page);
    const auto texts = ui::visibleTexts(built.screen());
    const std::string all = ::testing::PrintToString(texts);
    EXPECT_THAT(all, HasSubstr("StreamBox"));
    EXPECT_THAT(all, Not(HasSubstr("Cinema")));
}

TEST(Gallery, TextPreviewPrintsTheNamedPagesInEachLocale) {
    std::ostringstream out;
    EXPECT_EQ(printPages({"accounts", "payment-due"}, {"en_US", "de_DE"}, out), 4);
    EXPECT_THAT(out.str(), HasSubstr("=== Demo accounts (accounts, en_US) ==="));
    EXPECT_THAT(out.str(), HasSubstr("=== Payment-due message (payment-due, de_DE) ==="));
    std::ostringstream none;
    EXPECT_EQ(printPages({"no-such-page"}, {"en_US"}, none), 0);
    EXPECT_EQ(none.str(), "");
}
