// Delivery of a queued backlog to the local portal server, journal on, through the real loop
// work. Goals: at least 2,000 messages a second (counter `messages_per_second`), and 10,000
// taking under ten times as long as 1,000 (compare `seconds` of the two runs).
#include <benchmark/benchmark.h>

#include <chrono>

#include "core/net/tests/LinkTestSession.h"
#include "core/outbox/COutbox.h"

namespace {

void BM_DeliverBacklog(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    double seconds = 0;
    for (auto _ : state) {
        LinkTestSession session;
        if (!session.ServerStarted()) {
            state.SkipWithError("no server");
            break;
        }
        CSubsystem_UserStore& store = session.OpenStore(true);
        CSubsystem_Net& net = session.Connect();
        OutboxConfig config;
        config.store = &store;
        config.net = &net;
        COutbox* outbox = CreateOutbox(std::move(config));
        session.Pump([&] { return net.ServerReached() && outbox->Queue().Size() == 0; });
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) {
            outbox->Send(kMsgSetUserProfile, "SetUserProfile", "profile " + std::to_string(i), false, 5);
        }
        const bool drained =
            session.Pump([&] { return outbox->Queue().Size() == 0 && !outbox->InFlight(); }, 120000);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        DestroyOutbox();
        if (!drained) state.SkipWithError("the backlog was not delivered");
    }
    state.counters["seconds"] = seconds;
    state.counters["messages_per_second"] = count / seconds;
    state.counters["goal_messages_per_second"] = 2000;
}
BENCHMARK(BM_DeliverBacklog)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
