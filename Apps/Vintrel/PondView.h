// The pond's blobs on the game area: one surface per blob slot of the model, turned and resized
// with it, hidden while its splash runs; the player's blob; the angel of a lost life.
#pragma once

#include <span>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Apps/Vintrel/Baddie.h"
#include "Apps/Vintrel/PlayerBlob.h"
#include "Apps/Vintrel/VintrelApplet.h"

class IShellFactory;
class ISurface;

namespace vintrel {

struct Angel;

class CPondView {
public:
    CPondView(CVintrelApplet& game, IShellFactory& factory, ISurface& gameArea);

    void ShowBaddies(std::span<const CBaddie> baddies);
    void ShowPlayer(const CPlayerBlob& player);
    // Null takes the angel away; taking it away twice is harmless.
    void ShowAngel(const Angel* angel);
    // Everything off the game area.
    void Clear();

private:
    struct Shown {
        AttachedSurface sprite;  // animation 0 faces right, 1 left
        AttachedSurface splash;
        int size = 0;
        bool facingLeft = false;
    };

    AttachedSurface MakeSprite(IImageSeq* right, IImageSeq* left);
    void Place(Shown& shown, BlobKind kind, int size, bool facingLeft, float x, float y);

    CVintrelApplet& game_;
    IShellFactory& factory_;
    ISurface& gameArea_;
    std::vector<Shown> baddies_;
    Shown player_;
    AttachedSurface angel_;
};

}  // namespace vintrel
