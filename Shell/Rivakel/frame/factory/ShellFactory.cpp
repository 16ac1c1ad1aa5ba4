#include "frame/factory/ShellFactory.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/base/Log.h"
#include "core/base/Timer.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/Anim.h"
#include "core/graphics/ButtonArgs.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"
#include "core/sound/CSubsystem_Sound.h"
#include "core/store/MarkupAttr.h"
#include "core/store/MarkupNode.h"
#include "core/text/CSubsystem_Cursor.h"
#include "frame/boundary/AppletArguments.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/factory/FactoryArguments.h"
#include "frame/factory/FactoryFonts.h"
#include "frame/factory/GameObjectStops.h"
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

// {count, then count pairs (from, to)}; null or a count <= 0 replaces nothing, and an overlong
// map is not read at all.
std::vector<GifColourPair> ColourMapOf(const int* colorMap) {
    if (colorMap == nullptr || !CountAccepted(colorMap[0], kMaxColourPairs, "IShellFactory::LoadImageSeqRecolored"))
        return {};
    const size_t words = 1 + 2 * static_cast<size_t>(colorMap[0]);
    return GifColourMapFromWords(std::span<const int32_t>(colorMap, words));
}

ButtonArgs ButtonArgsOf(ISurface* parent, const GameObjects::Route& route, int x, int y, int width, int height,
                        IImage* strip, int firstFrame, int userValue) {
    ButtonArgs args;
    args.owner = Unwrap<CSurface>(parent);
    args.context = route.context;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = height;
    args.strip = Unwrap<CImage>(strip);
    args.firstFrame = firstFrame;
    args.userValue = userValue;
    args.callback = route.function;
    return args;
}

// A button takes the game's callback through a route and belongs to the game that made it.
template <class Button>
ISurface* NewButton(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                    int firstFrame, int userValue, AppletCallback callback, const char* operation) {
    const GameObjects::Route route = GameObjects::RouteCallback(CallbackArgument(callback, operation), context);
    auto* button = new Button(ButtonArgsOf(parent, route, x, y, width, height, strip, firstFrame, userValue));
    return MakeSurfaceObject(AdoptedByGame<CSurface>(button, StopGameSurface, route.id));
}

ISurface* NewSurface(CSurface* surface) { return MakeSurfaceObject(AdoptedByGame(surface, StopGameSurface)); }

class ShellFactory final : public InterfaceObject<IShellFactory, FactoryCore> {
public:
    using InterfaceObject::InterfaceObject;

    ISurface* CreateSurfaceFromAnim(IAnim* anim, int flags) override {
        CAnim* shown = Unwrap<CAnim>(anim);
        if (shown == nullptr) {
            Error("Error - null animation passed to IShellFactory::CreateSurfaceFromAnim");
            shown = new CAnim(NewPlaceholderSequence());
        }
        return NewSurface(new CSurface(shown, SurfaceFlags(flags)));
    }

    ISurface* CreateSurfaceFromFile(const char* name, int flags) override {
        auto* anim = new CAnim(LoadSequenceOrPlaceholder(TextArgument(name, "CreateSurfaceFromFile")));
        return NewSurface(new CSurface(anim, SurfaceFlags(flags)));
    }

    ISurface* CreateSurface(int width, int height, int flags) override {
        if (!PictureSizeAccepted(width, height, "CreateSurface"))
            return NewSurface(new CSurface(1, 1, SurfaceFlags(flags) | CSurface::kFlagColorKeyed));
        return NewSurface(new CSurface(width, height, SurfaceFlags(flags)));
    }

    IAnim* CreateAnimEntry2(IImageSeq* sequence) override { return CreateAnim(sequence); }
    IImageSeq* LoadImageSeqEntry2(const char* name) override { return LoadImageSeq(name); }
    IImageSeq* CreateImageSeqFromImageEntry2(IImage* image) override { return CreateImageSeqFromImage(image); }
    IImage* CreateImageEntry2(int width, int height, int flags) override { return CreateImage(width, height, flags); }

    IFile* OpenFile(const char* name, int flags) override {
        const std::string_view fileName = TextArgument(name, "OpenFile");
        CSubsystem_File* files = FileService();
        return MakeFileObject(AdoptedByGame(files != nullptr ? files->OpenFile(fileName, flags) : new CFile()));
    }

    IFont* CreateFont(const char* face, int size, int style) override {
        return NewFontObject(TextArgument(face, "CreateFont"), size, style);
    }

    ISurface* CreatePushButton(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                               int firstFrame, int userValue, AppletCallback callback) override {
        return NewButton<CPushButton>(parent, context, x, y, width, height, strip, firstFrame, userValue, callback,
                                      "CreatePushButton");
    }

    ISurface* CreateRolloverButton(ISurface* parent, void* context, int x, int y, int width, int height, IImage* strip,
                                   int firstFrame, int userValue, AppletCallback callback) override {
        return NewButton<CRolloverButton>(parent, context, x, y, width, height, strip, firstFrame, userValue,
                                          callback, "CreateRolloverButton");
    }

    ITimer* CreateTimer(void* context, int intervalMs, AppletCallback callback) override {
        const GameObjects::Route route =
            GameObjects::RouteCallback(CallbackArgument(callback, "CreateTimer"), context);
        auto* timer = new CTimer(route.context, TimerInterval(intervalMs), route.function);
        return MakeTimerObject(AdoptedByGame(timer, StopGameTimer, route.id));
    }

    ICursor* CreateCursor(const char* name) override {
        const std::string_view cursorName = TextArgument(name, "CreateCursor");
        CSubsystem_Cursor* cursors = CurrentSurfaceServices().cursors;
        // Without the service the cursor has no picture, so selecting it fails as for a missing one.
        return MakeCursorObject(cursors != nullptr ? cursors->CreateCursor(cursorName)
                                                   : new CCursor(cursorName, nullptr));
    }

    IEvent* CreateEvent(IShellObject* sender, int code) override {
        CSubsystem_Event* events = EventService();
        CEvent* event = events != nullptr ? events->RegisterEvent(SenderOf(sender), code) : nullptr;
        if (event == nullptr) {
            event = new CEvent(nullptr, SenderOf(sender), code, false);
            event->AddInternalRef();
        }
        return HandOver(MakeEventObject(AdoptedByGame(event)), event);
    }

    ISound* CreateSound(const char* name, int flags) override {
        const std::string_view soundName = TextArgument(name, "CreateSound");
        CSubsystem_Sound* sounds = SoundService();
        CSound* sound = sounds != nullptr ? sounds->CreateSound(soundName, flags) : nullptr;
        return HandOver(MakeSoundObject(AdoptedSound(sound)), sound);
    }

    IEventListener* AddListener(IShellObject* sender, int code, void* context, AppletCallback callback) override {
        const GameObjects::Route route =
            GameObjects::RouteCallback(CallbackArgument(callback, "AddListener"), context);
        CSubsystem_Event* events = EventService();
        CEventListener* listener = nullptr;
        if (events != nullptr) {
            listener = events->AddListener(SenderOf(sender), code, route.context, route.function);
        } else {
            listener = new CEventListener(route.context, route.function);
            listener->AddInternalRef();
        }
        return HandOver(MakeListenerObject(AdoptedByGame(listener, StopGameListener, route.id)), listener);
    }

    IEditField* CreateEditField(ISurface* parent, void* context, int x, int y, int width, int height,
                                AppletCallback callback, int flags) override {
        const GameObjects::Route route =
            GameObjects::RouteCallback(CallbackArgument(callback, "CreateEditField"), context);
        auto* field = new CEditField(Unwrap<CSurface>(parent), route.context, x, y, width, height, {}, route.function,
                                     static_cast<unsigned>(flags));
        return MakeEditFieldObject(AdoptedByGame(field, StopGameSurface, route.id));
    }

    IImageSeq* LoadImageSeqRecolored(const char* name, const int* colorMap) override {
        const std::vector<GifColourPair> pairs = ColourMapOf(colorMap);
        return MakeImageSeqObject(
            AdoptedByGame(LoadSequenceOrPlaceholder(TextArgument(name, "LoadImageSeqRecolored"), pairs)));
    }

    IImageSeq* LoadImageSeq(const char* name) override {
        return MakeImageSeqObject(AdoptedByGame(LoadSequenceOrPlaceholder(TextArgument(name, "LoadImageSeq"))));
    }

    IImageSeq* CreateImageSeqFromImage(IImage* image) override {
        return MakeImageSeqObject(AdoptedByGame(new CImageSeq(Unwrap<CImage>(image))));
    }

    IAnim* LoadAnim(const char* name) override {
        ISurface* surface = CreateSurfaceFromFile(name, 0);
        IAnim* anim = nullptr;
        surface->GetAnim(&anim);
        surface->Release();
        return anim;
    }

    IAnim* CreateAnim(IImageSeq* sequence) override {
        return MakeAnimObject(AdoptedByGame(new CAnim(Unwrap<CImageSeq>(sequence)), StopGameAnim));
    }

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
        if (!PictureSizeAccepted(width, height, "CreateImage"))
            return MakeImageObject(AdoptedByGame(NewPlaceholderImage()));
        return MakeImageObject(
            AdoptedByGame(new CImage(CurrentSurfaceServices().fonts, width, height, ImageFlags(flags))));
    }

    IMarkupAttr* CreateMarkupAttr(const char* name) override { return CreateMarkupAttr(name, nullptr); }

    IMarkupAttr* CreateMarkupAttr(const char* name, const char* value) override {
        const std::optional<std::string_view> text =
            value != nullptr ? std::optional<std::string_view>(value) : std::nullopt;
        return MakeMarkupAttrObject(AdoptedByGame(new CMarkupAttr(TextArgument(name, "CreateMarkupAttr"), text)));
    }

    IMarkupNode* CreateMarkupNode(const char* name) override {
        return MakeMarkupNodeObject(AdoptedByGame(new CMarkupNode(TextArgument(name, "CreateMarkupNode"))));
    }

    IMarkupNode* CreateEmptyMarkupNode() override { return MakeMarkupNodeObject(AdoptedByGame(new CMarkupNode(""))); }
};

}  // namespace

IShellFactory* CreateShellFactory() { return new ShellFactory(new FactoryCore()); }
