// The insight engine's work per streamed snapshot: a whole request of a scripted model (about 60
// words over title, message and suggestions) runs on a manual main queue, with a screen-like
// observer on the published insight. The time per snapshot includes the scripted model's own
// work (copying the growing content, queueing the next word), so it bounds the engine's share
// from above.
#include "ZTAIFoundation/ZTAI.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ScriptedLanguageModel.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

void BM_InsightSnapshot(benchmark::State& state) {
    const auto queue = std::make_shared<zt::ManualMainQueue>();
    const auto model = std::make_shared<zt::ScriptedLanguageModel>();
    std::string suggestions;
    for (int i = 0; i < 40; ++i)
        suggestions += "Cook at home on weekdays and keep the coffee budget small. ";
    const zt::ScriptedLanguageModel::Reply reply{
        {{"title", "Your coffee habit is brewing up a storm this month"},
         {"message", "You spent 120 EUR on coffee, which is more than on groceries."},
         {"suggestions", "Cook at home on weekdays, keep a small coffee budget and try brewing your own; "
                         "the savings add up to a weekend trip by the end of the year."}}};
    model->setDefaultReply(reply);
    const auto snapshotsPerRequest =
        zt::ScriptedLanguageModel::snapshots(zt::ai::Insight::generationSchema(), reply).size();
    const zt::Environment::Override environment({.locale = "en_US",
                                                 .timeZone = "UTC",
                                                 .now = zt::Date{0},
                                                 .mainQueue = queue,
                                                 .languageModel = model});
    const auto ai = zt::ai::ZTAI::create("Be friendly.", "en_US", 30);
    std::size_t reads = 0;
    const auto subscription = ai->insight.observe([&](const auto& insight) {
        if (insight && insight->title)
            reads += insight->title->size();
    });
    ai->prewarm();
    for (auto _ : state) {
        ai->suggestInsight("Coffee", "You spent 120 EUR on coffee");
        queue->drain();
    }
    benchmark::DoNotOptimize(reads);
    state.counters["snapshots"] = static_cast<double>(snapshotsPerRequest);
    state.counters["perSnapshot"] =
        benchmark::Counter(static_cast<double>(state.iterations() * snapshotsPerRequest),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_InsightSnapshot)->Unit(benchmark::kMicrosecond);
