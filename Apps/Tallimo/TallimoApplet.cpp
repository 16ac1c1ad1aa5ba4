#include "Apps/Tallimo/TallimoApplet.h"

#include <cstdio>

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PictureFile.h"
#include "Apps/Tallimo/TallimoHelp.h"
#include "Apps/Tallimo/Truck.h"
#include "Apps/Tallimo/TitleScreen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace tallimo {
namespace {

constexpr std::array<const char*, kSoundCount> kSoundNames = {
    "snd-ball-1.wav",     "snd-ball-2.wav",      "snd-ball-3.wav",    "snd-ball-4.wav",         "snd-ball-5.wav",
    "snd-ball-6.wav",     "snd-ball-7.wav",      "snd-enoughballs.wav", "snd-gamestart.wav",    "snd-loselevel.wav",
    "snd-startlevel.wav", "snd-winlevel.wav",    "snd-HighScore.wav", "snd-Belt.wav",           "snd-perfect-truck.wav",
    "snd-scoretick.wav",  "snd-inbadslot.wav",
};
constexpr std::array<const char*, kPictureCount> kPictureNames = {
    "img-truck-151x113.gif", "img-minitruck-151x113.gif", "img-shelf-100x36.gif",     "img-tire-46x46.gif",
    "img-red-x-32x32.gif",   "p-img-gamelogo.gif",        "img-circle.gif",           "img-arrow-left.gif",
    "img-arrow-right.gif",   "img-balls-gray-7x32x32.gif", "img-logo-413x147.gif",    "img-lives-truck-20x14.gif",
};
constexpr int kBallFrameMs = 60;
constexpr int kBeltFrameMs = 50;

std::vector<ShellRef<IImage>> Frames(IShellFactory& factory, const char* name) {
    std::vector<ShellRef<IImage>> frames;
    ShellRef<IImageSeq> sequence(factory.LoadImageSeq(name));
    int count = 0;
    if (!sequence || sequence->GetImageCount(&count) != 0) return frames;
    for (int i = 0; i < count; ++i) {
        ShellRef<IImage> frame;
        if (sequence->GetImage(i, frame.Out()) == 0 && frame) frames.push_back(std::move(frame));
    }
    return frames;
}

IImage* FrameAt(const std::vector<ShellRef<IImage>>& frames, int64_t ms, int frameMs) {
    if (frames.empty()) return nullptr;
    return frames[static_cast<size_t>((ms < 0 ? 0 : ms) / frameMs) % frames.size()].Get();
}

}  // namespace

CTallimoApplet::CTallimoApplet(AppletRecord* record)
    : CApplet(record, TallimoHelpStyle()), sounds_(*record->factory, kSoundNames) {
    for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i].Reset(LoadPicture(kPictureNames[i]));
    for (size_t kind = 0; kind < ballFrames_.size(); ++kind) {
        char name[32];
        std::snprintf(name, sizeof name, "ball%zu.gif", kind);
        ballFrames_[kind] = Frames(*record->factory, name);
    }
    beltFrames_ = Frames(*record->factory, "ani-conveyor-198x10.gif");
    SetScreen(nullptr, new CTitleScreen(*this));
}

// The screen goes first: it draws with the pictures.
CTallimoApplet::~CTallimoApplet() { EndScreen(); }

void CTallimoApplet::DrawBall(IImage& target, int kind, int x, int y, int64_t ms) const {
    if (kind < 0 || kind >= kBallKinds) return;
    if (IImage* frame = FrameAt(ballFrames_[static_cast<size_t>(kind)], ms, kBallFrameMs)) target.DrawAt(frame, x, y);
}

void CTallimoApplet::DrawGreyBall(IImage& target, int kind, int x, int y) const {
    IImage* strip = GetPicture(Picture::GreyBalls);
    if (strip == nullptr || kind < 0 || kind >= kBallKinds) return;
    const int cell[4] = {32 * kind, 0, 32 * kind + 32, 32};
    const int place[4] = {x, y, x + 32, y + 32};
    target.Draw(place, strip, cell);
}

void CTallimoApplet::DrawBelt(IImage& target, int x, int y, int64_t ms) const {
    if (IImage* frame = FrameAt(beltFrames_, ms, kBeltFrameMs)) target.DrawAt(frame, x, y);
}

IImage* CTallimoApplet::MakeTruck(int size) const {
    IImage* truck = Globals().factory->CreateImage(TruckWidth(size), kTruckHeight, kSurfaceColourKeyed);
    if (truck == nullptr) return nullptr;
    const int cabX = 98 * size - 41;
    truck->ClearToColor(255, 0, 255);
    truck->SetCurColor(51, 51, 51);
    truck->FillRect(0, 138, cabX, 164);
    if (IImage* cab = GetPicture(Picture::Truck)) truck->DrawAt(cab, cabX, 73);
    if (IImage* tyre = GetPicture(Picture::Tire)) {
        truck->DrawAt(tyre, 5, 140);
        truck->DrawAt(tyre, cabX - 50, 140);
    }
    if (IImage* shelf = GetPicture(Picture::Shelf)) {
        for (int row = 0; row < kShelves; ++row) {
            for (int i = 0; i < size; ++i) truck->DrawAt(shelf, 98 * i, 34 * row);
        }
    }
    return truck;
}

ISurface* CTallimoApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                         void* context, AppletCallback callback) {
    TextButtonStyle style;
    const bool onTruck = (id >= 'A' && id <= 'Z') || id == kDeleteButton || id == kEndButton;
    style.keyed = onTruck;
    if (!onTruck) style.fill = 0x99CCCC;
    style.normalText = 0x000099;
    style.hotText = 0xFF0000;
    style.underline = id == kStartButton;
    style.closeTags = true;
    style.padding = 4;
    return CApplet::MakeTextButton(owner, label, x, y, id, pointSize, context, callback, style);
}

}  // namespace tallimo
