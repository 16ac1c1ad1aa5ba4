#include "app/ReporterWindow.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "app/Services.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/DialogWidgets.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/text/CSubsystem_Cursor.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 480;
constexpr uint32_t kLongestWaitMs = 100;

// What the window holds while it is up; taken down in the reverse order.
class ReporterWindow {
public:
    explicit ReporterWindow(platform::Backend& backend) : backend_(backend) {
        ProgramState& program = Program();
        program.sizes = {kWidth, kHeight, kWidth, kHeight};
        platform::WindowParams params;
        params.title = "Rivakel";
        params.width = kWidth;
        params.height = kHeight;
        program.mainWindow = CreateVideoWindow(std::move(params));
        if (!program.mainWindow) return;
        CreateClock();
        VideoHooks hooks;
        hooks.repaint = [this] { Repaint(); };
        video_ = CreateVideoService(program.mainWindow.get(), std::move(hooks));
        CurrentSurfaceServices().video = video_.get();
        CreateInputService();
        CreateFontService();
        CurrentSurfaceServices().fonts = FontService();
        CreateCursorService();
        CurrentSurfaceServices().cursors = CursorService();
        EventHooks events;
        events.stopping = [this] { return closing_; };
        events.capture = [](bool captured) {
            if (platform::Window* window = Program().mainWindow.get()) window->SetMouseCapture(captured);
        };
        CreateEventService(std::move(events));

        root_ = new CSurface(kWidth, kHeight, 0);
        root_->AddInternalRef();
        if (CImage* image = root_->GetCurImage()) FillBox(*image, 0, 0, kWidth, kHeight, dialog_look::kCaption);
        EventService()->SetRoot(root_);

        DialogEnvironment& dialogs = CurrentDialogEnvironment();
        dialogs.root = root_;
        dialogs.repaint = [this] { Repaint(); };
        dialogs.runLoop = [this](const std::function<bool()>& done,
                                 const std::function<bool(const platform::Event&)>& filter,
                                 const std::function<void()>& turn) { Loop(done, filter, turn); };
        dialogs.stopping = [this] { return closing_; };
        dialogs.raiseWindow = [] {
            if (platform::Window* window = Program().mainWindow.get()) window->Raise();
        };
        program.mainWindow->Show();
        program.mainWindow->Raise();
    }

    ~ReporterWindow() {
        CurrentDialogEnvironment() = {};
        if (root_ != nullptr) {
            if (CSubsystem_Event* events = EventService()) events->SetRoot(nullptr);
            root_->ReleaseInternalRef();
        }
        if (!Program().mainWindow) return;
        DestroyEventService();
        DestroyCursorService();
        DestroyFontService();
        DestroyInputService();
        CurrentSurfaceServices() = {};
        video_.reset();
        DestroyClock();
        Program().mainWindow.reset();
    }

    ReporterWindow(const ReporterWindow&) = delete;
    ReporterWindow& operator=(const ReporterWindow&) = delete;

    bool Valid() const { return root_ != nullptr; }

private:
    void Repaint() {
        CImage* image = root_ != nullptr ? root_->GetCurImage() : nullptr;
        if (video_ == nullptr || image == nullptr || !video_->IsDirty()) return;
        root_->Compose(nullptr, {0, 0, kWidth, kHeight}, 0, 0);
        video_->Present(image->GetRenderTarget());
        video_->ClearDirty();
    }

    void Dispatch(const platform::Event& event) {
        using platform::EventType;
        switch (event.type) {
        case EventType::CloseRequested:
        case EventType::SessionEnding:
            closing_ = true;
            break;
        case EventType::Exposed:
        case EventType::RendererReset:
            video_->AddDirty(0, 0, kWidth, kHeight);
            break;
        case EventType::None:
        case EventType::Activated:
        case EventType::User:
        case EventType::DisplayChanged:
            break;
        default:
            if (CSubsystem_Input* input = InputService()) input->HandlePlatformEvent(event);
            if (event.type == EventType::MouseMove) {
                if (CSubsystem_Cursor* cursors = CursorService()) Program().mainWindow->SetCursor(cursors->CurrentCursor());
            }
            break;
        }
    }

    // The dialogs' loop: events (each shown to `filter` first), the timers, a repaint.
    void Loop(const std::function<bool()>& done, const std::function<bool(const platform::Event&)>& filter,
              const std::function<void()>& turn) {
        const auto over = [&] { return closing_ || done(); };
        while (!over()) {
            if (turn) turn();
            if (over()) break;
            CSubsystem_Clock* clock = ClockService();
            const uint32_t wait = clock != nullptr ? std::min(clock->NextDueInMs(), kLongestWaitMs) : kLongestWaitMs;
            platform::Event event;
            bool have = backend_.WaitEvent(event, wait);
            while (have) {
                if (!filter || !filter(event)) Dispatch(event);
                if (over()) return;
                have = backend_.PollEvent(event);
            }
            if (clock != nullptr) clock->TickAll();
            Repaint();
        }
    }

    platform::Backend& backend_;
    std::unique_ptr<CSubsystem_Video> video_;
    CSurface* root_ = nullptr;
    bool closing_ = false;
};

}  // namespace

bool RunInReporterWindow(const std::function<void()>& body) {
    platform::Backend* backend = platform::GetBackend();
    if (backend == nullptr || !backend->HasInstalledFonts()) return false;
    ReporterWindow window(*backend);
    if (!window.Valid()) return false;
    body();
    return true;
}
