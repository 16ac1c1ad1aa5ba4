// A headless session with video, clock, files and fonts for one test, and the check that every
// interface object a test made is gone when it ends.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/graphics/tests/SurfaceTestServices.h"
#include "core/text/CSubsystem_Font.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/graphics/GraphicsObjects.h"
#include "platform/fonts/Fonts.h"

class GraphicsTestSession : public ::testing::Test {
protected:
    GraphicsTestSession() { CurrentSurfaceServices().fonts = &fonts_; }
    void TearDown() override { EXPECT_EQ(LiveInterfaceObjects(), liveBefore_); }

    // An "Arial" font whose only reference besides the cache's is the new interface object's.
    IFont* NewFontObject(int size, int style) {
        CFont* font = fonts_.CreateFont("Arial", size, style);
        IFont* object = MakeFontObject(font);
        fonts_.DeleteFont(font);
        return object;
    }

    SurfaceTestServices services_;
    CSubsystem_Font fonts_{[](const platform::FontRequest& r) { return platform::OpenBitmapFont(r); }};
    const int liveBefore_ = LiveInterfaceObjects();
};

// Releases an interface object at the end of a scope.
template <class Interface>
struct Releaser {
    void operator()(Interface* object) const {
        if (object != nullptr) object->Release();
    }
};
template <class Interface>
using Holding = std::unique_ptr<Interface, Releaser<Interface>>;
