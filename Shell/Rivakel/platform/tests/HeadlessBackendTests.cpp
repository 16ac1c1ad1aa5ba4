#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "platform/Host.h"
#include "platform/headless/HeadlessBackend.h"

namespace platform::headless {
namespace {

std::vector<Event> Drain(HeadlessBackend& backend) {
    std::vector<Event> events;
    Event event;
    while (backend.PollEvent(event)) events.push_back(event);
    return events;
}

std::vector<EventType> Types(const std::vector<Event>& events) {
    std::vector<EventType> types;
    for (const Event& e : events) types.push_back(e.type);
    return types;
}

TEST(HeadlessClock, WaitingWithoutEventsMovesTheClockByTheTimeout) {
    HeadlessBackend backend;
    backend.SetTime(1000);
    Event event;
    EXPECT_FALSE(backend.WaitEvent(event, 250));
    EXPECT_EQ(backend.TickMs(), 1250u);
    EXPECT_FALSE(backend.WaitEvent(event, 0));
    EXPECT_EQ(backend.TickMs(), 1250u);

    backend.PushKeyDown('A');
    EXPECT_TRUE(backend.WaitEvent(event, 500));
    EXPECT_EQ(backend.TickMs(), 1250u) << "a queued event is returned without moving the clock";

    backend.SleepMs(50);
    EXPECT_EQ(backend.TickMs(), 1300u);
}

TEST(HeadlessClock, WaitsOnDescriptorsInRealTimeOnlyWhenAskedTo) {
    HeadlessBackend backend;
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    WaitHandle handle{.descriptor = fds[0], .read = true};
    Event event;
    // A fake clock: nothing ready, the clock jumps by the timeout at once.
    EXPECT_FALSE(backend.WaitEventOrHandles(event, 1000, std::span(&handle, 1)));
    EXPECT_FALSE(handle.readable);
    EXPECT_EQ(backend.TickMs(), 1000u);
    // Real waits: a descriptor that turns readable ends the wait, and the clock moves by the
    // time really waited.
    backend.SetRealWaitMs(60000);
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        ASSERT_EQ(write(fds[1], "x", 1), 1);
    });
    EXPECT_FALSE(backend.WaitEventOrHandles(event, 10000, std::span(&handle, 1)));
    writer.join();
    EXPECT_TRUE(handle.readable);
    EXPECT_GE(backend.TickMs(), 1025u);
    EXPECT_LT(backend.TickMs(), 6000u);
    // An event that is waiting comes first; the handles are still looked at.
    backend.PushKeyDown('A');
    EXPECT_TRUE(backend.WaitEventOrHandles(event, 10000, std::span(&handle, 1)));
    EXPECT_TRUE(handle.readable);
    close(fds[0]);
    close(fds[1]);
}

// A portal run headless: waits are real and the clock is the machine's.
TEST(HeadlessClock, OnTheWallClockWaitsTakeTheirTimeAndTheTimeIsTheMachines) {
    using namespace std::chrono;
    HeadlessBackend backend(HeadlessBackend::Clock::Wall);
    const CalendarTime now = backend.NowUtc();
    const year_month_day today{floor<days>(system_clock::now())};
    EXPECT_EQ(now.year, static_cast<int>(today.year()));
    const uint32_t tick = backend.TickMs();
    const auto start = steady_clock::now();
    Event event;
    EXPECT_FALSE(backend.WaitEvent(event, 120));
    EXPECT_GE(steady_clock::now() - start, milliseconds(120));
    EXPECT_GE(backend.TickMs() - tick, 120u);
    backend.SleepMs(30);
    EXPECT_GE(steady_clock::now() - start, milliseconds(150));
    // Descriptors are waited on for the whole time too; an event posted meanwhile ends the wait.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    WaitHandle handle{.descriptor = fds[0], .read = true};
    const auto before = steady_clock::now();
    EXPECT_FALSE(backend.WaitEventOrHandles(event, 80, std::span(&handle, 1)));
    EXPECT_GE(steady_clock::now() - before, milliseconds(79)) << "the poll counts whole milliseconds";
    std::thread poster([&] {
        std::this_thread::sleep_for(milliseconds(20));
        backend.PostUserEvent(7, 0, 0);
    });
    EXPECT_TRUE(backend.WaitEventOrHandles(event, 60'000, std::span(&handle, 1)));
    poster.join();
    EXPECT_EQ(event.message, 7);
    close(fds[0]);
    close(fds[1]);
}

TEST(HeadlessClock, TickWrapsWhileTheCalendarRollsOver) {
    HeadlessBackend backend;
    backend.SetTime(0xFFFFFF00u);
    backend.SetUtc(CalendarTime{1999, 12, 31, 23, 59, 59, 900});
    backend.AdvanceTime(0x200);
    EXPECT_EQ(backend.TickMs(), 0x100u);
    const CalendarTime now = backend.NowUtc();
    EXPECT_EQ(now.year, 2000);
    EXPECT_EQ(now.month, 1);
    EXPECT_EQ(now.day, 1);
    EXPECT_EQ(now.hour, 0);
    EXPECT_EQ(now.minute, 0);
    EXPECT_EQ(now.second, 0);
    EXPECT_EQ(now.millisecond, 900 + 0x200 - 1000);

    backend.SetUtc(CalendarTime{2024, 2, 28, 12, 0, 0, 0});
    backend.AdvanceTime(24u * 3600u * 1000u);
    EXPECT_EQ(backend.NowUtc().month, 2);
    EXPECT_EQ(backend.NowUtc().day, 29) << "leap day";
}

TEST(HeadlessEvents, HelpersQueueWhatAWindowReceives) {
    HeadlessBackend backend;
    backend.PushClick(5, -3, 1);
    backend.PushDoubleClick(7, 8);
    backend.PushKey(VkReturn);
    backend.PushKey('A');
    backend.PushText("h\xE9");
    backend.PushClose();
    const auto events = Drain(backend);
    using T = EventType;
    EXPECT_EQ(Types(events), (std::vector<T>{T::MouseMove, T::MouseDown, T::MouseUp, T::MouseMove, T::MouseDown,
                                             T::MouseUp, T::MouseDoubleClick, T::MouseUp, T::KeyDown, T::Char,
                                             T::KeyUp, T::KeyDown, T::KeyUp, T::Char, T::Char, T::CloseRequested}));
    EXPECT_EQ(events[1].button, 1);
    EXPECT_EQ(events[1].y, -3);
    EXPECT_EQ(events[9].ch, 13);
    EXPECT_EQ(events[14].ch, 0xE9);
    EXPECT_EQ(backend.PendingEvents(), 0u);
}

TEST(HeadlessEvents, UserEventsFromAnotherThreadWakeARealWait) {
    HeadlessBackend backend;
    // The poster comes at once; the wait only bounds a broken wake-up on a loaded machine.
    backend.SetRealWaitMs(60'000);
    std::thread poster([&backend] { backend.PostUserEvent(2025, 7, -9); });
    Event event;
    ASSERT_TRUE(backend.WaitEvent(event, 60'000));
    poster.join();
    EXPECT_EQ(event.type, EventType::User);
    EXPECT_EQ(event.message, 2025);
    EXPECT_EQ(event.a, 7);
    EXPECT_EQ(event.b, -9);
    EXPECT_EQ(backend.TickMs(), 0u);
}

TEST(HeadlessEvents, ATerminationSignalEndsARealWaitSayingTheSessionEnds) {
    auto owned = std::make_unique<HeadlessBackend>();
    HeadlessBackend& backend = *owned;
    std::unique_ptr<Backend> previous = SetBackend(std::move(owned));
    backend.SetRealWaitMs(60'000);
    CatchCloseSignals();
    std::thread signaller([] { ::kill(::getpid(), SIGTERM); });
    // The signal may come before the wait or during it: then the wake-up comes first.
    std::vector<EventType> seen;
    Event event;
    while (seen.size() < 2 && (seen.empty() || seen.back() != EventType::SessionEnding)) {
        ASSERT_TRUE(backend.WaitEvent(event, 60'000));
        seen.push_back(event.type);
    }
    signaller.join();
    EXPECT_EQ(seen.back(), EventType::SessionEnding);
    EXPECT_EQ(backend.TickMs(), 0u);
    SetBackend(std::move(previous));
}

TEST(HeadlessWindows, PresentCopiesOnlyTheClippedDirtyRectangles) {
    HeadlessBackend backend;
    auto window = backend.CreateWindow(WindowParams{.title = "T", .width = 4, .height = 3});
    ASSERT_NE(window, nullptr);
    HeadlessWindow* shown = backend.MainWindow();
    ASSERT_EQ(shown, window.get());

    std::vector<uint32_t> image(6 * 3);  // wider than the window: pitch 6
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint32_t>(0x100 + i);
    const PixelView view{image.data(), 6, 3, 6};
    const Rect dirty[] = {{1, 0, 2, 1}, {-5, 2, 50, 9}, {3, 3, 4, 4}};
    window->Present(view, dirty);

    EXPECT_EQ(shown->PresentCount(), 1);
    EXPECT_EQ(shown->LastDirty(), (std::vector<Rect>{{1, 0, 2, 1}, {0, 2, 4, 3}}));
    EXPECT_EQ(shown->FramePixel(0, 0), 0u);
    EXPECT_EQ(shown->FramePixel(1, 0), 0x101u);
    EXPECT_EQ(shown->FramePixel(1, 1), 0u);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(shown->FramePixel(x, 2), static_cast<uint32_t>(0x100 + 12 + x));

    window->Present(view, {});
    EXPECT_EQ(shown->FramePixel(1, 0), 0x101u) << "an empty present keeps the frame";
}

TEST(HeadlessWindows, PlacementStateAndActivation) {
    HeadlessBackend backend;
    backend.SetScreenSize(800, 600);
    backend.SetUsableArea({0, 0, 800, 560});
    auto splash = backend.CreateWindow(WindowParams{.width = 400, .height = 240, .splash = true});
    auto main = backend.CreateWindow(WindowParams{.title = "Rivakel", .width = 640, .height = 452});
    EXPECT_EQ(splash->GetPosition(), (Point{200, 160}));
    EXPECT_EQ(main->GetPosition(), (Point{80, 54}));
    EXPECT_FALSE(splash->IsActive()) << "a splash never takes the focus";
    EXPECT_TRUE(main->IsActive());
    EXPECT_EQ(backend.MainWindow(), main.get());
    Drain(backend);

    main->Minimize();
    EXPECT_TRUE(main->IsMinimized());
    EXPECT_FALSE(main->IsActive());
    main->Restore();
    using T = EventType;
    EXPECT_EQ(Types(Drain(backend)), (std::vector<T>{T::Deactivated, T::Exposed, T::Activated}));

    backend.SetPositionsRefused(true);
    EXPECT_FALSE(main->SetPosition({1, 2}));
    EXPECT_EQ(main->GetPosition(), std::nullopt);

    main.reset();
    EXPECT_EQ(backend.MainWindow(), nullptr);
    EXPECT_EQ(backend.ActiveWindow(), nullptr);
}

TEST(HeadlessWindows, RendererFollowsTheRequestAndWhatIsAvailable) {
    HeadlessBackend backend;
    EXPECT_EQ(backend.CreateWindow({.width = 1, .height = 1})->RendererInUse(), Renderer::Accelerated);
    EXPECT_EQ(backend.CreateWindow({.width = 1, .height = 1, .preferAccelerated = false})->RendererInUse(),
              Renderer::Software);
    backend.SetAcceleratedAvailable(false);
    EXPECT_EQ(backend.CreateWindow({.width = 1, .height = 1})->RendererInUse(), Renderer::Software);
    EXPECT_EQ(backend.CreateWindow({.width = 0, .height = 1}), nullptr);
}

TEST(HeadlessScripts, MessageBoxesAnswerInOrderThenOk) {
    HeadlessBackend backend;
    backend.QueueMessageBoxAnswer(IdNo);
    backend.QueueMessageBoxAnswer(IdCancel);
    EXPECT_EQ(backend.MessageBox("Quit?", "Really?", MbYesNo | MbIconQuestion), IdNo);
    EXPECT_EQ(backend.MessageBox("Save?", "Now?", MbYesNoCancel), IdCancel);
    EXPECT_EQ(backend.MessageBox("Note", "Done", MbOk), IdOk);
    ASSERT_EQ(backend.MessageBoxes().size(), 3u);
    EXPECT_EQ(backend.MessageBoxes()[0].caption, "Quit?");
    EXPECT_EQ(backend.MessageBoxes()[0].flags, static_cast<unsigned>(MbYesNo | MbIconQuestion));
    EXPECT_EQ(backend.MessageBoxes()[2].answer, IdOk);
}

TEST(HeadlessScripts, OnlyWebAndMailAddressesAreOpened) {
    HeadlessBackend backend;
    EXPECT_TRUE(backend.OpenUrl("http://example.test/a"));
    EXPECT_TRUE(backend.OpenUrl("HTTPS://example.test/"));
    EXPECT_TRUE(backend.OpenUrl("MailTo:someone@example.test"));
    for (std::string_view refused : {"file:///etc/passwd", "javascript:alert(1)", "http:/x", "https://", "mailto:",
                                     "ftp://example.test", "/usr/bin/xterm", "-e http://x", "",
                                     "http://a\nb", "http://ex ample\x7F"}) {
        EXPECT_FALSE(backend.OpenUrl(refused)) << refused;
    }
    EXPECT_EQ(backend.OpenedUrls(),
              (std::vector<std::string>{"http://example.test/a", "HTTPS://example.test/", "MailTo:someone@example.test"}));
    backend.SetUrlOpeningWorks(false);
    EXPECT_FALSE(backend.OpenUrl("http://example.test/b"));
    EXPECT_EQ(backend.OpenedUrls().size(), 3u);
}

TEST(HeadlessScripts, ClipboardCursorsAndTextInputAreRecorded) {
    HeadlessBackend backend;
    EXPECT_EQ(backend.GetClipboardText(), std::nullopt);
    backend.SetClipboardText("caf\xE9");
    EXPECT_EQ(backend.GetClipboardText(), "caf\xE9");

    uint32_t pixels[4] = {0xFF00FF, 1, 2, 3};
    auto cursor = backend.CreateCursor(PixelView{pixels, 2, 2, 2}, {1, 0}, 0xFF00FF);
    ASSERT_NE(cursor, nullptr);
    const auto* recorded = static_cast<const HeadlessCursor*>(cursor.get());
    EXPECT_EQ(recorded->HotSpot(), (Point{1, 0}));
    EXPECT_EQ(recorded->Pixels(), (std::vector<uint32_t>{0xFF00FF, 1, 2, 3}));
    EXPECT_EQ(backend.CreateCursor(PixelView{}, {}, 0), nullptr);
    EXPECT_EQ(backend.CursorsCreated(), 1);
    auto window = backend.CreateWindow({.width = 2, .height = 2});
    window->SetCursor(cursor.get());
    EXPECT_EQ(backend.MainWindow()->CurrentCursor(), cursor.get());

    EXPECT_TRUE(backend.TextInputActive());
    backend.StopTextInput();
    EXPECT_FALSE(backend.TextInputActive());
    backend.StartTextInput({1, 2, 3, 4});
    EXPECT_EQ(backend.TextInputCaret(), (Rect{1, 2, 3, 4}));
}

TEST(HeadlessAudio, PumpRunsTheMixerUntilClosed) {
    HeadlessBackend backend;
    EXPECT_TRUE(backend.PumpAudio(4).empty());
    int calls = 0;
    ASSERT_TRUE(backend.OpenAudio(22050, [&calls](std::span<int16_t> out) {
        ++calls;
        for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<int16_t>(i % 2 == 0 ? 100 : -100);
    }));
    EXPECT_FALSE(backend.OpenAudio(22050, [](std::span<int16_t>) {})) << "one device at a time";
    EXPECT_EQ(backend.AudioRate(), 22050);
    backend.LockAudio();
    backend.LockAudio();  // nests like the device lock
    backend.UnlockAudio();
    backend.UnlockAudio();
    EXPECT_EQ(backend.PumpAudio(3), (std::vector<int16_t>{100, -100, 100, -100, 100, -100}));
    backend.CloseAudio();
    EXPECT_TRUE(backend.PumpAudio(3).empty());
    EXPECT_EQ(calls, 1);

    backend.SetAudioAvailable(false);
    EXPECT_FALSE(backend.OpenAudio(22050, [](std::span<int16_t>) {}));
}

TEST(HeadlessDisplay, ChangeDisplayAnnouncesTheNewSize) {
    HeadlessBackend backend;
    EXPECT_EQ(backend.ScreenSize(), (Point{1024, 768}));
    EXPECT_EQ(backend.DisplayDepth(), 32);
    backend.ChangeDisplay(800, 600);
    EXPECT_EQ(backend.UsableArea(), (Rect{0, 0, 800, 600}));
    const auto events = Drain(backend);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::DisplayChanged);
    EXPECT_EQ(events[0].width, 800);
    EXPECT_EQ(events[0].height, 600);
}

}  // namespace
}  // namespace platform::headless
