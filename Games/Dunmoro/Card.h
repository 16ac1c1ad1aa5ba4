// One playing card: a 49x66 colour-keyed surface on the game area whose face the game composes
// from the card sheets, or a plain record without a surface (layout previews, the models).
#pragma once

#include <span>
#include <vector>

class IImage;
class ISurface;

namespace dunmoro {

class CDunmoroApplet;

// A pip's place on the face: the suit glyph's top-left corner, upside down in the lower rows.
struct PipSpot {
    int x = 0, y = 0;
    bool upsideDown = false;
    bool operator==(const PipSpot&) const = default;
};
// The pips of a card of rank 1 to 10 (none for other ranks).
std::vector<PipSpot> PipSpots(int rank);
// The rank and suit glyphs in the top-left and bottom-right corners of a face at (x, y).
void DrawCorners(IImage& target, const CDunmoroApplet& app, int x, int y, int rank, int suit);

class CCard {
public:
    // `rankIndex` 0 to 12 (Ace to King); the card starts face up. With a surface it is attached
    // to the game area at (0, 0), drawn, and lets clicks through.
    CCard(CDunmoroApplet& app, bool withSurface, int suit, int rankIndex);
    // Detaches and releases the surface.
    ~CCard();
    CCard(const CCard&) = delete;
    CCard& operator=(const CCard&) = delete;

    int Rank() const { return rank_; }  // 1 Ace .. 13 King
    int Suit() const { return suit_; }  // 0, 1 black; 2, 3 red
    bool FaceUp() const { return faceUp_; }
    // Draws the face again.
    void SetFaceUp(bool faceUp);
    int X() const { return x_; }
    int Y() const { return y_; }
    void SetPosition(int x, int y);
    // Where the surface stands without giving the card a position (cards still in the deck).
    void PlaceSurface(int x, int y);
    // On top of everything on the game area.
    void BringToFront();
    ISurface* Surface() const { return surface_; }
    void DrawFace();

private:
    CDunmoroApplet& app_;
    ISurface* surface_ = nullptr;
    int x_ = 0, y_ = 0;
    int rank_;
    int suit_;
    bool faceUp_ = true;
};

}  // namespace dunmoro
