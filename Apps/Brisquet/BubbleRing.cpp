#include "Apps/Brisquet/BubbleRing.h"

#include "Apps/Brisquet/BrisquetApplet.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/ModuleRandom.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace brisquet {
namespace {

constexpr int kStep = 32;
constexpr int kTop = 200;
constexpr int kBottom = 360;

}  // namespace

CBubbleRing::CBubbleRing(CBrisquetApplet& game, ISurface& gameArea, int left, void* context, AppletCallback onPress) {
    // Along the top, down the right, back along the bottom and up the left: a closed path.
    for (int i = 0; i <= 12; ++i) places_.push_back({left + kStep * i, kTop});
    for (int y = kTop + kStep; y <= kBottom; y += kStep) places_.push_back({left + 12 * kStep, y});
    for (int i = 0; i <= 11; ++i) places_.push_back({left + 11 * kStep - kStep * i, kBottom});
    for (int y = kBottom - kStep; y > kTop; y -= kStep) places_.push_back({left, y});

    IShellFactory& factory = *Globals().factory;
    for (const Place& place : places_) {
        ISurface* bubble = game.MakeBubble(gameArea, game.Random().Next() % 4 + 1, place.x, place.y);
        bubbles_.emplace_back(&gameArea, bubble);
        if (bubble != nullptr) listeners_.emplace_back(factory.AddListener(bubble, applet::kMouseDown, context, onPress));
    }
}

void CBubbleRing::Turn() {
    turned_ = (turned_ + 1) % static_cast<int>(places_.size());
    for (size_t i = 0; i < bubbles_.size(); ++i) {
        const Place& place = places_[(i + static_cast<size_t>(turned_)) % places_.size()];
        if (ISurface* bubble = bubbles_[i].Get()) bubble->SetLoc(place.x, place.y, nullptr);
    }
}

}  // namespace brisquet
