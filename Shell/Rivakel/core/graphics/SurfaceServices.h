// The services that surfaces, image sequences and animations reach while they live. The session
// fills them in as it creates its singletons; a member left null is skipped (nothing is marked
// dirty without video, images draw no text without fonts, surfaces get no events without the
// event service).
#pragma once

class CRefCounted;
class CSurface;
class CSubsystem_Video;
class CSubsystem_Font;
class CSubsystem_Cursor;

// What a surface asks of the event service.
class ISurfaceEvents {
public:
    virtual ~ISurfaceEvents() = default;
    // Registers the event (surface, code) and hands it over with one internal reference, which
    // the surface releases when it is destroyed; null when none could be made.
    virtual CRefCounted* RegisterSurfaceEvent(CSurface& surface, int code) = 0;
    // The surface is being destroyed: forget it as hover, pressed or dispatch target. It is
    // already out of the tree and its children are detached.
    virtual void SurfaceGone(CSurface& surface) = 0;
};

struct SurfaceServices {
    CSubsystem_Video* video = nullptr;
    CSubsystem_Font* fonts = nullptr;
    CSubsystem_Cursor* cursors = nullptr;
    ISurfaceEvents* events = nullptr;
    // The window's surface: once set, only surfaces in its tree mark the window dirty. A surface
    // placed before it is attached has no place in the window yet.
    const CSurface* windowRoot = nullptr;
};

// The session's surface services; all null outside the session.
SurfaceServices& CurrentSurfaceServices();
