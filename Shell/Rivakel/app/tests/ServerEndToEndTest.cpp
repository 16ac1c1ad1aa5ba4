// The shell with its store against the local portal server, as separate processes: it registers,
// tracks its session and a game, queues while the server is away, is killed with SIGKILL and
// started again, and through a server that fails often it still delivers every tracked line.
// The shell runs on the headless backend with short real waits, so its clock races through the
// idle time between the outbox's resends.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Tools/portalserver/PortalServer.h"
#include "app/MainLoop.h"
#include "app/ProgramMain.h"
#include "app/ProgramState.h"
#include "core/base/Timer.h"
#include "core/graphics/Surface.h"
#include "core/store/UserStore.h"
#include "frame/host/GameHost.h"
#include "frame/host/GameHostWindow.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;
using SteadyClock = std::chrono::steady_clock;

constexpr const char* kRunVariable = "RIVAKEL_E2E_RUN";
constexpr const char* kAckVariable = "RIVAKEL_E2E_ACK_FD";
constexpr const char* kGameVariable = "RIVAKEL_E2E_GAME";
constexpr const char* kShellVersion = "01.00.00.0001";
constexpr uint32_t kTickMs = 100;
constexpr int kLinesPerTick = 3;
// Long enough that two lines fill a merged message.
const std::string kPadding(260, 'x');

// ---------------------------------------------------------------- the shell's side

// The shell window is not built yet: the game gets its two surfaces from this stand-in.
class StandInWindow final : public GameHostWindow {
public:
    StandInWindow() : gameArea_(new CSurface(500, 420, 0)), pageArea_(new CSurface(500, 420, 0)) {
        gameArea_->AddInternalRef();
        pageArea_->AddInternalRef();
    }
    ~StandInWindow() override {
        gameArea_->ReleaseInternalRef();
        pageArea_->ReleaseInternalRef();
    }
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    CSurface* GameArea() override { return gameArea_; }
    CSurface* PageArea() override { return pageArea_; }
    ShellWindowLink* ServicesLink() override { return nullptr; }
    void SetTitle(std::string_view) override {}

private:
    CSurface* gameArea_;
    CSurface* pageArea_;
};

struct Ticker {
    std::string run;
    int ackFd = -1;
    long next = 0;
};

int OnTick(intptr_t* args) {
    auto* ticker = reinterpret_cast<Ticker*>(args[0]);
    for (int i = 0; i < kLinesPerTick; ++i) {
        const std::string number = std::to_string(ticker->next);
        if (UserStore() == nullptr || UserStore()->Track("E2ETick", {ticker->run.c_str(), number.c_str(), kPadding.c_str()}) != kStoreOk) {
            return 0;
        }
        // Told only once the outbox has it: whatever the parent hears of must reach the server.
        const std::string line = number + "\n";
        if (write(ticker->ackFd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return 0;
        ++ticker->next;
    }
    return 0;
}

TEST(ShellUnderKill, Child) {
    const char* run = std::getenv(kRunVariable);
    const char* ack = std::getenv(kAckVariable);
    if (run == nullptr || ack == nullptr) GTEST_SKIP() << "helper of ServerEndToEnd";
    auto owned = std::make_unique<platform::headless::HeadlessBackend>();
    owned->SetRealWaitMs(5);
    // Each start reads the machine's clocks, as a real start would: message identities come
    // from them.
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const year_month_day date{floor<days>(now)};
    const hh_mm_ss<seconds> time{now - floor<days>(now)};
    owned->SetUtc(platform::CalendarTime{static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                                         static_cast<int>(unsigned(date.day())), static_cast<int>(time.hours().count()),
                                         static_cast<int>(time.minutes().count()),
                                         static_cast<int>(time.seconds().count()), 0});
    owned->SetTime(static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now().time_since_epoch()).count()));
    platform::SetBackend(std::move(owned));
    ASSERT_FALSE(StartProgram({}).has_value());
    StandInWindow window;
    if (const char* game = std::getenv(kGameVariable)) {
        GameHost()->SetWindow(&window);
        ASSERT_EQ(GameHost()->Start(game, fs::path(game).parent_path().string()), 0);
    }
    Ticker ticker{run, std::atoi(ack)};
    CTimer timer(&ticker, kTickMs, OnTick);
    timer.SetClock(TimerClock::Wall);
    timer.Start();
    ::Run();
}

// ---------------------------------------------------------------- the test's side

class Process {
public:
    Process() = default;
    ~Process() { Kill(); }
    void Spawn(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
               const fs::path& log, int keepFd = -1) {
        pid_ = fork();
        if (pid_ != 0) return;
        if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
        const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        unsetenv("http_proxy");
        for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    void Signal(int signal) {
        if (pid_ <= 0) return;
        kill(pid_, signal);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    void Kill() { Signal(SIGKILL); }

private:
    pid_t pid_ = -1;
};

std::string BinaryDir() { return RIVAKEL_BINARY_DIR; }

struct Delivery {
    std::vector<portal::ReceivedMessage> posts;
    std::map<std::string, std::set<long>> ticks;  // answered tick numbers by run
    std::map<std::pair<std::string, long>, int> tickCounts;
    size_t faults = 0;
};

// Reads the server's record: which tick lines were answered, how often.
// The server read the message and sent something back: to the shell that is an answer, even one
// it cannot read. Only a connection that ended before any byte leaves the message queued.
bool Answered(const portal::ReceivedMessage& message) {
    return message.fault != portal::Fault::Drop && message.fault != portal::Fault::Reset &&
           message.fault != portal::Fault::Stall;
}

Delivery ReadRecord(const fs::path& record) {
    Delivery delivery;
    std::ifstream in(record, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::optional<portal::ReceivedMessage> message = portal::ParseRecordLine(line);
        if (!message) continue;
        delivery.posts.push_back(*message);
        if (message->fault != portal::Fault::None && message->fault != portal::Fault::Trickle) ++delivery.faults;
        if (!Answered(*message)) continue;
        std::vector<std::string> fields;
        std::stringstream params(message->params);
        for (std::string field; std::getline(params, field, ',');) fields.push_back(field);
        for (size_t i = 0; i + 2 < fields.size(); ++i) {
            if (fields[i] != "E2ETick") continue;
            const long number = std::atol(fields[i + 2].c_str());
            delivery.ticks[fields[i + 1]].insert(number);
            ++delivery.tickCounts[{fields[i + 1], number}];
        }
    }
    return delivery;
}

class ServerEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv(kRunVariable) != nullptr) GTEST_SKIP();
        root_ = fs::temp_directory_path() / ("rivakel-e2e-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "data" / "Rivakel" / "System");
        fs::create_directories(root_ / "run");
        fs::permissions(root_ / "run", fs::perms::owner_all);
        InstallShell();
    }
    void TearDown() override {
        for (auto& shell : shells_) shell.Kill();
        server_.Signal(SIGTERM);
        if (!root_.empty()) fs::remove_all(root_);
    }

    // An installed shell whose installation queued its registration before it went offline.
    void InstallShell() {
        UserStoreConfig config;
        config.installed = true;
        config.dataFolder = (root_ / "data").string();
        config.shellVersion = kShellVersion;
        CSubsystem_UserStore store(config);
        RdtNode* queue = store.GetOutboxUser("0");
        RdtNode* message = queue->AddChild("Message");
        for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
                 {"MsgIDH", "7"}, {"MsgIDL", "7"}, {"MsgType", "GetShellGUID"}, {"Function", "GetShellGUID"},
                 {"Params", kShellVersion}, {"ForceConn", "false"}, {"Priority", "12"}}) {
            message->AddAttr(name, value);
        }
    }

    void StartServer(const std::string& faults = {}) {
        std::vector<std::string> args = {BinaryDir() + "/Tools/portalserver/rivakel_portalserver", "--record",
                                         (root_ / "record.txt").string(), "--port-file", (root_ / "port").string(),
                                         "--trickle-ms", "1"};
        if (port_ != 0) args.insert(args.end(), {"--port", std::to_string(port_)});
        if (!faults.empty()) args.insert(args.end(), {"--faults", faults});
        fs::remove(root_ / "port");
        server_.Spawn(args, {}, root_ / "server.log");
        ASSERT_TRUE(WaitFor([&] { return fs::exists(root_ / "port"); }, 10000)) << "the server did not start";
        std::ifstream(root_ / "port") >> port_;
        std::ofstream(root_ / "data" / "Rivakel" / "LocalTestServer.txt") << "127.0.0.1:" << port_ << "\n";
    }

    // Starts shell run `run`; its acknowledgements come through a pipe read by Acks.
    void StartShell(const std::string& run, bool withGame) {
        int fds[2];
        ASSERT_EQ(pipe2(fds, O_CLOEXEC | O_NONBLOCK), 0);
        ackFds_[run] = fds[0];
        std::map<std::string, std::string> env = {{"XDG_DATA_HOME", (root_ / "data").string()},
                                                  {"XDG_RUNTIME_DIR", (root_ / "run").string()},
                                                  {"RIVAKEL_PLATFORM", "headless"},
                                                  {kRunVariable, run},
                                                  {kAckVariable, std::to_string(fds[1])}};
        if (withGame) env[kGameVariable] = BinaryDir() + "/Shell/Rivakel/testgames/TestGame.gam";
        shells_.emplace_back();
        shells_.back().Spawn({"/proc/self/exe", "--gtest_filter=ShellUnderKill.Child"}, env,
                             root_ / ("shell-" + run + ".log"), fds[1]);
        close(fds[1]);
    }

    // The tick numbers the shell of `run` has acknowledged so far.
    const std::set<long>& Acks(const std::string& run) {
        char buffer[4096];
        for (ssize_t got; (got = read(ackFds_[run], buffer, sizeof buffer)) > 0;) pending_[run].append(buffer, got);
        std::string& text = pending_[run];
        for (size_t end; (end = text.find('\n')) != std::string::npos; text.erase(0, end + 1)) {
            acked_[run].insert(std::atol(text.substr(0, end).c_str()));
        }
        return acked_[run];
    }

    bool WaitFor(const std::function<bool()>& done, int ms) {
        const auto deadline = SteadyClock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (SteadyClock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }

    std::string Summary() {
        std::string text;
        for (const auto& post : ReadRecord(root_ / "record.txt").posts) {
            text += post.function + "(" + portal::FaultName(post.fault) + ") " + post.params.substr(0, 60) + "; ";
        }
        for (const auto& entry : fs::directory_iterator(root_)) {
            if (entry.path().extension() != ".log") continue;
            std::ifstream log(entry.path());
            text += "\n--- " + entry.path().filename().string() + ":\n" + std::string(std::istreambuf_iterator<char>(log), {});
        }
        return text;
    }

    bool Delivered(const std::string& run) {
        const std::set<long>& acked = Acks(run);
        const Delivery delivery = ReadRecord(root_ / "record.txt");
        const auto found = delivery.ticks.find(run);
        if (acked.empty()) return false;
        if (found == delivery.ticks.end()) return false;
        for (long number : acked) {
            if (!found->second.contains(number)) return false;
        }
        return true;
    }

    fs::path root_;
    uint16_t port_ = 0;
    Process server_;
    std::vector<Process> shells_;
    std::map<std::string, int> ackFds_;
    std::map<std::string, std::string> pending_;
    std::map<std::string, std::set<long>> acked_;
};

TEST_F(ServerEndToEnd, KilledAndRestartedShellDeliversEveryTrackedLineThroughAFailingServer) {
    shells_.reserve(4);
    StartServer();
    StartShell("1", true);
    // Registered, session and game tracked, lines flowing.
    ASSERT_TRUE(WaitFor(
        [&] {
            const Delivery delivery = ReadRecord(root_ / "record.txt");
            bool registered = false, session = false, game = false;
            for (const auto& post : delivery.posts) {
                registered |= post.function == "GetShellGUID" && Answered(post);
                session |= Answered(post) && post.params.find(",SessionStarted,") != std::string::npos;
                game |= Answered(post) && post.params.find(",GameStarted,") != std::string::npos;
            }
            return registered && session && game && delivery.ticks.contains("1");
        },
        30000))
        << "the shell did not register and track against the server; the server read: " << Summary();

    // The server goes away: the shell queues. Then it is killed.
    server_.Signal(SIGTERM);
    const size_t ackedOnline = Acks("1").size();
    ASSERT_TRUE(WaitFor([&] { return Acks("1").size() >= ackedOnline + 30; }, 30000));
    shells_[0].Kill();
    Acks("1");

    // Back, through a server that fails often; the second shell is killed while it sends.
    StartServer("drop=0.1,reset=0.1,garbage=0.1,500=0.1,trickle=0.1");
    StartShell("2", false);
    ASSERT_TRUE(WaitFor([&] { return Delivered("1") && ReadRecord(root_ / "record.txt").faults >= 100; }, 120000))
        << "faults so far: " << ReadRecord(root_ / "record.txt").faults;
    shells_[1].Kill();
    Acks("2");
    server_.Signal(SIGTERM);

    StartServer();
    StartShell("3", false);
    ASSERT_TRUE(WaitFor([&] { return Delivered("1") && Delivered("2"); }, 60000)) << "lines were lost";
    shells_[2].Kill();

    const Delivery delivery = ReadRecord(root_ / "record.txt");
    EXPECT_GE(delivery.faults, 100u);
    // No line reached the server in two different messages.
    for (const auto& [tick, count] : delivery.tickCounts) {
        if (count == 1) continue;
        std::map<std::pair<uint32_t, uint32_t>, int> identities;
        for (const auto& post : delivery.posts) {
            if (Answered(post) && post.params.find(",E2ETick," + tick.first + "," + std::to_string(tick.second) + ",") !=
                                      std::string::npos) {
                ++identities[{post.high, post.low}];
            }
        }
        EXPECT_EQ(identities.size(), 1u) << "line " << tick.first << "/" << tick.second << " came in two messages";
    }
    // Answered twice only when it was in flight at a kill, and then with the same text.
    std::map<std::pair<uint32_t, uint32_t>, std::vector<std::string>> answered;
    for (const auto& post : delivery.posts) {
        if (Answered(post) && post.function != "Hello") answered[{post.high, post.low}].push_back(post.function + "|" + post.params);
    }
    int twice = 0;
    for (const auto& [ids, texts] : answered) {
        if (texts.size() < 2) continue;
        ++twice;
        for (const std::string& text : texts) EXPECT_EQ(text, texts.front());
    }
    EXPECT_LE(twice, 2) << "answered messages were sent again";
}

}  // namespace
