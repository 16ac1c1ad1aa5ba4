// The duel: the field drawn from the model each tick, the aim with the mouse, the sounds, and at
// the end "Try Again" (back to the choice of players) and "Quit".
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "Apps/Common/ImageButton.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Slorrow/Duel.h"
#include "Apps/Slorrow/DuelSprites.h"
#include "Apps/Slorrow/SlorrowScreen.h"

class IEventListener;
class ITimer;
struct AppletPixelBuffer;

namespace slorrow {

inline constexpr int kDuelTickMs = 20;

class CDuelScreen final : public CSlorrowScreen {
public:
    CDuelScreen(CSlorrowApplet& owner, int players);
    ~CDuelScreen() override;

    int OnTick(intptr_t* args);
    int OnMouseMove(intptr_t* args);
    int OnMouseDown(intptr_t* args);
    int OnMouseUp(intptr_t* args);
    int OnEndChoice(intptr_t* args);

    const Duel& Model() const { return *duel_; }

private:
    GroundBuffer LayField(const RandomSource& rand);
    void CopyGround();
    // The canvas: sky, panorama, plane, ground, wind gauge, meter and the speech bubble.
    void DrawField();
    void DrawGauges();
    void DrawSaying();
    void PlaceSprites();
    void Hear(const DuelNews& news);
    void ShowEnd();

    int panoramaLeft_ = 0;
    int64_t now_ = 0;
    std::optional<int> saying_;
    bool fieldChanged_ = true;
    std::optional<Vec2> plane_;
    std::unique_ptr<Duel> duel_;
    std::unique_ptr<CDuelSprites> sprites_;
    AppletPixelBuffer* ground_ = nullptr;
    std::unique_ptr<ImageButton> tryAgain_;
    std::unique_ptr<ImageButton> quit_;
    ShellRef<IEventListener> move_;
    ShellRef<IEventListener> down_;
    ShellRef<IEventListener> up_;
    ShellRef<ITimer> timer_;
};

}  // namespace slorrow
