#include "app/Services.h"

#include <memory>

#include "app/MainWindowProc.h"
#include "app/ProgramState.h"
#include "app/WindowPlacement.h"
#include "core/gif/GifDecoder.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EventCodes.h"
#include "core/graphics/VideoService.h"
#include "core/resources/CursorResource.h"
#include "core/resources/ResourceFormat.h"
#include "core/resources/ResourceRegistry.h"
#include "core/store/UserStore.h"
#include "core/text/BackendFontOpener.h"
#include "core/text/CSubsystem_Cursor.h"
#include "core/text/CSubsystem_Font.h"

namespace {

struct ServiceOwners {
    std::unique_ptr<CSubsystem_Video> video;
    std::unique_ptr<CSubsystem_Font> fonts;
    std::unique_ptr<CSubsystem_Cursor> cursors;
};

ServiceOwners& Owners() {
    static ServiceOwners owners;
    return owners;
}

// A named cursor of the shell's resources made into a platform cursor.
std::unique_ptr<platform::Cursor> LoadCursor(std::string_view name) {
    platform::Backend* backend = platform::GetBackend();
    if (!backend) return nullptr;
    auto data = resources::ResourceRegistry::Instance().Find(resources::kTypeCursor, name);
    if (!data) return nullptr;
    std::optional<resources::CursorResource> cursor = resources::ParseCursorResource(*data);
    GifImage image;
    if (!cursor || DecodeGif(cursor->gif, image, name) != kGifOk || image.frames.empty()) return nullptr;
    GifFrame& frame = image.frames.front();
    platform::PixelView view{frame.pixels.data(), image.width, image.height, image.width};
    return backend->CreateCursor(view, {cursor->hotX, cursor->hotY}, kGifColourKey);
}

void ApplyCursor(const platform::Cursor* cursor) {
    if (platform::Window* window = Program().mainWindow.get()) window->SetCursor(cursor);
}

}  // namespace

CSubsystem_Video* VideoService() { return Owners().video.get(); }
CSubsystem_Font* FontService() { return Owners().fonts.get(); }
CSubsystem_Cursor* CursorService() { return Owners().cursors.get(); }

void CreateVideoService() {
    VideoHooks hooks;
    hooks.selectStockCursor = [](int stock) {
        if (CSubsystem_Cursor* cursors = CursorService()) cursors->SelectCursor(cursors->GetStockCursor(stock));
    };
    hooks.repaint = [] { RepaintMainWindow(); };
    hooks.mouseMove = [](int x, int y) {
        if (CSubsystem_Input* input = InputService()) input->ForwardMouse(kEventMouseMove, x, y);
    };
    hooks.dragEnded = [](int left, int top) {
        if (CSubsystem_UserStore* store = UserStore()) StoreWindowPosition(store->GetCurrentUser(), {left, top});
    };
    Owners().video = ::CreateVideoService(Program().mainWindow.get(), std::move(hooks));
}

void CreateFontService() { Owners().fonts = std::make_unique<CSubsystem_Font>(BackendFontOpener()); }

void CreateCursorService() {
    Owners().cursors = std::make_unique<CSubsystem_Cursor>(LoadCursor, ApplyCursor);
}

void DestroyVideoService() { Owners().video.reset(); }
void DestroyFontService() { Owners().fonts.reset(); }
void DestroyCursorService() { Owners().cursors.reset(); }
