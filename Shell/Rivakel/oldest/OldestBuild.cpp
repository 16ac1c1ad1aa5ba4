#include "oldest/OldestBuild.h"

#include "frame/shell/ShellConfig.h"
#include "oldest/BigMenuButton.h"

namespace {

CSurface* MakeBigMenuButton(const MenuButtonRequest& request) {
    // The icon strip holds the commands in their enumeration's order.
    const int icon = static_cast<int>(request.command);
    return new CBigMenuButton(request.parent, request.context, request.x, request.y, CBigMenuButton::kMenuSize,
                              CBigMenuButton::kMenuSize, CBigMenuButton::kMenuBacks, CBigMenuButton::kMenuIcons, icon,
                              static_cast<int>(request.userValue), request.label, CBigMenuButton::kCaptionBelow,
                              CBigMenuButton::kMenuBackground, request.callback);
}

}  // namespace

void UseOldestBuild(ShellConfig& config) { config.makeMenuButton = MakeBigMenuButton; }
