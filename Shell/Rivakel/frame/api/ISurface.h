// Surfaces: positioned rectangles in the tree of visible things, each showing the current image
// of its main animation. Push and rollover buttons are surfaces too.
#pragma once

#include "frame/api/ShellObject.h"

class IAnim;
class IImage;

// Operations that need a picture answer kEmpty (8) on a surface that has none, with null or zero
// outputs. Getters store a new interface object holding one reference (the caller releases it),
// or null when there is nothing to hand back. Colour lists are `count` pairs {from, to} of
// 0xRRGGBB values; null or a count <= 0 replaces nothing.
class ISurface : public IShellObject {
public:
    // Moving and hiding need the key given to Protect (null for an unprotected surface);
    // a wrong key answers kWrongKey (11) and changes nothing.
    virtual int SetLoc(int x, int y, const void* key) = 0;                     // 2
    virtual int GetLoc(int* x, int* y) = 0;                                    // 3
    virtual int SetVisible(bool visible, const void* key) = 0;                 // 4
    virtual bool IsVisible() = 0;                                              // 5
    // The child goes on top and the parent takes a reference on it.
    virtual int AttachSurface(ISurface* child) = 0;                            // 6
    // kUnknownObject (4) for a surface that is not a child.
    virtual int DetachSurface(ISurface* child) = 0;                            // 7
    virtual int BringToFront(ISurface* child) = 0;                             // 8
    virtual int GetParent(ISurface** out) = 0;                                 // 9
    // The topmost visible surface under (x, y), no-hit subtrees skipped; null when none.
    virtual int HitTest(int x, int y, ISurface** out) = 0;                     // 10
    virtual int StartAnim() = 0;                                               // 11
    // kUnknownObject for an index outside the surface's animations.
    virtual int SelectAnim(int index) = 0;                                     // 12
    virtual int StopAnim() = 0;                                                // 13
    // The surface takes a reference and is redrawn whenever the animation's frame changes.
    virtual int AddAnim(IAnim* anim) = 0;                                      // 14
    virtual int GetAnim(IAnim** out) = 0;                                      // 15
    // The picture the surface shows, as a new object the caller releases; null when none.
    virtual IImage* GetImageDirect() = 0;                                      // 16
    virtual int GetImage(IImage** out) = 0;                                    // 17
    virtual int GetSize(int* width, int* height) = 0;                          // 18
    // currentKey must equal the stored key (null at first), else kWrongKey.
    virtual int Protect(const void* currentKey, const void* newKey) = 0;       // 19
    virtual bool IsNoHit() = 0;                                                // 20
    // Clicks go through a no-hit surface and everything on it. Returns the flag.
    virtual bool SetNoHit(bool noHit) = 0;                                     // 21
    virtual int SendToBack(ISurface* child) = 0;                               // 22
    virtual int ReplaceColors(int count, const int* pairs) = 0;                // 23

protected:
    ISurface() = default;
    ~ISurface() override = default;
};

// Longest text an edit field hands out.
inline constexpr int kEditFieldMaxText = 5000;

class IEditField : public ISurface {
public:
    // Copies at most min(size - 1, kEditFieldMaxText) characters and a terminator. 1 for a null
    // buffer or a size <= 0, which copy nothing.
    virtual int GetText(char* buffer, int size) = 0;                           // 24
    // Null counts as "".
    virtual int SetText(const char* text) = 0;                                 // 25

protected:
    IEditField() = default;
    ~IEditField() override = default;
};
