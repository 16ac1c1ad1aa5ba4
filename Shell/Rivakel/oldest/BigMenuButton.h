// The oldest build's in-game menu button: a picture cut from two shared strips (a back and an
// icon) with a shadowed caption under it or on it, four looks (normal, highlighted, hover and a
// fourth), and a command event (code 14) carrying its id to the target's callback.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/graphics/ButtonArgs.h"
#include "core/graphics/Surface.h"

class CBigMenuButton : public CSurface {
public:
    // Flags: the caption under the picture, the fourth back frame for the normal look, the
    // caption on the picture.
    static constexpr unsigned kCaptionBelow = 1;
    static constexpr unsigned kAlternateBack = 2;
    static constexpr unsigned kCaptionOn = 4;

    // The looks, in frame order; the fourth is shown while the button is held down.
    static constexpr int kNormal = 0;
    static constexpr int kHighlighted = 1;
    static constexpr int kHover = 2;
    static constexpr int kFourth = 3;

    // What the menu bar passes.
    static constexpr int kMenuSize = 46;
    static constexpr std::string_view kMenuBacks = "slb-bigbtnbacks-hc.gif";
    static constexpr std::string_view kMenuIcons = "slb-bigbtnicons.gif";
    static constexpr uint32_t kMenuBackground = 0x000099;

    // The picture's top left is (x, y); a caption below that is wider than the picture widens
    // the surface to both sides, so the surface may start left of x.
    CBigMenuButton(CSurface* parent, void* target, int x, int y, int width, int height, std::string_view backStrip,
                   std::string_view iconStrip, int iconIndex, int id, std::string_view caption, unsigned flags,
                   uint32_t background, EventCallback callback);
    ~CBigMenuButton() override;

    // Fires the command event with the id when enabled. 0.
    int OnClick();
    void OnHover(bool entering);
    void OnPress();
    // Shows the highlighted or the normal look and keeps it for the end of a hover.
    void SetHighlighted(bool highlighted);
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    int Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    bool Highlighted() const { return highlighted_; }
    // The look shown now.
    int Look() const;
    // Where the picture lies in the surface, and the caption's measured place.
    platform::Point PictureAt() const { return {pictureX_, 0}; }
    platform::Rect CaptionArea() const { return caption_; }

    // Where the picture and the caption go; defined beside the constructor.
    struct Plan;

private:
    CBigMenuButton(const Plan& plan, CSurface* parent, void* target, int x, int y, int width, int height,
                   std::string_view backStrip, std::string_view iconStrip, int iconIndex, int id,
                   std::string_view caption, unsigned flags, uint32_t background, EventCallback callback);

    int OnClickThunk();
    int OnPressThunk();
    int OnEnterThunk();
    int OnLeaveThunk();
    void Show(int look);
    ListenerPtr Own(int code, EventCallback callback);

    int id_;
    bool enabled_ = true;
    bool highlighted_ = false;
    int pictureX_ = 0;
    platform::Rect caption_{};
    ButtonCommand command_;
    ListenerPtr click_;
    ListenerPtr press_;
    ListenerPtr enter_;
    ListenerPtr leave_;
};

// The caption of a look in the rich-text form of `flags` (the hover look's is yellow).
std::string BigMenuCaption(std::string_view caption, unsigned flags, bool hover);
