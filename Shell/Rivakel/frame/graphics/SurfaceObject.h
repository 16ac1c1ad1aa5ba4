// The 24 surface slots, shared by plain surfaces, buttons and edit fields.
#pragma once

#include "core/graphics/EditField.h"
#include "core/graphics/Surface.h"
#include "frame/api/ISurface.h"
#include "frame/graphics/GraphicsObject.h"

template <class Interface, class InnerType>
class SurfaceObject : public GraphicsObject<Interface, InnerType> {
public:
    using GraphicsObject<Interface, InnerType>::GraphicsObject;

    int SetLoc(int x, int y, const void* key) override;
    int GetLoc(int* x, int* y) override;
    int SetVisible(bool visible, const void* key) override;
    bool IsVisible() override;
    int AttachSurface(ISurface* child) override;
    int DetachSurface(ISurface* child) override;
    int BringToFront(ISurface* child) override;
    int GetParent(ISurface** out) override;
    int HitTest(int x, int y, ISurface** out) override;
    int StartAnim() override;
    int SelectAnim(int index) override;
    int StopAnim() override;
    int AddAnim(IAnim* anim) override;
    int GetAnim(IAnim** out) override;
    IImage* GetImageDirect() override;
    int GetImage(IImage** out) override;
    int GetSize(int* width, int* height) override;
    int Protect(const void* currentKey, const void* newKey) override;
    bool IsNoHit() override;
    bool SetNoHit(bool noHit) override;
    int SendToBack(ISurface* child) override;
    int ReplaceColors(int count, const int* pairs) override;

protected:
    CSurface& surface() const { return *this->inner(); }
    // The main animation, or null on a surface that shows nothing.
    CAnim* MainAnim() const;
    CImage* ShownImage() const;
};

extern template class SurfaceObject<ISurface, CSurface>;
extern template class SurfaceObject<IEditField, CEditField>;

using PlainSurfaceObject = SurfaceObject<ISurface, CSurface>;
