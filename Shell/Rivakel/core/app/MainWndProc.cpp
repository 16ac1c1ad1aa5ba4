#include "core/app/MainWndProc.h"

#include "core/app/PlainBackground.h"
#include "core/app/ProgramState.h"
#include "core/app/Services.h"
#include "core/app/Session.h"
#include "core/graphics/VideoService.h"

int MouseEventCode(const platform::Event& event) {
    const bool right = event.button == 1;
    switch (event.type) {
    case platform::EventType::MouseMove:
        return 7;
    // No window class asks for double clicks: a second press is a press like the first.
    case platform::EventType::MouseDown:
    case platform::EventType::MouseDoubleClick:
        return right ? 4 : 1;
    case platform::EventType::MouseUp:
        return right ? 5 : 2;
    default:
        return 0;
    }
}

void RepaintMainWindow() {
    ProgramState& program = Program();
    if (CSubsystem_Video* video = VideoService()) {
        video->AddDirty(0, 0, program.sizes.windowWidth, program.sizes.windowHeight);
    }
    if (program.mainWindow) PresentPlainBackground(*program.mainWindow, program.sizes);
}

int AnswerPrivateMessage(int message, intptr_t, intptr_t) {
    const bool stopping = SessionStopping();
    switch (message) {
    case kMsgCloseRequest:
        if (stopping) return 1;
        if (platform::Window* window = Program().mainWindow.get()) window->Raise();
        StopSession();
        return 1;
    case kMsgShellVersion:
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

void HandleKeyDown(const platform::Event& event) {
    ProgramState& program = Program();
    if (event.system) return;
    if (event.key == kVkEscape && !program.embedded) {
        if (CSubsystem_Video* video = VideoService()) video->Minimize();
    }
}

}  // namespace

void MainWndProc(const platform::Event& event) {
    if (event.type == platform::EventType::User) {
        AnswerPrivateMessage(event.message, event.a, event.b);
        return;
    }
    if (SessionStopping()) return;

    ProgramState& program = Program();
    switch (event.type) {
    case platform::EventType::CloseRequested:
        StopSession();
        break;
    case platform::EventType::Activated:
        program.inactive = false;
        break;
    case platform::EventType::Deactivated:
        program.inactive = true;
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
        HandleKeyDown(event);
        break;
    default:
        break;
    }
}
