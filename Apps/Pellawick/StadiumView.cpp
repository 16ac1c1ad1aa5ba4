#include "Apps/Pellawick/StadiumView.h"

#include <cstdio>
#include <utility>

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Pellawick/PanelText.h"
#include "Apps/Pellawick/PellawickApplet.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace pellawick {
namespace {

constexpr int kBubbleWidth = 36, kBubbleHeight = 30;
constexpr int kBubbleX = 15, kBubbleY = -2;
constexpr int kFoodInBubbleX = 9, kFoodInBubbleY = 2;
// The cheer words stand apart from the bubble pictures 0 to 6.
constexpr int kWordsShown = 100;

// The seller's pictures by the order they are added to his surface.
constexpr const char* kSellerPictures[] = {
    "img-wick-standing.gif",    "ani-wick_beenhit-42x86.gif", "ani-wick_die-42x86.gif",
    "img-wick-throwleft.gif",   "img-wick-throwright.gif",    "img-wick-Refueling.gif",
    "img-wick-ThumbsUp.gif",
};
enum SellerPicture { kStanding, kBeenHit, kFallen, kThrowLeft, kThrowRight, kRefuelling, kThumbsUp };

// The picture of a seller's state; -1 keeps the one shown.
int SellerPictureOf(SellerState state) {
    switch (state) {
        case SellerState::Standing:
        case SellerState::SteppedUp:
        case SellerState::SteppedDown: return kStanding;
        case SellerState::ThrowLeft: return kThrowLeft;
        case SellerState::ThrowRight: return kThrowRight;
        case SellerState::Refuelling: return kRefuelling;
        case SellerState::Hit: return kFallen;
        case SellerState::GameOver: return -1;
        case SellerState::BeenHit: return kBeenHit;
        case SellerState::ThumbsUp: return kThumbsUp;
    }
    return -1;
}

int ToInt(float v) { return static_cast<int>(v); }

}  // namespace

CStadiumView::CStadiumView(CPellawickApplet& game, const Stadium& stadium, CCustomerPictures& pictures)
    : game_(game), factory_(*Globals().factory), gameArea_(Globals().gameArea) {
    const StadiumLayout& layout = stadium.Layout();
    DrawScenery(layout);
    scoreboard_ = std::make_unique<CScoreboardView>(game, factory_, gameArea_);
    aisle_ = AttachedSurface(gameArea_, Attach(factory_.CreateSurfaceFromFile("img-stair.gif", kSurfaceColourKeyed),
                                               layout.aisleX, layout.aisleY));
    for (size_t r = 0; r < layout.rows.size(); ++r) AddRow(stadium, r);
    for (const Customer& c : stadium.Customers()) AddCustomer(c, pictures);
    bubbles_.resize(customers_.size());
    AddSeller(stadium);
    stand_ = AttachedSurface(gameArea_, Attach(factory_.CreateSurfaceFromFile("img-supply_box-54x29.gif",
                                                                              kSurfaceColourKeyed),
                                               layout.standX, layout.standY));
}

IImage* CStadiumView::Scenery(std::string_view name) {
    auto it = scenery_.find(name);
    if (it == scenery_.end()) it = scenery_.emplace(std::string(name), LoadPicture(std::string(name).c_str())).first;
    return it->second.Get();
}

void CStadiumView::DrawScenery(const StadiumLayout& layout) {
    ShellRef<IImage> canvas(gameArea_ != nullptr ? gameArea_->GetImageDirect() : nullptr);
    if (!canvas) return;
    // The floor of the stands shows between the rows and below the front wall.
    canvas->ClearToColor(0xC9, 0xC2, 0xB4);
    for (const pellawick::Scenery& s : layout.scenery)
        if (IImage* picture = Scenery(s.picture)) canvas->DrawAt(picture, s.x, s.y);
}

ISurface* CStadiumView::Attach(ISurface* surface, int x, int y) {
    if (surface == nullptr) return nullptr;
    surface->SetNoHit(true);
    surface->SetLoc(x, y, nullptr);
    if (gameArea_ != nullptr) gameArea_->AttachSurface(surface);
    attached_ = true;
    return surface;
}

void CStadiumView::AddRow(const Stadium& stadium, size_t index) {
    const RowPlace& row = stadium.Layout().rows[index];
    ISurface* surface = factory_.CreateSurface(kSeatWidth * row.seats, kRowHeight, kSurfaceColourKeyed);
    rows_.emplace_back(gameArea_, Attach(surface, row.x, row.y));
    if (surface == nullptr) return;
    ShellRef<IImage> image(surface->GetImageDirect());
    if (!image) return;
    image->ClearToColor(0xFF, 0x00, 0xFF);
    const bool left = row.side == Side::Left;
    const int firstBench = left ? 0 : 1;
    const int benches = row.seats - 1;
    if (IImage* bench = game_.GetPicture(Picture::Bench))
        for (int s = 0; s < benches; ++s) image->DrawAt(bench, kSeatWidth * (firstBench + s), 0);
    if (IImage* chair = game_.GetPicture(left ? Picture::ChairRight : Picture::ChairLeft))
        image->DrawAt(chair, left ? kSeatWidth * benches : 0, 0);
    for (const Customer& c : stadium.Customers())
        if (c.row == static_cast<int>(index))
            if (IImage* legs = game_.Leg(c.leg)) image->DrawAt(legs, kSeatWidth * c.seat + kLegsX, kLegsY);
}

void CStadiumView::AddCustomer(const Customer& customer, CCustomerPictures& pictures) {
    Sprite sprite;
    ISurface* surface = nullptr;
    for (int p = 0; p < kCustomerPictures; ++p) {
        IImageSeq* frames = pictures.Frames(customer.look, customer.scheme, customer.mirrored, p);
        ShellRef<IAnim> anim(frames != nullptr ? factory_.CreateAnim(frames) : nullptr);
        if (surface == nullptr && anim) surface = factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed);
        else if (surface != nullptr && anim) surface->AddAnim(anim.Get());
        sprite.anims.push_back(std::move(anim));
    }
    sprite.surface = AttachedSurface(gameArea_, Attach(surface, ToInt(customer.at.x), ToInt(customer.at.y)));
    customers_.push_back(std::move(sprite));
}

void CStadiumView::AddSeller(const Stadium& stadium) {
    ISurface* surface = nullptr;
    for (const char* name : kSellerPictures) {
        ShellRef<IAnim> anim(factory_.LoadAnim(name));
        if (surface == nullptr && anim) surface = factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed);
        else if (surface != nullptr && anim) surface->AddAnim(anim.Get());
        seller_.anims.push_back(std::move(anim));
    }
    const Seller& seller = stadium.GetSeller();
    seller_.surface = AttachedSurface(gameArea_, Attach(surface, ToInt(seller.at.x), ToInt(seller.at.y)));
}

void CStadiumView::Show(Sprite& sprite, int picture, bool animate) {
    if (!sprite.surface || picture < 0 || static_cast<size_t>(picture) >= sprite.anims.size()) return;
    IAnim* anim = sprite.anims[static_cast<size_t>(picture)].Get();
    if (anim == nullptr) return;
    sprite.surface->SelectAnim(picture);
    anim->SetFrame(0);
    if (animate) anim->Start();
    else anim->Stop();
}

void CStadiumView::Sync(const Stadium& stadium, int now) {
    SyncSeller(stadium.GetSeller());
    SyncCustomers(stadium, now);
    SyncItems(stadium);
    if (scoreboard_) scoreboard_->Sync(stadium);
    // What flies and the bubbles stay over the crowd, the stand over them, a panel over
    // everything; only a surface attached since the last tick can have come between them.
    if (gameArea_ == nullptr || stadium.PanelOpen() || !std::exchange(attached_, false)) return;
    for (Bubble& b : bubbles_)
        if (b.surface) gameArea_->BringToFront(b.surface.Get());
    for (auto& [id, item] : items_)
        if (item.surface) gameArea_->BringToFront(item.surface.Get());
    if (stand_) gameArea_->BringToFront(stand_.Get());
}

void CStadiumView::SyncSeller(const Seller& seller) {
    if (!seller_.surface) return;
    int x = 0, y = 0;
    seller_.surface->GetLoc(&x, &y);
    if (x != ToInt(seller.at.x) || y != ToInt(seller.at.y))
        seller_.surface->SetLoc(ToInt(seller.at.x), ToInt(seller.at.y), nullptr);
    const int state = static_cast<int>(seller.state);
    if (state == seller_.state && seller.stateSince == seller_.since) return;
    seller_.state = state;
    seller_.since = seller.stateSince;
    Show(seller_, SellerPictureOf(seller.state), true);
}

void CStadiumView::SyncCustomers(const Stadium& stadium, int now) {
    const std::vector<Customer>& customers = stadium.Customers();
    for (size_t i = 0; i < customers.size() && i < customers_.size(); ++i) {
        const Customer& c = customers[i];
        Sprite& sprite = customers_[i];
        if (c.state != sprite.state || c.stateSince != sprite.since) {
            sprite.state = c.state;
            sprite.since = c.stateSince;
            Show(sprite, PictureOfState(c.state), c.state != 0);
        }
        int shown = -1;
        if (c.cheerWords != kNoCheerWords) shown = kWordsShown + c.cheerWords;
        else if (c.state == 7 && c.wanted != kWantsNothing) shown = stadium.BubbleOf(c, now);
        SyncBubble(bubbles_[i], c, shown);
    }
}

void CStadiumView::SyncBubble(Bubble& bubble, const Customer& customer, int shown) {
    if (shown == bubble.shown) return;
    bubble.shown = shown;
    if (shown < 0) {
        bubble.surface.Reset();
        return;
    }
    if (!bubble.surface) {
        ISurface* surface = factory_.CreateSurface(kBubbleWidth, kBubbleHeight, kSurfaceColourKeyed);
        bubble.surface = AttachedSurface(
            gameArea_, Attach(surface, ToInt(customer.at.x) + kBubbleX, ToInt(customer.at.y) + kBubbleY));
    }
    if (!bubble.surface) return;
    ShellRef<IImage> image(bubble.surface->GetImageDirect());
    if (!image) return;
    image->ClearToColor(0xFF, 0x00, 0xFF);
    if (shown >= kWordsShown) {
        if (IImage* first = game_.Bubble(0)) image->DrawAtEx(first, 0, 0, kDrawMirrorLeftRight);
        const CheerWords words = CheerWordsOf(shown - kWordsShown);
        const std::string markup(kCheerWordsMarkup);
        if (words.second.empty()) {
            DrawMarkupText(image.Get(), (markup + std::string(words.first)).c_str(), 2, 7);
        } else {
            DrawMarkupText(image.Get(), (markup + std::string(words.first)).c_str(), 1, 3);
            DrawMarkupText(image.Get(), (markup + std::string(words.second)).c_str(), 6, 11);
        }
        return;
    }
    if (IImage* picture = game_.Bubble(std::clamp(shown, 0, kBubbleCount - 1))) image->DrawAt(picture, 0, 0);
    if (IImage* food = game_.Food(std::clamp(customer.wanted, 0, 2))) image->DrawAt(food, kFoodInBubbleX, kFoodInBubbleY);
}

AttachedSurface CStadiumView::MakeItem(ItemKind kind, int food) {
    char name[32];
    switch (kind) {
        case ItemKind::Money: std::snprintf(name, sizeof name, "img-money.gif"); break;
        case ItemKind::Ball: std::snprintf(name, sizeof name, "img-Ball.gif"); break;
        case ItemKind::Food: std::snprintf(name, sizeof name, "img-Food%d.gif", std::clamp(food, 0, 2) + 1); break;
    }
    ISurface* surface = factory_.CreateSurfaceFromFile(name, kSurfaceColourKeyed);
    if (surface != nullptr) surface->StartAnim();
    return AttachedSurface(gameArea_, Attach(surface, 0, 0));
}

void CStadiumView::SyncItems(const Stadium& stadium) {
    for (auto& [id, item] : items_) item.live = false;
    const auto place = [&](int id, ItemKind kind, int food, PointF at) {
        Item& item = items_[id];
        item.live = true;
        if (!item.surface) item.surface = MakeItem(kind, food);
        const Place now{ToInt(at.x), ToInt(at.y)};
        if (item.surface && now != item.placedAt) {
            item.placedAt = now;
            item.surface->SetLoc(now.x, now.y, nullptr);
        }
    };
    for (const ThrownItem& item : stadium.Flying()) place(item.id, item.kind, item.food, item.at);
    for (const LyingMoney& money : stadium.Lying()) place(money.id, ItemKind::Money, 0, money.at);
    std::erase_if(items_, [](const auto& entry) { return !entry.second.live; });
}

}  // namespace pellawick
