// The SDL backend against a real X server: each test starts its own Xvfb.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/sdl/DisplayLoss.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/tests/CrashChild.h"
#include "platform/tests/XvfbServer.h"

namespace platform::sdl {
namespace {

class SdlBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnPath("Xvfb")) RIVAKEL_REAL_WINDOW_MISSING("no Xvfb");
        xvfb_ = XvfbServer::Start();
        ASSERT_NE(xvfb_, nullptr) << "Xvfb did not start";
        setenv("DISPLAY", xvfb_->Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string reason;
        backend_ = SdlBackend::Make(&reason);
        ASSERT_NE(backend_, nullptr) << reason;
        // One more hold on video keeps SDL's dynamically loaded X and GL libraries loaded to
        // the end, so that the leak checker can tell their end-of-process leftovers by name.
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    }
    void TearDown() override {
        backend_.reset();
        xvfb_.reset();
    }

    std::unique_ptr<XvfbServer> xvfb_;
    std::unique_ptr<SdlBackend> backend_;
};

TEST_F(SdlBackendTest, TheSoftwareRendererIsTakenWhereNoGpuIsSeenOrWhenAsked) {
    const bool gpu = std::filesystem::exists("/dev/dri");
    for (const char* asked : {"software", ""}) {
        if (*asked == '\0' && gpu) continue;
        setenv("RIVAKEL_RENDERER", asked, 1);
        auto window = backend_->CreateWindow(WindowParams{.title = "r", .width = 16, .height = 16});
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->RendererInUse(), Renderer::Software) << asked;
    }
    unsetenv("RIVAKEL_RENDERER");
}

// The accelerated renderer loads the machine's GL driver, whose threads the leak checker's
// stop-the-world tracer cannot always stop: it has died on them at the end of the process. The
// renderers are tried in a child run of this binary without the leak check; this process, which
// never loads GL, keeps it.
constexpr const char* kRendererChildVariable = "RIVAKEL_RENDERER_CHILD";

TEST_F(SdlBackendTest, EachRendererPresentsTheDirtyRectangles) {
    const ChildResult child =
        RunCrashChild("/proc/self/exe", "SdlBackendTest.RenderersInAChildRun", {{kRendererChildVariable, "1"}});
    ASSERT_TRUE(child.finished) << "the renderers' run did not end";
    EXPECT_TRUE(child.exited) << "the renderers' run ended by signal " << child.signal;
    EXPECT_EQ(child.exitCode, 0) << "the renderers' run failed: its output is above";
}

TEST_F(SdlBackendTest, RenderersInAChildRun) {
    if (std::getenv(kRendererChildVariable) == nullptr) GTEST_SKIP() << "runs as the child of EachRendererPresentsTheDirtyRectangles";
    EXPECT_EQ(backend_->ScreenSize(), (Point{1024, 768}));
    const Rect usable = backend_->UsableArea();
    EXPECT_FALSE(usable.Empty());
    EXPECT_EQ(backend_->DisplayDepth(), 32);

    for (bool accelerated : {false, true}) {
        SCOPED_TRACE(accelerated ? "accelerated asked" : "software forced");
        // Asked for even where no GPU is seen, so the accelerated path is exercised too.
        setenv("RIVAKEL_RENDERER", accelerated ? "accelerated" : "", 1);
        uint32_t iconPixels[4] = {0xFF00FF, 0x123456, 0x123456, 0xFF00FF};
        auto window = backend_->CreateWindow(WindowParams{.title = "Rivakel \xE9",
                                                          .width = 64,
                                                          .height = 48,
                                                          .position = Point{10, 20},
                                                          .preferAccelerated = accelerated,
                                                          .icon = PixelView{iconPixels, 2, 2, 2}});
        ASSERT_NE(window, nullptr);
        if (!accelerated) {
            EXPECT_EQ(window->RendererInUse(), Renderer::Software);
        }
        EXPECT_EQ(window->GetPosition(), (Point{10, 20}));

        std::vector<uint32_t> image(64 * 48);
        for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFFu;
        const PixelView view{image.data(), 64, 48, 64};
        const Rect whole[] = {{0, 0, 64, 48}};
        window->Present(view, whole);
        auto& sdlWindow = static_cast<SdlWindow&>(*window);
        EXPECT_EQ(sdlWindow.ReadBack(), image);

        std::vector<uint32_t> changed(image.size(), 0x00FF00);
        const Rect part[] = {{8, 4, 16, 10}, {60, 40, 90, 90}};
        window->Present(PixelView{changed.data(), 64, 48, 64}, part);
        std::vector<uint32_t> expected = image;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                if ((x >= 8 && x < 16 && y >= 4 && y < 10) || (x >= 60 && y >= 40)) expected[y * 64 + x] = 0x00FF00;
            }
        }
        EXPECT_EQ(sdlWindow.ReadBack(), expected);

        window->SetTitle("Other");
        window->Hide();
        window->Show();
        window->Raise();
        window->SetDragBorder(10);
        window->SetDragBorder(0);
        EXPECT_FALSE(window->IsMinimized());
    }
}

TEST_F(SdlBackendTest, EventsArriveAndPostedEventsWakeTheWait) {
    auto window = backend_->CreateWindow(WindowParams{.title = "Events", .width = 32, .height = 32});
    ASSERT_NE(window, nullptr);
    Event event;
    while (backend_->PollEvent(event)) {
    }

    std::thread poster([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        backend_->PostUserEvent(2026, 42, -1);
    });
    bool got = false;
    while (backend_->WaitEvent(event, 10000)) {
        if (event.type == EventType::User) {
            got = true;
            break;
        }
    }
    poster.join();
    ASSERT_TRUE(got);
    EXPECT_EQ(event.message, 2026);
    EXPECT_EQ(event.a, 42);
    EXPECT_EQ(event.b, -1);

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    SDL_strlcpy(text.text.text, "\xC3\xA9!", sizeof(text.text.text));
    ASSERT_EQ(SDL_PushEvent(&text), 1);
    std::string typed;
    while (backend_->PollEvent(event)) {
        if (event.type == EventType::Char) typed += static_cast<char>(event.ch);
    }
    EXPECT_EQ(typed, "\xE9!") << "text input is on from the start";

    // The window system may still have something to say; the first empty wait lasts its timeout.
    for (;;) {
        const uint32_t before = backend_->TickMs();
        if (backend_->WaitEvent(event, 30)) continue;
        EXPECT_GE(backend_->TickMs() - before, 30u);
        break;
    }
}

TEST_F(SdlBackendTest, ADescriptorThatTurnsReadableEndsTheWaitForEvents) {
    auto window = backend_->CreateWindow(WindowParams{.title = "Sockets", .width = 32, .height = 32});
    ASSERT_NE(window, nullptr);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    Event event;
    while (backend_->PollEvent(event)) {
    }
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_EQ(write(fds[1], "x", 1), 1);
    });
    WaitHandle handle{.descriptor = fds[0], .read = true};
    const auto start = std::chrono::steady_clock::now();
    while (!handle.readable && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        backend_->WaitEventOrHandles(event, 10000, std::span(&handle, 1));
    }
    writer.join();
    EXPECT_TRUE(handle.readable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // Nothing ready: the wait lasts its time and a plain wait is not cut short afterwards.
    char byte = 0;
    ASSERT_EQ(read(fds[0], &byte, 1), 1);
    const uint32_t before = backend_->TickMs();
    while (backend_->WaitEventOrHandles(event, 40, std::span(&handle, 1))) {
    }
    EXPECT_FALSE(handle.readable);
    EXPECT_GE(backend_->TickMs() - before, 40u);
    close(fds[0]);
    close(fds[1]);
}

TEST_F(SdlBackendTest, CursorsClipboardFontsAndAddresses) {
    std::vector<uint32_t> arrow(16 * 16, 0xFF00FF);
    for (int i = 0; i < 16; ++i) arrow[i * 16 + i] = 0x000000;
    auto cursor = backend_->CreateCursor(PixelView{arrow.data(), 16, 16, 16}, {0, 0}, 0xFF00FF);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(backend_->CreateCursor(PixelView{}, {0, 0}, 0xFF00FF), nullptr);
    auto window = backend_->CreateWindow(WindowParams{.width = 16, .height = 16});
    ASSERT_NE(window, nullptr);
    window->SetCursor(cursor.get());
    window->SetCursor(nullptr);

    backend_->SetClipboardText("caf\xE9 \x80");
    EXPECT_EQ(backend_->GetClipboardText(), "caf\xE9 \x80");

    EXPECT_NE(backend_->OpenFont(FontRequest{.face = "Arial", .height = -11}), nullptr);

    backend_->SetUrlOpener("true");
    EXPECT_TRUE(backend_->OpenUrl("https://example.test/"));
    EXPECT_FALSE(backend_->OpenUrl("file:///etc/passwd"));
    backend_->SetUrlOpener("/nonexistent/opener");
    EXPECT_FALSE(backend_->OpenUrl("http://example.test/"));

    backend_->StopTextInput();
    backend_->StartTextInput({1, 1, 2, 10});
}

TEST_F(SdlBackendTest, AudioMixesUntilClosed) {
    std::atomic<int> calls{0};
    std::atomic<bool> wrongSize{false};
    ASSERT_TRUE(backend_->OpenAudio(22050, [&](std::span<int16_t> out) {
        if (out.size() % 2 != 0) wrongSize = true;
        ++calls;
    }));
    EXPECT_FALSE(backend_->OpenAudio(22050, [](std::span<int16_t>) {}));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (calls == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GT(calls.load(), 0);
    backend_->LockAudio();
    backend_->UnlockAudio();
    backend_->CloseAudio();
    const int afterClose = calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(calls.load(), afterClose) << "no callback after CloseAudio returned";
    EXPECT_FALSE(wrongSize);
    backend_->LockAudio();  // closed: nothing to lock
    backend_->UnlockAudio();
}

TEST_F(SdlBackendTest, ClosingWhileLockedReturnsAndUnbalancedUnlocksAreHarmless) {
    std::atomic<int> calls{0};
    ASSERT_TRUE(backend_->OpenAudio(22050, [&](std::span<int16_t>) { ++calls; }));
    backend_->UnlockAudio();  // no lock held: must not release the audio thread's
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (calls == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    backend_->LockAudio();
    backend_->LockAudio();
    // The audio thread waits for the lock while the device closes; closing must not wait for it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    backend_->CloseAudio();
    backend_->UnlockAudio();
    backend_->UnlockAudio();
    EXPECT_TRUE(backend_->OpenAudio(22050, [](std::span<int16_t>) {}));
    backend_->CloseAudio();
}

TEST(SdlBackendDisplayLoss, APortalWhoseXServerDiesEndsInsteadOfHanging) {
    if (!OnPath("Xvfb")) RIVAKEL_REAL_WINDOW_MISSING("no Xvfb");
    auto xvfb = XvfbServer::Start();
    ASSERT_NE(xvfb, nullptr) << "Xvfb did not start";
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(ready[0]);
        setenv("DISPLAY", xvfb->Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        auto backend = SdlBackend::Make(nullptr);
        auto window = backend ? backend->CreateWindow(WindowParams{.title = "Lost", .width = 32, .height = 32}) : nullptr;
        if (window == nullptr) _exit(120);
        window->Show();
        [[maybe_unused]] const ssize_t told = write(ready[1], "r", 1);
        Event event;
        for (int i = 0; i < 600; ++i) backend->WaitEvent(event, 100);
        _exit(121);
    }
    close(ready[1]);
    char signal = 0;
    const bool shown = read(ready[0], &signal, 1) == 1;
    close(ready[0]);
    if (shown) xvfb->Kill();
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 600 && ended == 0; ++i) {
        ended = waitpid(child, &status, WNOHANG);
        if (ended == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(shown) << "the window was not made";
    ASSERT_NE(ended, 0) << "the process outlived its display by 30 seconds";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kDisplayLostExitCode);
}

TEST(SdlBackendWithoutDisplay, IsRefusedWithAReason) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("SDL_VIDEODRIVER", "x11", 1);
    std::string reason;
    EXPECT_EQ(SdlBackend::Make(&reason), nullptr);
    EXPECT_NE(reason.find("video"), std::string::npos) << reason;
}

}  // namespace
}  // namespace platform::sdl
