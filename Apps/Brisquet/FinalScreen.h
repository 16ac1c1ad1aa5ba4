// After screen 30: "You beat the game!" under the title picture, which trembles after two
// seconds and bursts into ten pieces bouncing round the screen after six. A click goes back to
// the level select.
#pragma once

#include <array>
#include <cstdint>

#include "Apps/Brisquet/BrisquetScreen.h"
#include "Apps/Common/ShellRef.h"
#include "frame/api/IEvent.h"
#include "frame/api/ITimer.h"


namespace brisquet {

class CFinalScreen final : public CBrisquetScreen {
public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 2;
    static constexpr int kPiece = 60;

    explicit CFinalScreen(CBrisquetApplet& game);
    ~CFinalScreen() override;

    int OnTick(intptr_t* args);
    int OnClick(intptr_t* args);

private:
    struct Piece {
        AttachedSurface surface;
        ShellRef<IEventListener> listener;
        int homeX = 0, homeY = 0;
        int x = 0, y = 0;
        int vx = 0, vy = 0;
    };
    int Speed();
    void MakePiece(Piece& piece, int column, int row);

    std::array<Piece, kColumns * kRows> pieces_;
    ShellRef<IEventListener> clickListener_;
    ShellRef<ITimer> timer_;
};

}  // namespace brisquet
