// Delivery of a queued backlog to the local portal server, journal on, through the real loop
// work. Goals: at least 2,000 messages a second (counter `messages_per_second`), and 10,000
// taking under ten times as long as 1,000 (compare `seconds` of the two runs). A reply that
// streams without end is given up within 100 ms of the main thread's time (`cpu_ms`).
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>

#include "core/net/tests/LinkTestSession.h"
#include "core/outbox/COutbox.h"

namespace {

// The session's outbox once the handshake is through and the start-up's messages are gone; null
// without a server.
COutbox* StartOutbox(LinkTestSession& session) {
    if (!session.ServerStarted()) return nullptr;
    CSubsystem_UserStore& store = session.OpenStore(true);
    CSubsystem_Net& net = session.Connect();
    OutboxConfig config;
    config.store = &store;
    config.net = &net;
    COutbox* outbox = CreateOutbox(std::move(config));
    session.Pump([&] { return net.ServerReached() && outbox->Queue().Size() == 0; });
    return outbox;
}

void BM_DeliverBacklog(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    double seconds = 0;
    for (auto _ : state) {
        LinkTestSession session;
        COutbox* outbox = StartOutbox(session);
        if (outbox == nullptr) {
            state.SkipWithError("no server");
            break;
        }
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

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_EndlessReply(benchmark::State& state) {
    double cpuMs = 0;
    double seconds = 0;
    for (auto _ : state) {
        portal::ServerOptions options;
        options.faultRates = {{portal::Fault::Endless, 1.0}};
        LinkTestSession session(options);
        COutbox* outbox = StartOutbox(session);
        if (outbox == nullptr) {
            state.SkipWithError("no server");
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        outbox->Send(kMsgSetUserProfile, "SetUserProfile", "profile", false, 5);
        const bool answered = session.Pump([&] { return outbox->Queue().Size() == 0 && !outbox->InFlight(); }, 60000);
        cpuMs = ThreadCpuMs() - cpuStart;
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        DestroyOutbox();
        if (!answered) state.SkipWithError("the endless reply was never given up");
    }
    state.counters["cpu_ms"] = cpuMs;
    state.counters["seconds"] = seconds;
    state.counters["goal_cpu_ms"] = 100;
}
BENCHMARK(BM_EndlessReply)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
