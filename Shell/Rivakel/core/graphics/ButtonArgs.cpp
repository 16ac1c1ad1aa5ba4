#include "core/graphics/ButtonArgs.h"

#include <algorithm>
#include <climits>

#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"
#include "core/graphics/SurfaceServices.h"

CAnim* MakeButtonAnim(const ButtonArgs& args) {
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    auto* sequence = new CImageSeq();
    if (args.strip) {
        // Two cells whatever the first one's number; cells past the strip come out empty.
        const int first = std::min(args.firstFrame, INT_MAX - 1);
        for (int cell = 0; cell < 2; ++cell) {
            sequence->AddImage(new CImage(fonts, *args.strip, first + cell, args.width, args.height, -1, -1), 0);
        }
    } else {
        for (int frame = 0; frame < 2; ++frame) {
            sequence->AddImage(new CImage(fonts, args.width, args.height, CRenderTarget::kFlagColorKeyed), 0);
        }
    }
    return new CAnim(sequence);
}

ButtonCommand PlaceButton(CSurface& button, const ButtonArgs& args) {
    button.SetLoc(args.x, args.y);
    if (args.owner) args.owner->AttachSurface(&button);
    ButtonCommand command;
    CSubsystem_Event* events = EventService();
    if (!events) return command;
    const void* self = static_cast<const CSurface*>(&button);
    command.event = events->Register(self, kEventCommand);
    command.user = events->Listen(self, kEventCommand, args.context, args.callback);
    return command;
}

void ShowButtonFrame(CSurface& button, int frame) {
    CAnim* anim = nullptr;
    button.GetAnim(anim);
    if (anim) anim->SetFrame(frame);
}
