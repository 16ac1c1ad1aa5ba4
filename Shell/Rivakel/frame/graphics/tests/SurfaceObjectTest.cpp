#include <string>

#include "core/graphics/Anim.h"
#include "core/graphics/EditField.h"
#include "core/graphics/ImageSeq.h"
#include "frame/graphics/tests/GraphicsTestSession.h"

namespace {

class SurfaceObjectTest : public GraphicsTestSession {
protected:
    static ISurface* NewSurface(int width, int height) { return MakeSurfaceObject(new CSurface(width, height, 0)); }
    static uint32_t PixelOf(ISurface* surface, int x, int y) {
        return Unwrap<CSurface>(surface)->GetCurImage()->GetRenderTarget().Pixel(x, y);
    }
};

TEST_F(SurfaceObjectTest, EachImageGetterMakesItsOwnObjectOverTheShownPicture) {
    Holding<ISurface> surface(NewSurface(20, 10));
    IImage* first = nullptr;
    IImage* second = nullptr;
    ASSERT_EQ(surface->GetImage(&first), 0);
    ASSERT_EQ(surface->GetImage(&second), 0);
    IImage* direct = surface->GetImageDirect();
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_NE(direct, first);
    EXPECT_EQ(Unwrap<CImage>(first), Unwrap<CImage>(second));
    EXPECT_EQ(Unwrap<CImage>(direct), Unwrap<CImage>(first));

    EXPECT_EQ(first->Release(), 2);
    second->SetCurColor(0x12, 0x34, 0x56);
    second->FillRect(0, 0, 20, 10);
    EXPECT_EQ(PixelOf(surface.get(), 5, 5), 0x123456u);
    direct->SetCurColor(1, 2, 3);
    direct->FillRect(0, 0, 1, 1);
    EXPECT_EQ(PixelOf(surface.get(), 0, 0), 0x010203u);
    second->Release();
    direct->Release();
}

TEST_F(SurfaceObjectTest, ProtectionKeysGuardMovingAndHiding) {
    Holding<ISurface> surface(NewSurface(4, 4));
    int key = 0, other = 0;
    EXPECT_EQ(surface->SetLoc(5, 6, &key), 11);  // unprotected: only null is right
    int x = -1, y = -1;
    surface->GetLoc(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    EXPECT_EQ(surface->Protect(&other, &key), 11);
    EXPECT_EQ(surface->Protect(nullptr, &key), 0);
    EXPECT_EQ(surface->SetLoc(5, 6, nullptr), 11);
    EXPECT_EQ(surface->SetVisible(false, &other), 11);
    EXPECT_TRUE(surface->IsVisible());
    EXPECT_EQ(surface->SetLoc(5, 6, &key), 0);
    EXPECT_EQ(surface->SetVisible(false, &key), 0);
    surface->GetLoc(&x, &y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    EXPECT_FALSE(surface->IsVisible());
    EXPECT_EQ(surface->Protect(&key, nullptr), 0);
    EXPECT_EQ(surface->SetLoc(1, 1, nullptr), 0);
}

TEST_F(SurfaceObjectTest, ChildrenAttachDetachAndReorder) {
    Holding<ISurface> parent(NewSurface(50, 50));
    Holding<ISurface> a(NewSurface(10, 10));
    Holding<ISurface> b(NewSurface(10, 10));
    Holding<ISurface> stranger(NewSurface(10, 10));
    EXPECT_EQ(parent->AttachSurface(a.get()), 0);
    EXPECT_EQ(parent->AttachSurface(b.get()), 0);
    EXPECT_EQ(parent->DetachSurface(stranger.get()), 4);
    EXPECT_EQ(parent->DetachSurface(nullptr), 4);
    EXPECT_EQ(parent->AttachSurface(nullptr), 1);
    EXPECT_EQ(a->AttachSurface(parent.get()), 1);  // would make a cycle

    // b lies on a: hits go to the top child until it is sent back.
    ISurface* hit = nullptr;
    parent->HitTest(5, 5, &hit);
    EXPECT_EQ(Unwrap<CSurface>(hit), Unwrap<CSurface>(b.get()));
    hit->Release();
    EXPECT_EQ(parent->SendToBack(b.get()), 0);
    parent->HitTest(5, 5, &hit);
    EXPECT_EQ(Unwrap<CSurface>(hit), Unwrap<CSurface>(a.get()));
    hit->Release();
    EXPECT_EQ(parent->BringToFront(b.get()), 0);
    b->SetNoHit(true);
    parent->HitTest(5, 5, &hit);
    EXPECT_EQ(Unwrap<CSurface>(hit), Unwrap<CSurface>(a.get()));
    hit->Release();
    parent->HitTest(500, 500, &hit);
    EXPECT_EQ(hit, nullptr);

    ISurface* up = nullptr;
    a->GetParent(&up);
    EXPECT_EQ(Unwrap<CSurface>(up), Unwrap<CSurface>(parent.get()));
    up->Release();
    EXPECT_EQ(parent->DetachSurface(a.get()), 0);
    a->GetParent(&up);
    EXPECT_EQ(up, nullptr);
    EXPECT_EQ(a->SetLoc(1, 1, nullptr), 0);  // the applet's reference kept it
}

TEST_F(SurfaceObjectTest, ReleasingAFoundShellOwnedSurfaceLeavesItToItsOwner) {
    // Like the window's root: nothing counts it, its creator deletes it.
    auto* root = new CSurface(100, 100, 0);
    Holding<ISurface> child(NewSurface(10, 10));
    ISurface* area = MakeBorrowedSurfaceObject(root);
    area->AttachSurface(child.get());
    ISurface* up = nullptr;
    child->GetParent(&up);
    ISurface* self = nullptr;
    area->HitTest(50, 50, &self);
    ASSERT_NE(up, nullptr);
    ASSERT_NE(self, nullptr);
    up->Release();
    self->Release();
    area->Destroy(1);
    EXPECT_EQ(root->InterfaceCount(), 0);
    EXPECT_EQ(root->Children().size(), 1u);  // still alive and whole
    root->DetachSurface(Unwrap<CSurface>(child.get()));
    delete root;
}

TEST_F(SurfaceObjectTest, ASurfaceWithoutAPictureAnswersEmpty) {
    Holding<ISurface> missing(MakeSurfaceObject(new CSurface("no-such-file.gif", 0)));
    Holding<ISurface> bare(MakeSurfaceObject(new CSurface(static_cast<CAnim*>(nullptr), 0)));
    for (ISurface* surface : {missing.get(), bare.get()}) {
        IImage* image = reinterpret_cast<IImage*>(1);
        IAnim* anim = reinterpret_cast<IAnim*>(1);
        int width = -1, height = -1;
        EXPECT_EQ(surface->GetImage(&image), 8);
        EXPECT_EQ(image, nullptr);
        EXPECT_EQ(surface->GetImageDirect(), nullptr);
        EXPECT_EQ(surface->GetAnim(&anim), 8);
        EXPECT_EQ(anim, nullptr);
        EXPECT_EQ(surface->GetSize(&width, &height), 8);
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
        EXPECT_EQ(surface->StartAnim(), 8);
        EXPECT_EQ(surface->StopAnim(), 8);
        EXPECT_EQ(surface->SelectAnim(0), 4);
    }
}

TEST_F(SurfaceObjectTest, AnimationsAddSelectAndShow) {
    Holding<ISurface> surface(NewSurface(8, 8));
    auto* red = new CImage(&fonts_, 3, 2, 0);
    auto* sequence = new CImageSeq(red);
    Holding<IAnim> anim(MakeAnimObject(new CAnim(sequence)));
    EXPECT_EQ(surface->AddAnim(anim.get()), 0);
    EXPECT_EQ(surface->AddAnim(nullptr), 1);
    EXPECT_EQ(surface->SelectAnim(2), 4);
    EXPECT_EQ(surface->SelectAnim(-1), 4);
    EXPECT_EQ(surface->SelectAnim(1), 0);
    int width = 0, height = 0;
    EXPECT_EQ(surface->GetSize(&width, &height), 0);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    IAnim* main = nullptr;
    EXPECT_EQ(surface->GetAnim(&main), 0);
    EXPECT_EQ(Unwrap<CAnim>(main), Unwrap<CAnim>(anim.get()));
    main->Release();
    EXPECT_EQ(surface->StartAnim(), 0);
    EXPECT_EQ(surface->StopAnim(), 0);
}

TEST_F(SurfaceObjectTest, ReplaceColorsIgnoresEmptyListsAndRecoloursEveryFrame) {
    Holding<ISurface> surface(NewSurface(2, 2));
    IImage* image = surface->GetImageDirect();
    image->ClearToColor(0x11, 0x22, 0x33);
    const int pairs[] = {0x112233, 0x445566};
    EXPECT_EQ(surface->ReplaceColors(-1, pairs), 0);
    EXPECT_EQ(surface->ReplaceColors(1, nullptr), 0);
    EXPECT_EQ(PixelOf(surface.get(), 0, 0), 0x112233u);
    EXPECT_EQ(surface->ReplaceColors(1, pairs), 0);
    EXPECT_EQ(PixelOf(surface.get(), 1, 1), 0x445566u);
    image->Release();
}

TEST_F(SurfaceObjectTest, EditFieldTextIsCopiedOutWithinTheCallersBuffer) {
    Holding<IEditField> field(MakeEditFieldObject(new CEditField(nullptr, nullptr, 0, 0, 100, 20, "", nullptr, 0)));
    const std::string longText(6000, 'x');
    EXPECT_EQ(field->SetText(longText.c_str()), 0);

    char small[8];
    std::fill(std::begin(small), std::end(small), '#');
    EXPECT_EQ(field->GetText(small, 4), 0);
    EXPECT_STREQ(small, "xxx");
    EXPECT_EQ(small[4], '#');
    EXPECT_EQ(field->GetText(small, 0), 1);
    EXPECT_EQ(field->GetText(nullptr, 8), 1);

    std::string big(7000, '#');
    EXPECT_EQ(field->GetText(big.data(), static_cast<int>(big.size())), 0);
    EXPECT_EQ(std::string(big.c_str()).size(), 5000u);

    EXPECT_EQ(field->SetText(nullptr), 0);
    EXPECT_EQ(field->GetText(small, 8), 0);
    EXPECT_STREQ(small, "");
    // Fields are surfaces: they move and hang in the tree like any other.
    Holding<ISurface> parent(NewSurface(200, 100));
    EXPECT_EQ(parent->AttachSurface(field.get()), 0);
    EXPECT_EQ(field->SetLoc(3, 4, nullptr), 0);
    ISurface* hit = nullptr;
    parent->HitTest(10, 10, &hit);
    EXPECT_EQ(Unwrap<CSurface>(hit), Unwrap<CSurface>(field.get()));
    hit->Release();
    EXPECT_EQ(parent->DetachSurface(field.get()), 0);
}

}  // namespace
