// The session pieces the services reach, made for one test: the headless backend with a
// video window, a clock the test moves, the file, event and input services, and a factory
// that makes events and listeners the way the shell's factory does.
#pragma once

#include <gtest/gtest.h>

#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/tests/SurfaceTestServices.h"
#include "frame/api/IShellFactory.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/ServiceObjects.h"

// Only events and listeners are made; everything else is null.
class EventOnlyFactory final : public IShellFactory {
public:
    EventOnlyFactory() = default;
    ~EventOnlyFactory() override = default;

    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }

    IEvent* CreateEvent(IShellObject* sender, int code) override {
        CEvent* event = EventService()->RegisterEvent(Unwrap<CRefCounted>(sender), code);
        IEvent* object = MakeEventObject(event);
        event->ReleaseInternalRef();
        return object;
    }
    IEventListener* AddListener(IShellObject* sender, int code, void* context, AppletCallback callback) override {
        CEventListener* listener = EventService()->AddListener(Unwrap<CRefCounted>(sender), code, context, callback);
        IEventListener* object = MakeListenerObject(listener);
        listener->ReleaseInternalRef();
        return object;
    }

    ISurface* CreateSurfaceFromAnim(IAnim*, int) override { return nullptr; }
    ISurface* CreateSurfaceFromFile(const char*, int) override { return nullptr; }
    ISurface* CreateSurface(int, int, int) override { return nullptr; }
    IAnim* CreateAnimEntry2(IImageSeq*) override { return nullptr; }
    IImageSeq* LoadImageSeqEntry2(const char*) override { return nullptr; }
    IImageSeq* CreateImageSeqFromImageEntry2(IImage*) override { return nullptr; }
    IImage* CreateImageEntry2(int, int, int) override { return nullptr; }
    IFile* OpenFile(const char*, int) override { return nullptr; }
    IFont* CreateFont(const char*, int, int) override { return nullptr; }
    ISurface* CreatePushButton(ISurface*, void*, int, int, int, int, IImage*, int, int, AppletCallback) override {
        return nullptr;
    }
    ISurface* CreateRolloverButton(ISurface*, void*, int, int, int, int, IImage*, int, int, AppletCallback) override {
        return nullptr;
    }
    ITimer* CreateTimer(void*, int, AppletCallback) override { return nullptr; }
    ICursor* CreateCursor(const char*) override { return nullptr; }
    ISound* CreateSound(const char*, int) override { return nullptr; }
    IEditField* CreateEditField(ISurface*, void*, int, int, int, int, AppletCallback, int) override { return nullptr; }
    IImageSeq* LoadImageSeqRecolored(const char*, const int*) override { return nullptr; }
    IImageSeq* LoadImageSeq(const char*) override { return nullptr; }
    IImageSeq* CreateImageSeqFromImage(IImage*) override { return nullptr; }
    IAnim* LoadAnim(const char*) override { return nullptr; }
    IAnim* CreateAnim(IImageSeq*) override { return nullptr; }
    IImage* LoadImage(const char*) override { return nullptr; }
    IImage* CreateImage(int, int, int) override { return nullptr; }
    IMarkupAttr* CreateMarkupAttr(const char*) override { return nullptr; }
    IMarkupAttr* CreateMarkupAttr(const char*, const char*) override { return nullptr; }
    IMarkupNode* CreateMarkupNode(const char*) override { return nullptr; }
    IMarkupNode* CreateEmptyMarkupNode() override { return nullptr; }
};

class ServicesTest : public ::testing::Test {
protected:
    ServicesTest() {
        CreateEventService();
        CreateInputService();
    }
    ~ServicesTest() override {
        EXPECT_EQ(LiveInterfaceObjects(), liveBefore_);
        DestroyInputService();
        DestroyEventService();
    }

    platform::headless::HeadlessBackend& Headless() {
        return static_cast<platform::headless::HeadlessBackend&>(*platform::GetBackend());
    }

    SurfaceTestServices session_;
    EventOnlyFactory factory_;
    const int liveBefore_ = LiveInterfaceObjects();
};
