#include "app/MainWindowProc.h"

#include "app/PlainBackground.h"
#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/Session.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/VideoService.h"
#include "core/text/CSubsystem_Cursor.h"
#include "frame/shell/Shell.h"

void RepaintMainWindow() {
    ProgramState& program = Program();
    if (CSubsystem_Video* video = VideoService()) {
        video->AddDirty(0, 0, program.sizes.windowWidth, program.sizes.windowHeight);
    }
    if (CShell* shell = Shell()) {
        shell->Repaint();
    } else if (program.mainWindow) {
        PresentPlainBackground(*program.mainWindow, program.sizes);
    }
}

namespace {

// A close request from the window system or a later start: the shell window may refuse it.
bool CloseAllowed() {
    CShell* shell = Shell();
    return shell == nullptr || shell->QueryClose();
}

}  // namespace

int AnswerPrivateMessage(int message, intptr_t, intptr_t) {
    const bool stopping = SessionStopping();
    switch (message) {
    case kMsgCloseRequest:
        if (stopping) return 1;
        if (platform::Window* window = Program().mainWindow.get()) window->Raise();
        if (!CloseAllowed()) return 0;
        StopSession();
        return 1;
    case kMsgShellVersion:
        return !stopping && Shell() != nullptr ? static_cast<int>(Shell()->Version().number) : 0;
    case kMsgHostLookupDone:
    case kMsgSocketEvent:
        return 0;
    case kMsgShuttingDown:
        return stopping ? 1 : 0;
    default:
        return 0;
    }
}

namespace {

bool IsEscape(const platform::Event& event) {
    return (event.type == platform::EventType::Char && event.ch == kVkEscape) ||
           ((event.type == platform::EventType::KeyDown || event.type == platform::EventType::KeyUp) &&
            event.key == kVkEscape);
}

// Escape never reaches the applets: it pauses a running game and minimises the window (unless
// embedded, where it is a key like any other). Every other key goes to the input service.
void HandleKey(const platform::Event& event) {
    const ProgramState& program = Program();
    if (IsEscape(event) && !program.embedded) {
        CSubsystem_Input* input = InputService();
        // What the input service saw go down it must see come up, or the key stays held and repeats.
        if (event.type == platform::EventType::KeyUp) {
            if (input && input->KeyStates().IsDown(kVkEscape)) input->HandlePlatformEvent(event);
            return;
        }
        if (event.type != platform::EventType::KeyDown) return;
        if (CShell* shell = Shell()) shell->PauseForLeaving();
        // A focused text field minimises on Escape itself.
        if (input && input->Focus()) {
            input->HandlePlatformEvent(event);
            return;
        }
        if (CSubsystem_Video* video = VideoService()) video->Minimize();
        return;
    }
    if (CSubsystem_Input* input = InputService()) input->HandlePlatformEvent(event);
}

void HandleMouse(const platform::Event& event) {
    if (CSubsystem_Input* input = InputService()) input->HandlePlatformEvent(event);
    if (event.type == platform::EventType::MouseMove) {
        CSubsystem_Cursor* cursors = CursorService();
        platform::Window* window = Program().mainWindow.get();
        if (cursors && window) window->SetCursor(cursors->CurrentCursor());
    }
}

void HandleDeactivated(const platform::Event& event) {
    if (CShell* shell = Shell()) shell->PauseForLeaving();
    Program().inactive = true;
    if (CSubsystem_Input* input = InputService()) input->HandlePlatformEvent(event);
    // Hovered surfaces get their leave events.
    if (CSubsystem_Event* events = EventService()) {
        events->DispatchMouse(7, CSubsystem_Video::kOffWindow, CSubsystem_Video::kOffWindow);
    }
}

}  // namespace

void MainWindowProc(const platform::Event& event) {
    if (event.type == platform::EventType::User) {
        AnswerPrivateMessage(event.message, event.a, event.b);
        return;
    }
    if (SessionStopping()) return;

    ProgramState& program = Program();
    switch (event.type) {
    case platform::EventType::CloseRequested:
        if (CloseAllowed()) StopSession();
        break;
    case platform::EventType::SessionEnding:
        StopSession();
        break;
    case platform::EventType::Activated:
        program.inactive = false;
        break;
    case platform::EventType::Deactivated:
        HandleDeactivated(event);
        break;
    case platform::EventType::RendererReset:
        if (CSubsystem_Video* video = VideoService()) video->OnRendererReset();
        RepaintMainWindow();
        break;
    case platform::EventType::Exposed:
        RepaintMainWindow();
        break;
    case platform::EventType::DisplayChanged:
        program.screenWidth = event.width;
        program.screenHeight = event.height;
        if (CSubsystem_Video* video = VideoService()) video->OnDisplayChange(32, event.width, event.height);
        break;
    case platform::EventType::KeyDown:
    case platform::EventType::KeyUp:
    case platform::EventType::Char:
        HandleKey(event);
        break;
    case platform::EventType::MouseMove:
    case platform::EventType::MouseDown:
    case platform::EventType::MouseUp:
    case platform::EventType::MouseDoubleClick:
    case platform::EventType::MouseWheel:
        HandleMouse(event);
        break;
    default:
        break;
    }
}
