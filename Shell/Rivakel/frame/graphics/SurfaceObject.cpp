#include "frame/graphics/SurfaceObject.h"

#include "core/graphics/Anim.h"
#include "core/graphics/Image.h"
#include "core/base/Log.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/GameObjects.h"
#include "frame/graphics/AnimObject.h"
#include "frame/graphics/GraphicsObjects.h"
#include "frame/graphics/ImageObject.h"

namespace {

// While a game runs, the surfaces it may move in or out of the tree, protect, or give pictures
// of its own, are the ones it made: the shell's surfaces stay where the shell put them, with
// what they show and the key the shell gave them.
bool GameMayChange(const CSurface* surface, const char* operation) {
    const GameObjects* game = GameObjects::Adopting();
    if (game == nullptr || surface == nullptr || game->Owns(surface)) return true;
    Error("Error - a surface of the shell was passed to ISurface::%s by the game; refused", operation);
    return false;
}

}  // namespace

template <class I, class T>
CAnim* SurfaceObject<I, T>::MainAnim() const {
    if (!surface().IsValid()) return nullptr;
    CAnim* anim = nullptr;
    surface().GetAnim(anim);
    return anim;
}

template <class I, class T>
CImage* SurfaceObject<I, T>::ShownImage() const {
    return surface().IsValid() ? surface().GetCurImage() : nullptr;
}

template <class I, class T>
int SurfaceObject<I, T>::SetLoc(int x, int y, const void* key) {
    return surface().SetLoc(x, y, key);
}

template <class I, class T>
int SurfaceObject<I, T>::GetLoc(int* x, int* y) {
    int left = 0, top = 0;
    surface().GetLoc(left, top);
    StoreInt(x, left);
    StoreInt(y, top);
    return 0;
}

template <class I, class T>
int SurfaceObject<I, T>::SetVisible(bool visible, const void* key) {
    return surface().SetVisible(visible, key);
}

template <class I, class T>
bool SurfaceObject<I, T>::IsVisible() {
    return surface().IsVisible();
}

template <class I, class T>
int SurfaceObject<I, T>::AttachSurface(ISurface* child) {
    CSurface* own = Unwrap<CSurface>(child);
    if (!GameMayChange(own, "AttachSurface")) return kSurfaceRefused;
    return surface().AttachSurface(own);
}

template <class I, class T>
int SurfaceObject<I, T>::DetachSurface(ISurface* child) {
    CSurface* own = Unwrap<CSurface>(child);
    if (!GameMayChange(own, "DetachSurface")) return applet::kUnknownObject;
    return surface().DetachSurface(own);
}

template <class I, class T>
int SurfaceObject<I, T>::BringToFront(ISurface* child) {
    return surface().BringToFront(Unwrap<CSurface>(child));
}

template <class I, class T>
int SurfaceObject<I, T>::SendToBack(ISurface* child) {
    return surface().SendToBack(Unwrap<CSurface>(child));
}

template <class I, class T>
int SurfaceObject<I, T>::GetParent(ISurface** out) {
    StoreFound<PlainSurfaceObject>(out, surface().Parent());
    return 0;
}

template <class I, class T>
int SurfaceObject<I, T>::HitTest(int x, int y, ISurface** out) {
    CSurface* hit = nullptr;
    surface().HitTest(x, y, hit);
    StoreFound<PlainSurfaceObject>(out, hit);
    return 0;
}

template <class I, class T>
int SurfaceObject<I, T>::StartAnim() {
    CAnim* anim = MainAnim();
    return anim != nullptr ? anim->Start() : applet::kEmpty;
}

template <class I, class T>
int SurfaceObject<I, T>::StopAnim() {
    CAnim* anim = MainAnim();
    return anim != nullptr ? anim->Stop() : applet::kEmpty;
}

template <class I, class T>
int SurfaceObject<I, T>::SelectAnim(int index) {
    if (!GameMayChange(&surface(), "SelectAnim")) return applet::kUnknownObject;
    return surface().SelectAnim(index);
}

template <class I, class T>
int SurfaceObject<I, T>::AddAnim(IAnim* anim) {
    if (!GameMayChange(&surface(), "AddAnim")) return kSurfaceRefused;
    return surface().AddAnim(Unwrap<CAnim>(anim));
}

template <class I, class T>
int SurfaceObject<I, T>::GetAnim(IAnim** out) {
    CAnim* anim = MainAnim();
    StoreFound<AnimObject>(out, anim);
    return anim != nullptr ? 0 : applet::kEmpty;
}

template <class I, class T>
IImage* SurfaceObject<I, T>::GetImageDirect() {
    IImage* image = nullptr;
    StoreFound<ImageObject>(&image, ShownImage());
    return image;
}

template <class I, class T>
int SurfaceObject<I, T>::GetImage(IImage** out) {
    CImage* image = ShownImage();
    StoreFound<ImageObject>(out, image);
    return image != nullptr ? 0 : applet::kEmpty;
}

template <class I, class T>
int SurfaceObject<I, T>::GetSize(int* width, int* height) {
    int w = 0, h = 0;
    CImage* image = ShownImage();
    if (image != nullptr) image->GetSize(w, h);
    StoreInt(width, w);
    StoreInt(height, h);
    return image != nullptr ? 0 : applet::kEmpty;
}

template <class I, class T>
int SurfaceObject<I, T>::Protect(const void* currentKey, const void* newKey) {
    if (!GameMayChange(&surface(), "Protect")) return kSurfaceWrongKey;
    return surface().Protect(currentKey, newKey);
}

template <class I, class T>
bool SurfaceObject<I, T>::IsNoHit() {
    return surface().IsNoHit();
}

template <class I, class T>
bool SurfaceObject<I, T>::SetNoHit(bool noHit) {
    return surface().SetNoHit(noHit);
}

template <class I, class T>
int SurfaceObject<I, T>::ReplaceColors(int count, const int* pairs) {
    return ReplaceColoursIn(surface(), count, pairs, "ISurface::ReplaceColors");
}

template class SurfaceObject<ISurface, CSurface>;
template class SurfaceObject<IEditField, CEditField>;

ISurface* MakeSurfaceObject(CSurface* surface) {
    return surface != nullptr ? new PlainSurfaceObject(surface) : nullptr;
}

ISurface* MakeBorrowedSurfaceObject(CSurface* surface) {
    return surface != nullptr ? new PlainSurfaceObject(surface, Reference::Borrow) : nullptr;
}
