#include "preview/GalleryServer.h"

#include <future>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <regex>
#include <thread>

using namespace zt::preview;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

/// One server for the whole suite: building the pages is the slow part.
class GalleryServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = new GalleryServer({.pollSeconds = 2});
        serving_ = new std::thread([] { server_->serve(); });
    }
    static void TearDownTestSuite() {
        server_->stop();
        serving_->join();
        delete serving_;
        delete server_;
    }

    static httplib::Client client() {
        httplib::Client c("127.0.0.1", server_->port());
        c.set_read_timeout(20);
        return c;
    }
    static std::uint64_t version(const httplib::Result& r) {
        return std::stoull(r->get_header_value("X-Page-Version"));
    }
    /// The address of the first control of that action whose tag holds marker.
    static std::string node(const std::string& html, const std::string& act, const std::string& marker = "") {
        const std::regex control("<[^>]*" + marker + "[^>]*data-node=\"([0-9.]+)\" data-act=\"" + act + "\"");
        std::smatch m;
        return std::regex_search(html, m, control) ? m[1].str() : std::string{};
    }

    static GalleryServer* server_;
    static std::thread* serving_;
};

GalleryServer* GalleryServerTest::server_ = nullptr;
std::thread* GalleryServerTest::serving_ = nullptr;

} // namespace

TEST_F(GalleryServerTest, ListensOnLoopbackOnly) {
    EXPECT_GT(server_->port(), 0);
    EXPECT_EQ(server_->address(), "http://127.0.0.1:" + std::to_string(server_->port()) + "/");
}

TEST_F(GalleryServerTest, IndexListsEveryPageInTheChosenLanguage) {
    auto c = client();
    const auto english = c.Get("/");
    ASSERT_TRUE(english);
    EXPECT_EQ(english->status, 200);
    EXPECT_THAT(english->body, HasSubstr("<html lang=\"en\""));
    EXPECT_THAT(english->body, HasSubstr("href=\"/page/overview?locale=en_US&appearance=auto\""));
    const auto german = c.Get("/?locale=de_DE&appearance=dark");
    EXPECT_THAT(german->body, HasSubstr("Übersicht"));
    EXPECT_THAT(german->body, HasSubstr("data-appearance=\"dark\""));
    EXPECT_EQ(c.Get("/gallery.js")->status, 200);
    EXPECT_THAT(c.Get("/gallery.css")->body, HasSubstr(".zt-screen"));
}

TEST_F(GalleryServerTest, UnknownPagesSettingsAndRoutesAreRefused) {
    auto c = client();
    EXPECT_EQ(c.Get("/page/no-such-page")->status, 404);
    EXPECT_EQ(c.Get("/page/overview?locale=fr_FR")->status, 400);
    EXPECT_EQ(c.Get("/page/overview?appearance=sepia")->status, 400);
    EXPECT_EQ(c.Get("/nothing/here")->status, 404);
    EXPECT_EQ(c.Get("/page/overview/screen?after=x")->status, 400);
    EXPECT_EQ(c.Post("/settings/incognito", "on=maybe", "application/x-www-form-urlencoded")->status, 400);
    // A body past the bound is refused before anything reads it.
    EXPECT_EQ(c.Post("/page/overview/act", std::string(100 * 1024, 'x'), "application/x-www-form-urlencoded")
                  ->status,
              413);
}

TEST_F(GalleryServerTest, ActionsChangeTheLiveScreenAndStaleOnesChangeNothing) {
    auto c = client();
    ASSERT_EQ(c.Post("/page/overview/reset?locale=en_GB", "", "application/x-www-form-urlencoded")->status,
              200);
    const auto page = c.Get("/page/overview?locale=en_GB");
    ASSERT_EQ(page->status, 200);
    const std::string toggle = node(page->body, "flip", "role=\"switch\"");
    ASSERT_FALSE(toggle.empty());
    const auto screen = c.Get("/page/overview/screen?locale=en_GB");
    const auto v = version(screen);

    // Addresses of an older tree are refused: 409, and the screen is as it was.
    const httplib::Params stale{{"node", toggle}, {"act", "flip"}, {"version", std::to_string(v + 7)}};
    EXPECT_EQ(c.Post("/page/overview/act?locale=en_GB", stale)->status, 409);
    EXPECT_EQ(c.Post("/page/overview/act?locale=en_GB", httplib::Params{{"node", "0.999"}, {"act", "press"}})
                  ->status,
              404);
    EXPECT_EQ(c.Post("/page/overview/act?locale=en_GB", httplib::Params{{"node", toggle}, {"act", "explode"}})
                  ->status,
              400);
    const auto unchanged = c.Get("/page/overview/screen?locale=en_GB");
    EXPECT_EQ(unchanged->body, screen->body);
    EXPECT_EQ(version(unchanged), v);

    const httplib::Params flip{{"node", toggle}, {"act", "flip"}, {"version", std::to_string(v)}};
    const auto flipped = c.Post("/page/overview/act?locale=en_GB", flip);
    ASSERT_EQ(flipped->status, 200) << flipped->body;
    EXPECT_GT(version(flipped), v);
    EXPECT_NE(flipped->body, screen->body);
    EXPECT_THAT(flipped->body, Not(HasSubstr("£")));
    // The incognito flag is the gallery's: the index shows its switch on. Put it back.
    EXPECT_THAT(c.Get("/")->body, HasSubstr("id=\"gallery-incognito\" checked"));
    EXPECT_EQ(c.Post("/settings/incognito", "on=0", "application/x-www-form-urlencoded")->status, 204);
    EXPECT_THAT(c.Get("/page/overview/screen?locale=en_GB")->body, HasSubstr("£"));
}

TEST_F(GalleryServerTest, WaitingForTheNextVersionEndsWhenTheScreenChangesOrAfterAWhile) {
    auto c = client();
    const auto screen = c.Get("/page/accounts/screen?locale=de_DE");
    const auto v = version(screen);
    // Nothing changes the accounts page: the wait ends without a screen.
    EXPECT_EQ(c.Get("/page/accounts/screen?locale=de_DE&after=" + std::to_string(v))->status, 204);
    // An older version answers at once.
    EXPECT_EQ(c.Get("/page/accounts/screen?locale=de_DE&after=0")->status, 200);

    // A waiting request hears an action from another tab.
    const auto first = c.Get("/page/credit-card-entry/screen?locale=de_DE");
    const auto before = version(first);
    auto waiting = std::async(std::launch::async, [&] {
        return client().Get("/page/credit-card-entry/screen?locale=de_DE&after=" + std::to_string(before));
    });
    const std::string row = node(first->body, "press", "id=\"remindersRow\"");
    ASSERT_FALSE(row.empty());
    const auto pressed =
        c.Post("/page/credit-card-entry/act?locale=de_DE", httplib::Params{{"node", row}, {"act", "press"}});
    ASSERT_EQ(pressed->status, 200);
    const auto heard = waiting.get();
    ASSERT_TRUE(heard);
    // Whether the wait began before the press or after it, it answers with the newer screen.
    ASSERT_EQ(heard->status, 200);
    EXPECT_GT(version(heard), before);
    EXPECT_THAT(heard->body, HasSubstr("zt-sheet"));
    c.Post("/page/credit-card-entry/reset?locale=de_DE", "", "application/x-www-form-urlencoded");
}

// The server itself ignores a stop that comes before its accept loop runs; ours must not.
TEST(GalleryServerStop, AStopAtAnyMomentEndsServing) {
    {
        GalleryServer server({});
        server.stop();
        server.serve(); // returns at once instead of serving for ever
    }
    for (int round = 0; round < 10; ++round) {
        GalleryServer server({});
        std::thread serving([&] { server.serve(); });
        server.stop(); // races the start of serving on purpose
        serving.join();
    }
}
