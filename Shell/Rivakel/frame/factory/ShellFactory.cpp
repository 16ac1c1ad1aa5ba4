#include "frame/factory/ShellFactory.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/base/Log.h"
#include "core/base/Timer.h"
#include "core/files/FileService.h"
#include "core/graphics/Anim.h"
#include "core/graphics/ButtonArgs.h"
#include "core/graphics/CSubsystem_Event_Win32.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"
#include "core/sound/SoundService.h"
#include "core/store/MarkupAttr.h"
#include "core/store/MarkupNode.h"
#include "core/text/CSubsystem_Cursor_Win32.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/factory/FactoryArguments.h"
#include "frame/factory/FactoryFonts.h"
#include "frame/factory/PlaceholderPictures.h"
#include "frame/graphics/GraphicsObjects.h"
#include "frame/services/ServiceObjects.h"

namespace {

// The factory keeps no state; this only gives its interface object something to stand for.
class FactoryCore final : public CRefCounted {};

unsigned SurfaceFlags(int flags) {
    return static_cast<unsigned>(flags) & (CSurface::kFlagColorKeyed | CSurface::kFlagInteractive);
}

unsigned ImageFlags(int flags) { return (flags & kSurfaceColourKeyed) != 0 ? CRenderTarget::kFlagColorKeyed : 0; }

const void* SenderOf(const IShellObject* sender) { return Unwrap<CRefCounted>(sender); }

// Services hand new objects over with one internal reference for the caller; once the
// interface object holds its own, that one is given back.
template <class Object, class Inner>
Object* HandOver(Object* object, Inner* inner) {
    if (inner != nullptr) inner->ReleaseInternalRef();
    return object;
}

// {count, then count pairs (from, to)}; null or a count <= 0 replaces nothing.
std::vector<GifColourPair> ColourMapOf(const int* colorMap) {
    if (colorMap == nullptr || colorMap[0] <= 0) return {};
    const size_t words = 1 + 2 * static_cast<size_t>(colorMap[0]);
    return GifColourMapFromWords(std::span<const int32_t>(colorMap, words));
}

ButtonArgs ButtonArgsOf(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                        int firstFrame, int userValue, AppletCallback callback) {
    ButtonArgs args;
    args.owner = Unwrap<CSurface>(parent);
    args.context = context;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = height;
    args.strip = Unwrap<CImage>(strip);
    args.firstFrame = firstFrame;
    args.userValue = userValue;
    args.callback = callback;
    return args;
}

class ShellFactory final : public InterfaceObject<IShellFactory, FactoryCore> {
public:
    using InterfaceObject::InterfaceObject;

    ISurface* CreateSurfaceFromAnim(IAnim* anim, int flags) override {
        CAnim* shown = Unwrap<CAnim>(anim);
        if (shown == nullptr) {
            Error("Error - null animation passed to IShellFactory::CreateSurfaceFromAnim");
            shown = new CAnim(NewPlaceholderSequence());
        }
        return MakeSurfaceObject(new CSurface(shown, SurfaceFlags(flags)));
    }

    ISurface* CreateSurfaceFromFile(const char* name, int flags) override {
        auto* anim = new CAnim(LoadSequenceOrPlaceholder(TextArgument(name, "CreateSurfaceFromFile")));
        return MakeSurfaceObject(new CSurface(anim, SurfaceFlags(flags)));
    }

    ISurface* CreateSurface(int width, int height, int flags) override {
        if (!PictureSizeAccepted(width, height, "CreateSurface"))
            return MakeSurfaceObject(new CSurface(1, 1, SurfaceFlags(flags) | CSurface::kFlagColorKeyed));
        return MakeSurfaceObject(new CSurface(width, height, SurfaceFlags(flags)));
    }

    IAnim* CreateAnimEntry2(IImageSeq* sequence) override { return CreateAnim(sequence); }
    IImageSeq* LoadImageSeqEntry2(const char* name) override { return LoadImageSeq(name); }
    IImageSeq* CreateImageSeqFromImageEntry2(IImage* image) override { return CreateImageSeqFromImage(image); }
    IImage* CreateImageEntry2(int width, int height, int flags) override { return CreateImage(width, height, flags); }

    IFile* OpenFile(const char* name, int flags) override {
        const std::string_view fileName = TextArgument(name, "OpenFile");
        CSubsystem_File_Win32* files = FileService();
        return MakeFileObject(files != nullptr ? files->OpenFile(fileName, flags) : new CFile());
    }

    IFont* CreateFont(const char* face, int size, int style) override {
        return NewFontObject(TextArgument(face, "CreateFont"), size, style);
    }

    ISurface* CreatePushButton(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                               int firstFrame, int userValue, AppletCallback callback) override {
        return MakeSurfaceObject(
            new CPushButton(ButtonArgsOf(parent, context, x, y, width, height, strip, firstFrame, userValue,
                                         CallbackArgument(callback, "CreatePushButton"))));
    }

    ISurface* CreateRolloverButton(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                                   int firstFrame, int userValue, AppletCallback callback) override {
        return MakeSurfaceObject(
            new CRolloverButton(ButtonArgsOf(parent, context, x, y, width, height, strip, firstFrame, userValue,
                                             CallbackArgument(callback, "CreateRolloverButton"))));
    }

    ITimer* CreateTimer(void* context, int intervalMs, AppletCallback callback) override {
        return MakeTimerObject(
            new CTimer(context, static_cast<uint32_t>(intervalMs), CallbackArgument(callback, "CreateTimer")));
    }

    ICursor* CreateCursor(const char* name) override {
        const std::string_view cursorName = TextArgument(name, "CreateCursor");
        CSubsystem_Cursor_Win32* cursors = CurrentSurfaceServices().cursors;
        // Without the service the cursor has no picture, so selecting it fails as for a missing one.
        return MakeCursorObject(cursors != nullptr ? cursors->CreateCursor(cursorName)
                                                   : new CCursor(cursorName, nullptr));
    }

    IEvent* CreateEvent(IShellObject* sender, int code) override {
        CSubsystem_Event_Win32* events = EventService();
        CEvent* event = events != nullptr ? events->RegisterEvent(SenderOf(sender), code) : nullptr;
        if (event == nullptr) {
            event = new CEvent(nullptr, SenderOf(sender), code, false);
            event->AddInternalRef();
        }
        return HandOver(MakeEventObject(event), event);
    }

    ISound* CreateSound(const char* name, int flags) override {
        const std::string_view soundName = TextArgument(name, "CreateSound");
        CSubsystem_Sound_DirectX* sounds = SoundService();
        CSound* sound = sounds != nullptr ? sounds->CreateSound(soundName, flags) : nullptr;
        return HandOver(MakeSoundObject(sound), sound);
    }

    IEventListener* AddListener(IShellObject* sender, int code, void* context, AppletCallback callback) override {
        callback = CallbackArgument(callback, "AddListener");
        CSubsystem_Event_Win32* events = EventService();
        CEventListener* listener = nullptr;
        if (events != nullptr) {
            listener = events->AddListener(SenderOf(sender), code, context, callback);
        } else {
            listener = new CEventListener(context, callback);
            listener->AddInternalRef();
        }
        return HandOver(MakeListenerObject(listener), listener);
    }

    IEditField* CreateEditField(ISurface* parent, void* context, int x, int y, int width, int height,
                                AppletCallback callback, int flags) override {
        return MakeEditFieldObject(new CEditField(Unwrap<CSurface>(parent), context, x, y, width, height, {},
                                                  CallbackArgument(callback, "CreateEditField"),
                                                  static_cast<unsigned>(flags)));
    }

    IImageSeq* LoadImageSeqRecolored(const char* name, const int* colorMap) override {
        const std::vector<GifColourPair> pairs = ColourMapOf(colorMap);
        return MakeImageSeqObject(LoadSequenceOrPlaceholder(TextArgument(name, "LoadImageSeqRecolored"), pairs));
    }

    IImageSeq* LoadImageSeq(const char* name) override {
        return MakeImageSeqObject(LoadSequenceOrPlaceholder(TextArgument(name, "LoadImageSeq")));
    }

    IImageSeq* CreateImageSeqFromImage(IImage* image) override {
        return MakeImageSeqObject(new CImageSeq(Unwrap<CImage>(image)));
    }

    IAnim* LoadAnim(const char* name) override {
        ISurface* surface = CreateSurfaceFromFile(name, 0);
        IAnim* anim = nullptr;
        surface->GetAnim(&anim);
        surface->Release();
        return anim;
    }

    IAnim* CreateAnim(IImageSeq* sequence) override { return MakeAnimObject(new CAnim(Unwrap<CImageSeq>(sequence))); }

    IImage* LoadImage(const char* name) override {
        ISurface* surface = CreateSurfaceFromFile(name, 0);
        IAnim* anim = nullptr;
        surface->GetAnim(&anim);
        IImage* image = nullptr;
        if (anim != nullptr) {
            anim->GetImage(&image);
            anim->Release();
        }
        surface->Release();
        return image;
    }

    IImage* CreateImage(int width, int height, int flags) override {
        if (!PictureSizeAccepted(width, height, "CreateImage")) return MakeImageObject(NewPlaceholderImage());
        return MakeImageObject(new CImage(CurrentSurfaceServices().fonts, width, height, ImageFlags(flags)));
    }

    IMarkupAttr* CreateMarkupAttr(const char* name) override { return CreateMarkupAttr(name, nullptr); }

    IMarkupAttr* CreateMarkupAttr(const char* name, const char* value) override {
        const std::optional<std::string_view> text =
            value != nullptr ? std::optional<std::string_view>(value) : std::nullopt;
        return MakeMarkupAttrObject(new CMarkupAttr(TextArgument(name, "CreateMarkupAttr"), text));
    }

    IMarkupNode* CreateMarkupNode(const char* name) override {
        return MakeMarkupNodeObject(new CMarkupNode(TextArgument(name, "CreateMarkupNode")));
    }

    IMarkupNode* CreateEmptyMarkupNode() override { return MakeMarkupNodeObject(new CMarkupNode("")); }
};

}  // namespace

IShellFactory* CreateShellFactory() { return new ShellFactory(new FactoryCore()); }
