#include "harness/GameAreaLayers.h"

#include <algorithm>

#include "core/graphics/Surface.h"
#include "frame/api/ISurface.h"
#include "frame/boundary/InterfaceObject.h"
#include "harness/AppletHarness.h"

size_t GameAreaLayers::Count() const { return harness_.GameAreaSurface()->Children().size(); }

GameAreaLayer GameAreaLayers::At(size_t index) const {
    const CSurface* layer = harness_.GameAreaSurface()->Children()[index];
    GameAreaLayer result;
    layer->GetLoc(result.x, result.y);
    layer->GetSize(result.width, result.height);
    return result;
}

void GameAreaLayers::MoveTo(size_t index, int x, int y) const { harness_.GameAreaSurface()->Children()[index]->SetLoc(x, y); }

int GameAreaLayers::PlaceOf(const ISurface* surface) const {
    const auto children = harness_.GameAreaSurface()->Children();
    const auto* inner = Unwrap<CSurface>(surface);
    const auto found = std::find(children.begin(), children.end(), inner);
    return found == children.end() ? -1 : static_cast<int>(found - children.begin());
}
