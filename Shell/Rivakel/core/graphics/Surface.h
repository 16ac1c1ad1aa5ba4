// A rectangle in the tree of visible things: a position relative to its parent, a visibility
// flag, child surfaces (later children lie on top) and animations, of which the main one gives
// the picture the surface shows. The shell window is the root; composition draws the tree into
// the root's picture, only where the video service has marked areas dirty.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/RefCounted.h"
#include "core/gif/GifDecoder.h"
#include "core/graphics/RenderTarget.h"
#include "platform/Platform.h"

class CAnim;
class CCursor;
class CImage;

// Results of surface operations.
inline constexpr int kSurfaceRefused = 1;       // null, a cycle, or no animation
inline constexpr int kSurfaceUnknownChild = 4;  // not a child, or an index outside the animations
inline constexpr int kSurfaceWrongKey = 11;     // the protection key was not presented

// Codes of the events an interactive surface registers at creation.
inline constexpr int kSurfaceEnterEvent = 8;
inline constexpr int kSurfaceLeaveEvent = 9;

class CSurface : public CRefCounted {
public:
    static constexpr unsigned kFlagColorKeyed = 1;
    static constexpr unsigned kFlagInteractive = 2;

    // A picture of that size (colour-keyed with kFlagColorKeyed) as a one-frame animation.
    CSurface(int width, int height, unsigned flags);
    // The frames of a GIF file; a file that cannot be loaded, or one past `limits`, leaves the
    // surface not valid.
    CSurface(std::string_view gifName, unsigned flags, const GifLimits& limits = {});
    // That animation (one internal reference taken) as the main one; null leaves it not valid.
    CSurface(CAnim* anim, unsigned flags);
    ~CSurface() override;

    // Moving and hiding need the protection key. 0 or kSurfaceWrongKey (nothing changes).
    int SetLoc(int x, int y, const void* key = nullptr);
    int GetLoc(int& x, int& y) const {
        x = x_;
        y = y_;
        return 0;
    }
    int SetVisible(bool visible, const void* key = nullptr);
    bool IsVisible() const { return visible_; }
    // 0 for a stored key equal to `current`, else kSurfaceWrongKey.
    int Protect(const void* current, const void* next);

    // Appends the child on top with one internal reference, taking it from a former parent.
    // kSurfaceRefused for null, this surface or one of its ancestors.
    int AttachSurface(CSurface* child);
    // Releases the parent's reference, which may delete the child. 0 or kSurfaceUnknownChild.
    int DetachSurface(CSurface* child);
    // The child becomes the last (top). 0 or kSurfaceUnknownChild.
    int BringToFront(CSurface* child);
    // The child becomes the first (bottom). 0 or kSurfaceUnknownChild.
    int SendToBack(CSurface* child);
    void DetachAll();
    int GetParent(CSurface*& out) const {
        out = parent_;
        return 0;
    }
    CSurface* Parent() const { return parent_; }
    // Valid until the tree changes.
    std::span<CSurface* const> Children() const { return children_; }
    // True for this surface and every surface above it in the tree.
    bool IsSelfOrAncestorOf(const CSurface* surface) const;

    // Returns the flag. A no-hit surface and everything below it are never hit.
    bool SetNoHit(bool noHit) {
        noHit_ = noHit;
        return noHit;
    }
    bool IsNoHit() const { return noHit_; }
    // (x, y) is in the parent's coordinates. `out` becomes the topmost surface hit and is left
    // alone when nothing is; children are hit one pixel right of and below where they are drawn.
    void HitTest(int x, int y, CSurface*& out);
    // Position in the root's coordinates: this surface's and all its ancestors' positions.
    platform::Point AbsoluteLoc() const;

    // 0, or kSurfaceRefused without a main animation.
    int StartAnim();
    int StopAnim();
    // 0 or kSurfaceUnknownChild for an index outside the list.
    int SelectAnim(int index);
    // Appends with one internal reference; the first becomes the main one. 0 or kSurfaceRefused.
    int AddAnim(CAnim* anim);
    int GetAnim(CAnim*& out) const {
        out = mainAnim_;
        return 0;
    }
    size_t AnimCount() const { return anims_.size(); }
    // The main animation's current image; null when there is none.
    int GetImage(CImage*& out) const {
        out = GetCurImage();
        return 0;
    }
    CImage* GetCurImage() const;
    // Image `index` of the main animation's sequence; null outside it.
    CImage* GetFrameImage(int index) const;
    // The current image's size; 0x0 without one. 0.
    int GetSize(int& width, int& height) const;
    int ReplaceColors(std::span<const ColorPair> pairs);

    // The hand for interactive surfaces, else null. 0.
    int GetCursor(CCursor*& out) const {
        out = cursor_;
        return 0;
    }
    bool IsInteractive() const { return interactive_; }

    // Marks the surface's absolute rectangle dirty, visible or not; nothing while it lies outside
    // the window's tree.
    void Invalidate();
    // Draws this surface and its visible children onto `target` inside `clip`. With a null
    // target this surface's own picture is the target and is not drawn: the shell starts
    // composition so on the root, which then redraws every piece of the dirty region inside
    // `clip` whole, so that nothing lying over a redrawn surface is left out.
    void Compose(CImage* target, const platform::Rect& clip, int parentAbsX, int parentAbsY);
    bool IsValid() const { return valid_; }

    // Released with ReleaseInternalRef when the surface is destroyed; the caller hands over one
    // internal reference.
    void AddOwnedObject(CRefCounted* object);

private:
    void Init(unsigned flags);
    platform::Rect AbsoluteRect() const;
    int IndexOfChild(const CSurface* child) const;
    // Unlinks a child without releasing the parent's reference.
    void Unlink(size_t index);
    void ComposeChildren(CImage& target, const platform::Rect& clip, int absX, int absY);
    void HitChildren(int px, int py, CSurface*& out);

    std::vector<CSurface*> children_;
    std::vector<CAnim*> anims_;
    std::vector<CRefCounted*> owned_;
    CSurface* parent_ = nullptr;
    CAnim* mainAnim_ = nullptr;
    const void* key_ = nullptr;
    CCursor* cursor_ = nullptr;
    CRefCounted* enterEvent_ = nullptr;
    CRefCounted* leaveEvent_ = nullptr;
    int x_ = 0, y_ = 0;
    bool noHit_ = false;
    bool visible_ = true;
    bool valid_ = false;
    bool interactive_ = false;
};
