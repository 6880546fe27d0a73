#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/ui/Binding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

struct Model : ObservableObject {
    Published<std::string> text{*this, "a"};
};

} // namespace

TEST(BindingToPublished, WritesThroughTheMemberSoItsObserversHearAndKeepsItsOwnerAlive) {
    auto model = std::make_shared<Model>();
    std::vector<std::string> heard;
    const auto s = model->text.observe([&](const std::string& t) { heard.push_back(t); });
    const auto w = model->objectWillChange.observe([&] { heard.push_back("will change"); });
    const auto text = ui::bind(model, &Model::text);
    const std::weak_ptr<Model> weak = model;
    model.reset();
    EXPECT_FALSE(weak.expired());
    text.set("b");
    EXPECT_EQ(text(), "b");
    EXPECT_THAT(heard, ElementsAre("will change", "b"));
}

TEST(Feedback, RecorderKeepsTheOrderAndTheDefaultPlaysNothing) {
    FeedbackRecorder recorder;
    recorder.impactOccurred(ImpactStyle::medium);
    recorder.playSystemSound(keyboardClickSystemSound);
    recorder.notificationOccurred(NotificationFeedbackType::success);
    EXPECT_THAT(recorder.events(), ElementsAre("impact medium", "sound 1104", "notification success"));

    auto installed = std::make_shared<FeedbackRecorder>();
    {
        const Environment::Override pinned({.feedback = installed});
        Environment::current().feedback().impactOccurred(ImpactStyle::heavy);
    }
    Environment::current().feedback().impactOccurred(ImpactStyle::light); // the default: nothing
    EXPECT_THAT(installed->events(), ElementsAre("impact heavy"));
}
