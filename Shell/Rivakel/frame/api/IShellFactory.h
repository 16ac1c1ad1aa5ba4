// The one shell-wide factory: everything an applet shows, hears or times is made here. Every
// creator returns a new interface object holding one reference, which the caller releases.
#pragma once

#include "frame/api/ShellObject.h"

class IAnim;
class ICursor;
class IEditField;
class IEvent;
class IEventListener;
class IFile;
class IFont;
class IImage;
class IImageSeq;
class IMarkupAttr;
class IMarkupNode;
class ISound;
class ISurface;
class ITimer;

// Surface and image flags.
inline constexpr int kSurfaceColourKeyed = 0x01;
inline constexpr int kSurfaceInteractive = 0x02;
// Edit field flags.
inline constexpr int kEditAutoScroll = 0x02;
// Font styles.
inline constexpr int kFontStyleBold = 0x01;
inline constexpr int kFontStyleItalic = 0x02;
inline constexpr int kFontStyleUnderline = 0x04;
inline constexpr int kFontStyleStrikeOut = 0x08;

class IShellFactory : public IShellObject {
public:
    virtual ISurface* CreateSurfaceFromAnim(IAnim* anim, int flags) = 0;                        // 2
    virtual ISurface* CreateSurfaceFromFile(const char* name, int flags) = 0;                   // 3
    virtual ISurface* CreateSurface(int width, int height, int flags) = 0;                      // 4
    // Slots 5 to 8 are second entries of CreateAnim, LoadImageSeq, CreateImageSeqFromImage
    // and CreateImage.
    virtual IAnim* CreateAnimEntry2(IImageSeq* sequence) = 0;                                   // 5
    virtual IImageSeq* LoadImageSeqEntry2(const char* name) = 0;                                // 6
    virtual IImageSeq* CreateImageSeqFromImageEntry2(IImage* image) = 0;                        // 7
    virtual IImage* CreateImageEntry2(int width, int height, int flags) = 0;                    // 8
    virtual IFile* OpenFile(const char* name, int flags) = 0;                                   // 9
    virtual IFont* CreateFont(const char* face, int size, int style) = 0;                       // 10
    virtual ISurface* CreatePushButton(ISurface* parent, void* context, int x, int y, int width, int height,
                                       IImage* strip, int firstFrame, int userValue,
                                       AppletCallback callback) = 0;                            // 11
    virtual ISurface* CreateRolloverButton(ISurface* parent, void* context, int x, int y, int width, int height,
                                           IImage* strip, int firstFrame, int userValue,
                                           AppletCallback callback) = 0;                        // 12
    virtual ITimer* CreateTimer(void* context, int intervalMs, AppletCallback callback) = 0;    // 13
    virtual ICursor* CreateCursor(const char* name) = 0;                                        // 14
    virtual IEvent* CreateEvent(IShellObject* sender, int code) = 0;                            // 15
    virtual ISound* CreateSound(const char* name, int flags) = 0;                               // 16
    virtual IEventListener* AddListener(IShellObject* sender, int code, void* context,
                                        AppletCallback callback) = 0;                           // 17
    virtual IEditField* CreateEditField(ISurface* parent, void* context, int x, int y, int width, int height,
                                        AppletCallback callback, int flags) = 0;                // 18
    // colorMap: {count, then count pairs (from, to)} of 0xRRGGBB values; null replaces nothing.
    virtual IImageSeq* LoadImageSeqRecolored(const char* name, const int* colorMap) = 0;        // 19
    virtual IImageSeq* LoadImageSeq(const char* name) = 0;                                      // 20
    virtual IImageSeq* CreateImageSeqFromImage(IImage* image) = 0;                              // 21
    virtual IAnim* LoadAnim(const char* name) = 0;                                              // 22
    virtual IAnim* CreateAnim(IImageSeq* sequence) = 0;                                         // 23
    virtual IImage* LoadImage(const char* name) = 0;                                            // 24
    virtual IImage* CreateImage(int width, int height, int flags) = 0;                          // 25
    virtual IMarkupAttr* CreateMarkupAttr(const char* name) = 0;                                // 26
    virtual IMarkupAttr* CreateMarkupAttr(const char* name, const char* value) = 0;             // 27
    virtual IMarkupNode* CreateMarkupNode(const char* name) = 0;                                // 28
    virtual IMarkupNode* CreateEmptyMarkupNode() = 0;                                           // 29

protected:
    IShellFactory() = default;
    ~IShellFactory() override = default;
};
