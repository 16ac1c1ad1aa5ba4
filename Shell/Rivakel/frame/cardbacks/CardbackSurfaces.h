// The pictures of the cardback selector and of the offer: a thumbnail that lights its edge
// under the pointer and is chosen by a click, a preview, and the offer's check box.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/graphics/CardBackPicture.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

class CCardbackThumb final : public CSurface {
public:
    static constexpr int kWidth = kCardBackWidth;
    static constexpr int kHeight = kCardBackHeight;
    CCardbackThumb(std::string path, std::function<void(const std::string& path)> onChoose);
    ~CCardbackThumb() override;
    const std::string& Path() const { return path_; }

private:
    void DrawEdge(uint32_t colour);
    int OnEnter();
    int OnLeave();
    int OnClick();

    std::string path_;
    std::function<void(const std::string& path)> onChoose_;
    ListenerPtr enter_, leave_, click_;
};

class CCardbackPreview final : public CSurface {
public:
    explicit CCardbackPreview(std::string path)
        : CSurface(path, kFlagColorKeyed, CardBackLimits()), path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// "CheckBox2.gif": frame 0 unchecked, frame 1 checked; a click flips it.
class CCheckBox final : public CSurface {
public:
    CCheckBox();
    ~CCheckBox() override;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

private:
    int OnClick();

    bool checked_ = false;
    ListenerPtr click_;
};
