#include "platform/ThreadMainQueue.h"
#include "platform/ui/TextRenderer.h"
#include "platform/ui/ViewQuery.h"
#include "preview/LivePage.h"

#include <future>
#include <gtest/gtest.h>
#include <memory>

using namespace zt;
using namespace zt::preview;

namespace {

/// A page whose model is a counter with a button, a disabled button, a toggle, a picker, a field,
/// a sheet and work it posts with a delay, so every action has something to change.
struct Counter {
    int presses = 0;
    bool on = false;
    std::size_t choice = 0;
    std::string name;
    bool sheet = false;
    std::string locale;
    bool delayedRan = false;
};

Page counterPage(std::shared_ptr<int> builds) {
    return {
        "counter", "Counter", [builds](PageContext&) -> Screen {
            ++*builds;
            auto model = std::make_shared<Counter>();
            model->locale = Environment::current().localeIdentifier();
            MainQueue::main().asyncAfter(0.01, [model] { model->delayedRan = true; });
            return [model] {
                return ui::vstack({
                    ui::text(std::to_string(model->presses) + (model->delayedRan ? " later" : ""))
                        .id("count"),
                    ui::button("Add", [model] { ++model->presses; }),                  // 0.1
                    ui::button("Never", [] {}).disabled(),                             // 0.2
                    ui::toggle("On", model->on, [model](bool on) { model->on = on; }), // 0.3
                    ui::picker("Pick", {"a", "b", "c"}, model->choice,
                               [model](std::size_t i) { model->choice = i; }), // 0.4
                    ui::textField("Name", model->name, [model](const std::string& t) { model->name = t; }),
                    ui::sheet("Sheet", model->sheet, [model](bool p) { model->sheet = p; },
                              {ui::button("Inside", [model] { model->presses += 10; })}), // 0.6
                    ui::text(Environment::current().localeIdentifier()).id("locale"),
                });
            };
        }};
}

class LivePageTest : public ::testing::Test {
protected:
    LivePageTest() {
        page_ = queue_.run([&] {
            return std::make_shared<LivePage>(counterPage(builds_), "de_DE", router_, queue_,
                                              [this] { ++changes_; });
        });
    }
    ~LivePageTest() override {
        queue_.run([&] {
            page_.reset();
            return 0;
        });
    }

    std::string text(const std::string& id) {
        return queue_.run([&] { return ui::findAs<ui::Text>(page_->draw(), ui::byId(id)).content; });
    }
    void act(const std::string& action, const std::string& address, const std::string& value = {}) {
        queue_.run([&] {
            page_->act(action, address, value);
            return 0;
        });
    }
    int refusal(const std::string& action, const std::string& address, const std::string& value = {}) {
        try {
            act(action, address, value);
        } catch (const GalleryError& e) {
            return e.status();
        }
        return 0;
    }
    /// Waits until the page's delayed work has run.
    void settleDelayedWork() {
        std::promise<void> seen;
        queue_.asyncAfter(0.05, [&] { seen.set_value(); });
        ASSERT_EQ(seen.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
    }
    std::string tree() {
        return queue_.run([&] { return ui::TextRenderer::render(page_->draw()); });
    }

    ThreadMainQueue queue_;
    NavigationRouter router_;
    std::shared_ptr<int> builds_ = std::make_shared<int>(0);
    int changes_ = 0; // main queue only
    std::shared_ptr<LivePage> page_;
};

} // namespace

TEST_F(LivePageTest, BuildsAndDrawsInThePagesEnvironment) {
    EXPECT_EQ(*builds_, 1);
    EXPECT_EQ(text("locale"), "de_DE");
    EXPECT_EQ(Environment::current().localeIdentifier() == "de_DE", false); // the caller's is untouched
}

TEST_F(LivePageTest, EachActionReachesTheModelAndCountsTheVersionUp) {
    settleDelayedWork();
    const auto v0 = queue_.run([&] { return page_->version(); });
    act("press", "0.1");
    EXPECT_EQ(text("count").substr(0, 1), "1");
    act("flip", "0.3");
    act("choose", "0.4", "2");
    act("type", "0.5", "Ada <b>");
    EXPECT_EQ(queue_.run([&] { return page_->version(); }), v0 + 4);
    const std::string drawn = tree();
    EXPECT_NE(drawn.find("toggle \"On\" = on"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("picker \"Pick\" = \"c\""), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("\"Ada <b>\""), std::string::npos) << drawn;
    act("present", "0.6");
    act("press", "0.6.0");
    act("dismiss", "0.6");
    EXPECT_EQ(text("count").substr(0, 2), "11");
}

TEST_F(LivePageTest, RefusalsSayWhyAndChangeNothing) {
    settleDelayedWork();
    const std::string before = tree();
    const auto version = queue_.run([&] { return page_->version(); });
    EXPECT_EQ(refusal("explode", "0.1"), 400);
    EXPECT_EQ(refusal("press", "0.42"), 404);
    EXPECT_EQ(refusal("press", ""), 404);
    EXPECT_EQ(refusal("press", "0.6.0"), 404); // inside a sheet that is not shown
    EXPECT_EQ(refusal("press", "0.2"), 422);   // disabled
    EXPECT_EQ(refusal("choose", "0.1", "0"), 422);
    EXPECT_EQ(refusal("choose", "0.4", "3"), 400);
    EXPECT_EQ(refusal("choose", "0.4", "-1"), 400);
    EXPECT_EQ(refusal("pick", "0.4", "2025-01-01"), 422);
    EXPECT_EQ(refusal("dismiss", "0.6"), 422); // not presented
    EXPECT_EQ(tree(), before);
    EXPECT_EQ(queue_.run([&] { return page_->version(); }), version);
}

TEST_F(LivePageTest, DelayedWorkRunsInRealTimeAndCountsAsAChange) {
    settleDelayedWork();
    EXPECT_EQ(text("count"), "0 later");
    EXPECT_GE(queue_.run([&] { return changes_; }), 2); // the build and the delayed work
}

TEST_F(LivePageTest, ResetBuildsTheDemoStateAgain) {
    act("press", "0.1");
    act("press", "0.1");
    queue_.run([&] {
        page_->reset();
        return 0;
    });
    EXPECT_EQ(*builds_, 2);
    EXPECT_EQ(text("count").substr(0, 1), "0");
}
