#include "core/graphics/Surface.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/graphics/Anim.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/text/CSubsystem_Cursor.h"

namespace {

// Keeps a counted object alive across calls that may run other code (a child's destructor
// tells the event service, whose listeners may release anything). An object nobody counts yet
// belongs to its creator and is left alone.
class RefPin {
public:
    explicit RefPin(CRefCounted* object)
        : object_(object != nullptr && object->InternalCount() + object->InterfaceCount() > 0 ? object : nullptr) {
        if (object_ != nullptr) object_->AddInternalRef();
    }
    ~RefPin() {
        if (object_ != nullptr) object_->ReleaseInternalRef();
    }
    RefPin(const RefPin&) = delete;
    RefPin& operator=(const RefPin&) = delete;

private:
    CRefCounted* object_;
};

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

platform::Rect ClampedRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

platform::Rect Intersect(const platform::Rect& a, const platform::Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

CSurface::CSurface(int width, int height, unsigned flags) {
    auto* image = new CImage(CurrentSurfaceServices().fonts, width, height,
                             (flags & kFlagColorKeyed) != 0 ? CRenderTarget::kFlagColorKeyed : 0);
    AddAnim(new CAnim(new CImageSeq(image)));
    valid_ = true;
    Init(flags);
}

CSurface::CSurface(std::string_view gifName, unsigned flags, const GifLimits& limits) {
    auto* sequence = new CImageSeq(gifName, {}, limits);
    sequence->AddInternalRef();
    if (sequence->IsValid()) {
        AddAnim(new CAnim(sequence));
        valid_ = true;
    }
    sequence->ReleaseInternalRef();
    Init(flags);
}

CSurface::CSurface(CAnim* anim, unsigned flags) {
    valid_ = AddAnim(anim) == 0;
    Init(flags);
}

void CSurface::Init(unsigned flags) {
    if ((flags & kFlagInteractive) == 0) return;
    interactive_ = true;
    const SurfaceServices& services = CurrentSurfaceServices();
    if (services.events != nullptr) {
        enterEvent_ = services.events->RegisterSurfaceEvent(*this, kSurfaceEnterEvent);
        leaveEvent_ = services.events->RegisterSurfaceEvent(*this, kSurfaceLeaveEvent);
    }
    if (services.cursors != nullptr) {
        cursor_ = services.cursors->GetStockCursor(kCursorHand);
        if (cursor_ != nullptr) cursor_->AddInternalRef();
    }
}

CSurface::~CSurface() {
    Invalidate();
    // Deleted by its creator while still attached: the parent must not keep a stale entry.
    if (parent_ != nullptr) {
        const int index = parent_->IndexOfChild(this);
        if (index >= 0) parent_->Unlink(static_cast<size_t>(index));
    }
    const std::vector<CAnim*> anims = std::move(anims_);
    anims_.clear();
    mainAnim_ = nullptr;
    for (CAnim* anim : anims) {
        anim->RemoveOwner(this);
        anim->ReleaseInternalRef();
    }
    if (enterEvent_ != nullptr) std::exchange(enterEvent_, nullptr)->ReleaseInternalRef();
    if (leaveEvent_ != nullptr) std::exchange(leaveEvent_, nullptr)->ReleaseInternalRef();
    if (cursor_ != nullptr) std::exchange(cursor_, nullptr)->ReleaseInternalRef();
    const std::vector<CRefCounted*> owned = std::move(owned_);
    owned_.clear();
    for (CRefCounted* object : owned) object->ReleaseInternalRef();
    DetachAll();
    if (ISurfaceEvents* events = CurrentSurfaceServices().events) events->SurfaceGone(*this);
}

int CSurface::SetLoc(int x, int y, const void* key) {
    if (key != key_) {
        Error("Invalid current key passed to protected surface in CSurface::SetLoc");
        return kSurfaceWrongKey;
    }
    Invalidate();
    x_ = x;
    y_ = y;
    Invalidate();
    return 0;
}

int CSurface::SetVisible(bool visible, const void* key) {
    if (key != key_) {
        Error("Invalid current key passed to protected surface in CSurface::SetVisible");
        return kSurfaceWrongKey;
    }
    visible_ = visible;
    Invalidate();
    return 0;
}

int CSurface::Protect(const void* current, const void* next) {
    if (current != key_) {
        Error("Invalid current key passed to CSurface::Protect");
        return kSurfaceWrongKey;
    }
    key_ = next;
    return 0;
}

bool CSurface::IsSelfOrAncestorOf(const CSurface* surface) const {
    for (const CSurface* at = surface; at != nullptr; at = at->parent_) {
        if (at == this) return true;
    }
    return false;
}

int CSurface::IndexOfChild(const CSurface* child) const {
    const auto found = std::find(children_.begin(), children_.end(), child);
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

void CSurface::Unlink(size_t index) {
    CSurface* child = children_[index];
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
    child->parent_ = nullptr;
}

int CSurface::AttachSurface(CSurface* child) {
    if (child == nullptr || child->IsSelfOrAncestorOf(this)) {
        Error("Error - surface cannot be attached to itself or below itself in CSurface::AttachSurface");
        return kSurfaceRefused;
    }
    // Ours first, so that leaving a former parent cannot delete it.
    child->AddInternalRef();
    if (child->parent_ != nullptr) child->parent_->DetachSurface(child);
    children_.push_back(child);
    child->parent_ = this;
    Invalidate();
    child->Invalidate();
    return 0;
}

int CSurface::DetachSurface(CSurface* child) {
    const int index = IndexOfChild(child);
    if (child == nullptr || index < 0) {
        Error("Error - unrecognized child surface specified in call to CSurface::           DetachSurface");
        return kSurfaceUnknownChild;
    }
    // Marked while still in the tree, where its picture is.
    child->Invalidate();
    Unlink(static_cast<size_t>(index));
    // May delete the child and run anything; nothing of this surface is touched afterwards.
    child->ReleaseInternalRef();
    return 0;
}

int CSurface::BringToFront(CSurface* child) {
    const int index = IndexOfChild(child);
    if (child == nullptr || index < 0) return kSurfaceUnknownChild;
    children_.erase(children_.begin() + index);
    children_.push_back(child);
    Invalidate();
    child->Invalidate();
    return 0;
}

int CSurface::SendToBack(CSurface* child) {
    const int index = IndexOfChild(child);
    if (child == nullptr || index < 0) return kSurfaceUnknownChild;
    std::rotate(children_.begin(), children_.begin() + index, children_.begin() + index + 1);
    child->Invalidate();
    return 0;
}

void CSurface::DetachAll() {
    RefPin pin(this);
    while (!children_.empty()) DetachSurface(children_.front());
}

platform::Point CSurface::AbsoluteLoc() const {
    int64_t x = 0, y = 0;
    for (const CSurface* at = this; at != nullptr; at = at->parent_) {
        x += at->x_;
        y += at->y_;
    }
    return {ClampToInt(x), ClampToInt(y)};
}

CImage* CSurface::GetCurImage() const { return mainAnim_ != nullptr ? mainAnim_->CurrentImage() : nullptr; }

CImage* CSurface::GetFrameImage(int index) const {
    CImageSeq* sequence = nullptr;
    if (mainAnim_ != nullptr) mainAnim_->GetImageSeq(sequence);
    CImage* image = nullptr;
    if (sequence != nullptr) sequence->GetImage(index, image);
    return image;
}

int CSurface::GetSize(int& width, int& height) const {
    width = height = 0;
    if (CImage* image = GetCurImage()) image->GetSize(width, height);
    return 0;
}

void CSurface::HitTest(int x, int y, CSurface*& out) {
    if (noHit_) return;
    int width = 0, height = 0;
    GetSize(width, height);
    const platform::Rect own = ClampedRect(x_, y_, int64_t{x_} + width, int64_t{y_} + height);
    if (PointInRect(own, x, y)) out = this;
    HitChildren(ClampToInt(int64_t{x} - x_), ClampToInt(int64_t{y} - y_), out);
}

void CSurface::HitChildren(int px, int py, CSurface*& out) {
    CSurface* at = this;
    bool descended = true;
    while (descended) {
        descended = false;
        for (size_t i = at->children_.size(); i-- > 0;) {
            CSurface* child = at->children_[i];
            if (!child->visible_ || child->noHit_) continue;
            int width = 0, height = 0;
            child->GetSize(width, height);
            const int64_t cx = child->x_, cy = child->y_;
            if (cx < px && px < cx + width + 1 && cy < py && py < cy + height + 1) {
                out = child;
                px = ClampToInt(px - cx);
                py = ClampToInt(py - cy);
                at = child;
                descended = true;
                break;
            }
        }
    }
}

void CSurface::Invalidate() {
    const SurfaceServices& services = CurrentSurfaceServices();
    if (services.video == nullptr) return;
    int width = 0, height = 0;
    GetSize(width, height);
    if (width <= 0 || height <= 0) return;
    const CSurface* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    if (services.windowRoot != nullptr && top != services.windowRoot) return;
    const platform::Point at = AbsoluteLoc();
    services.video->AddDirty(at.x, at.y, width, height);
}

void CSurface::Compose(CImage* target, const platform::Rect& clip, int parentAbsX, int parentAbsY) {
    const int64_t absX = int64_t{parentAbsX} + x_;
    const int64_t absY = int64_t{parentAbsY} + y_;
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    if (target == nullptr) {
        CSubsystem_Video* video = CurrentSurfaceServices().video;
        if (video == nullptr) {
            ComposeChildren(*image, clip, ClampToInt(absX), ClampToInt(absY));
            return;
        }
        // Each piece the present will show is drawn whole, bottom to top.
        for (const platform::Rect& piece : video->DirtyList().Merged(clip)) {
            ComposeChildren(*image, piece, ClampToInt(absX), ClampToInt(absY));
        }
        return;
    }
    int width = 0, height = 0;
    image->GetSize(width, height);
    const platform::Rect visible = Intersect(ClampedRect(absX, absY, absX + width, absY + height), clip);
    if (visible.Empty()) return;
    const platform::Rect source = ClampedRect(visible.left - absX, visible.top - absY, visible.right - absX,
                                              visible.bottom - absY);
    // Straight to the pixels: the target is the picture being presented, and telling its
    // users would mark the whole window dirty.
    target->GetRenderTarget().Blit(&visible, image->GetRenderTarget(), &source, 0);
    ComposeChildren(*target, visible, ClampToInt(absX), ClampToInt(absY));
}

void CSurface::ComposeChildren(CImage& target, const platform::Rect& clip, int absX, int absY) {
    for (size_t i = 0; i < children_.size(); ++i) {
        CSurface* child = children_[i];
        if (child->visible_) child->Compose(&target, clip, absX, absY);
    }
}

int CSurface::StartAnim() { return mainAnim_ != nullptr ? mainAnim_->Start() : kSurfaceRefused; }

int CSurface::StopAnim() { return mainAnim_ != nullptr ? mainAnim_->Stop() : kSurfaceRefused; }

int CSurface::SelectAnim(int index) {
    if (index < 0 || static_cast<size_t>(index) >= anims_.size()) return kSurfaceUnknownChild;
    Invalidate();
    mainAnim_ = anims_[static_cast<size_t>(index)];
    Invalidate();
    return 0;
}

int CSurface::AddAnim(CAnim* anim) {
    if (anim == nullptr) return kSurfaceRefused;
    if (std::find(anims_.begin(), anims_.end(), anim) != anims_.end()) return 0;
    anim->AddInternalRef();
    anim->AddOwner(this);
    anims_.push_back(anim);
    if (mainAnim_ == nullptr) {
        mainAnim_ = anim;
        Invalidate();
    }
    return 0;
}

int CSurface::ReplaceColors(std::span<const ColorPair> pairs) {
    for (CAnim* anim : anims_) anim->ReplaceColors(pairs);
    return 0;
}

void CSurface::AddOwnedObject(CRefCounted* object) {
    if (object != nullptr) owned_.push_back(object);
}
