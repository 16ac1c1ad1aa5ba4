#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/TimeRecord.h"
#include "core/dialogs/ModalClockPause.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/store/CopyToBuffer.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IShellFactory.h"
#include "frame/boundary/AppletArguments.h"
#include "frame/boundary/GameObjects.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/boundary/PixelBuffers.h"
#include "frame/services/AppletText.h"
#include "frame/services/ServiceObjects.h"
#include "frame/services/ShellWindowLink.h"
#include "platform/Platform.h"

namespace {

constexpr int kMaxPixelBufferSide = 16384;
constexpr size_t kMaxUrlLength = 2000;

// Stands for the shell window when the services have none, so events 17 and 16 still have a
// sender of their own.
class DetachedSender final : public CRefCounted {};

// One of ConfirmEmail's callbacks, routed like every game callback; a null one is logged and
// never called.
GameObjects::Route ConfirmRoute(ConfirmEmailCallback callback, int userData, const char* which) {
    if (callback == nullptr) Warning("IShellServices::ConfirmEmail: null %s ignored", which);
    return GameObjects::RouteCallback(callback, reinterpret_cast<void*>(static_cast<intptr_t>(userData)));
}

void CallRoute(const GameObjects::Route& route, int result) {
    if (route.function == nullptr) return;
    intptr_t args[2] = {reinterpret_cast<intptr_t>(route.context), result};
    route.function(args);
}

int ToPlatformBoxFlags(int flags) {
    unsigned result = (flags & kBoxOkCancel) != 0 ? platform::MbOkCancel : platform::MbOk;
    if ((flags & kBoxExclamation) != 0) result |= platform::MbIconWarning;
    return static_cast<int>(result);
}

int BoxAnswer(int answer) { return answer == applet::kBoxOk || answer == applet::kBoxCancel ? answer : 0; }

class ShellServices final : public InterfaceObject<IShellServices, CRefCounted> {
public:
    ShellServices(IShellFactory* factory, ShellWindowLink* window, CRefCounted* sender,
                  std::unique_ptr<DetachedSender> ownSender)
        : InterfaceObject(sender, Reference::Borrow),
          window_(window),
          ownSender_(std::move(ownSender)) {
        if (factory == nullptr) return;
        event17_ = factory->CreateEvent(this, applet::kServicesEvent);
        event16_ = factory->CreateEvent(this, applet::kInstructions);
    }

    ~ShellServices() override {
        if (event17_ != nullptr) event17_->Release();
        if (event16_ != nullptr) event16_->Release();
        GamePixelBuffers().FreeAllOf(this);
    }

    ShellServices(const ShellServices&) = delete;
    ShellServices& operator=(const ShellServices&) = delete;

    // The host's notices go to the events this object made, with an all-zero record.
    int FireOwnEvent(int code) {
        IEvent* event = code == applet::kInstructions ? event16_ : code == applet::kServicesEvent ? event17_ : nullptr;
        return event != nullptr ? event->Fire(nullptr) : 0;
    }

    // The game host ends the services through Destroy; the object holds no reference of its
    // own on the shell window, so there is nothing for an applet to release.
    int Release() override {
        Warning("IShellServices::Release: the record's services are not the applet's to release");
        return 0;
    }

    int SetAppletName(const char* /*name*/) override { return 0; }

    int SetStopMode(int mode) override {
        if (mode != kStopFreely && mode != kStopNever) mode = kStopAsk;
        if (window_ != nullptr) window_->SetStopMode(mode);
        return 0;
    }

    int SetMenuFlags(int flags) override {
        constexpr int kKnown = kMenuNewGame | kMenuPause | kMenuHighScoresLabel | kMenuInstructions | kMenuEmailThis;
        if (window_ != nullptr) window_->SetMenuFlags(flags & kKnown);
        return 0;
    }

    int MessageBox(const char* caption, const char* text, int flags) override {
        const std::string_view captionText = AppletText(caption, "IShellServices::MessageBox");
        const std::string_view bodyText = AppletText(text, "IShellServices::MessageBox");
        ModalClockPause pause;
        if (window_ != nullptr) {
            window_->Repaint();
            return BoxAnswer(window_->MessageBox(captionText, bodyText, flags));
        }
        platform::Backend* backend = platform::GetBackend();
        if (backend == nullptr) return 0;
        return BoxAnswer(backend->MessageBox(captionText, bodyText, static_cast<unsigned>(ToPlatformBoxFlags(flags))));
    }

    int InputBox(const char* caption, const char* prompt, const char* initialText, char* outBuffer, int maxChars,
                 int flags) override {
        if (window_ == nullptr) return applet::kBoxCancel;
        const std::span<char> out = AppletBuffer(outBuffer, maxChars);
        const size_t maxLength = out.empty() ? 0 : out.size() - 1;
        std::string_view initial = AppletText(initialText, "IShellServices::InputBox");
        initial = initial.substr(0, maxLength);
        std::string entry;
        int answer = 0;
        {
            ModalClockPause pause;
            window_->Repaint();
            answer = window_->InputBox(AppletText(caption, "IShellServices::InputBox"),
                                       AppletText(prompt, "IShellServices::InputBox"), initial, maxLength,
                                       (flags & kBoxOkCancel) != 0, entry);
        }
        if (answer != applet::kBoxOk) return applet::kBoxCancel;
        CopyToBuffer(std::string_view(entry).substr(0, maxLength), out);
        return applet::kBoxOk;
    }

    int OpenURL(const char* url) override {
        const std::string_view address = AppletText(url, "IShellServices::OpenURL");
        if (address.size() > kMaxUrlLength || !platform::IsOpenableUrl(address)) {
            Error("IShellServices::OpenURL: address refused (%zu characters)", address.size());
            return 1;
        }
        platform::Backend* backend = platform::GetBackend();
        return backend != nullptr && backend->OpenUrl(address) ? 0 : 1;
    }

    int IsKeyDown(int key) override {
        const CSubsystem_Input* input = InputService();
        // The key is a byte: shell codes 0-3 and 5-12 keep their meaning, the rest are virtual keys.
        return input != nullptr ? input->IsKeyDown(key & 0xFF) : 0;
    }

    int IsKeyDownEntry2(int key) override { return IsKeyDown(key); }

    AppletColor AllocColor(int red, int green, int blue) override { return ColourValue(red, green, blue); }

    int FreeColor(AppletColor /*colour*/) override { return 0; }

    int CreatePixelBuffer(AppletPixelBuffer** out, int width, int height) override {
        if (out == nullptr) return applet::kNoMemory;
        *out = nullptr;
        if (width <= 0 || height <= 0 || width > kMaxPixelBufferSide || height > kMaxPixelBufferSide) {
            Error("IShellServices::CreatePixelBuffer: size %d x %d refused", width, height);
            return applet::kNoMemory;
        }
        AppletPixelBuffer* record = GamePixelBuffers().Create(width, height, this);
        if (record == nullptr) {
            Error("IShellServices::CreatePixelBuffer: no memory for %d x %d", width, height);
            return applet::kNoMemory;
        }
        *out = record;
        return applet::kOk;
    }

    int FreePixelBuffer(AppletPixelBuffer* buffer) override {
        if (buffer != nullptr && !GamePixelBuffers().Free(buffer))
            Warning("IShellServices::FreePixelBuffer: not a buffer the shell made");
        return 0;
    }

    int GetTime(AppletTimeRecord* out) override {
        if (out == nullptr) return 0;
        TimeRecord time;
        if (CSubsystem_Clock* clock = ClockService()) {
            clock->GetTime(time);
        } else if (platform::Backend* backend = platform::GetBackend()) {
            time = MakeTimeRecord(backend->NowUtc(), backend->TickMs());
        }
        *out = AppletTimeRecord{time.year,   time.month,           time.day,    time.hour, time.minute,
                                time.second, time.secondsSince2000, time.tickMs, {}};
        static_assert(sizeof(out->secondsText) == sizeof(time.secondsText));
        std::memcpy(out->secondsText, time.secondsText, sizeof(out->secondsText));
        return 0;
    }

    int ConfirmEmail(const char* firstText, const char* recipient, const char* thirdText, const char* itemText,
                     int userData, ConfirmEmailCallback okCallback, ConfirmEmailCallback failCallback) override {
        const GameObjects::Route ok = ConfirmRoute(okCallback, userData, "okCallback");
        const GameObjects::Route fail = ConfirmRoute(failCallback, userData, "failCallback");
        EmailConfirmation request{std::string(AppletText(firstText, "IShellServices::ConfirmEmail")),
                                  std::string(AppletText(recipient, "IShellServices::ConfirmEmail")),
                                  std::string(AppletText(thirdText, "IShellServices::ConfirmEmail")),
                                  std::string(AppletText(itemText, "IShellServices::ConfirmEmail")),
                                  userData,
                                  [ok, fail](bool sent) {
                                      if (sent)
                                          CallRoute(ok, applet::kOk);
                                      else
                                          CallRoute(fail, applet::kDeclined);
                                  }};
        if (window_ != nullptr) {
            window_->ConfirmEmail(std::move(request));
            return 0;
        }
        request.answer(false);
        return 0;
    }

    int Unused(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t) override {
        return applet::kBoxCancel;
    }

    int TakePendingMessage(char** out) override {
        if (out == nullptr) return applet::kNothingPending;
        *out = nullptr;
        if (window_ == nullptr) return applet::kNothingPending;
        std::optional<std::string> message = window_->TakePendingMessage();
        if (!message) return applet::kNothingPending;
        // The caller frees the copy with free().
        auto* copy = static_cast<char*>(std::malloc(message->size() + 1));
        if (copy == nullptr) MemoryError("IShellServices::TakePendingMessage: no memory for the message");
        std::memcpy(copy, message->c_str(), message->size() + 1);
        *out = copy;
        return applet::kOk;
    }

private:
    ShellWindowLink* window_;
    std::unique_ptr<DetachedSender> ownSender_;
    IEvent* event17_ = nullptr;
    IEvent* event16_ = nullptr;
};

}  // namespace

int FireServicesEvent(IShellServices* services, int code) {
    auto* own = dynamic_cast<ShellServices*>(services);
    return own != nullptr ? own->FireOwnEvent(code) : 0;
}

IShellServices* MakeShellServices(IShellFactory* factory, ShellWindowLink* window) {
    CRefCounted* sender = window != nullptr ? window->EventSender() : nullptr;
    std::unique_ptr<DetachedSender> ownSender;
    if (sender == nullptr) {
        ownSender = std::make_unique<DetachedSender>();
        sender = ownSender.get();
    }
    return new ShellServices(factory, window, sender, std::move(ownSender));
}
