// A playing card: its rank and suit, and a 49x66 colour-keyed surface on the game area whose
// face is composed from a game's card pictures (a blank face, a back, a strip of rank glyphs, a
// strip of suit pips, ace and court pictures). A card made without pictures has no surface and
// serves the models and tests.
#pragma once

#include <array>
#include <vector>

class IImage;
class ISurface;

inline constexpr int kPlayingCardWidth = 49;
inline constexpr int kPlayingCardHeight = 66;

inline constexpr int kClubs = 0;
inline constexpr int kSpades = 1;
inline constexpr int kHearts = 2;
inline constexpr int kDiamonds = 3;
inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

struct CardValue {
    int rank = kAce;   // 1 (ace) to 13 (king)
    int suit = kClubs; // clubs and spades black, hearts and diamonds red
    bool IsRed() const { return suit / 2 == 1; }
    bool operator==(const CardValue&) const = default;
};

// Right and bottom exclusive.
struct CardRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const CardRect&) const = default;
};

struct PipSpot {
    CardRect rect;
    bool upsideDown = false;
    bool operator==(const PipSpot&) const = default;
};
// Where the suit pips of a rank from 1 to 10 go on the face (none for other ranks).
std::vector<PipSpot> PipSpots(int rank);

// The pictures a face is drawn from, borrowed from the game (a null picture is left out), and
// where its pieces go.
struct CardArt {
    IImage* front = nullptr;
    IImage* back = nullptr;
    // 13 glyphs a row, ace to king; rows black upright, black turned, red upright, red turned.
    IImage* rankStrip = nullptr;
    // Pips upright in the top half, turned in the bottom half.
    IImage* suitStrip = nullptr;
    std::array<IImage*, 4> aces{};         // by suit
    std::array<IImage*, 3> redCourts{};    // jack, queen, king
    std::array<IImage*, 3> blackCourts{};  // jack, queen, king

    int rankGlyphWidth = 11, rankGlyphHeight = 14;
    CardRect rankCorner{2, 5, 13, 19};
    CardRect rankCornerTurned{36, 47, 47, 61};
    int pipWidth = 9, pipHeight = 10;
    std::array<int, 4> pipColumn{18, 9, 0, 27};  // strip x of each suit's pip
    int aceX = 8, aceY = 16;
    int courtX = 11, courtY = 14;
    CardRect courtPip{20, 43, 29, 52};
};

class CPlayingCard {
public:
    // `rankIndex` 0 (ace) to 12 (king). With art the card gets its surface on the game area, off
    // to the left until a table places it, face down, letting clicks through to what is below.
    CPlayingCard(const CardArt* art, int suit, int rankIndex);
    // Detaches and releases the surface.
    ~CPlayingCard();
    CPlayingCard(const CPlayingCard&) = delete;
    CPlayingCard& operator=(const CPlayingCard&) = delete;

    CardValue Value() const { return value_; }
    int Rank() const { return value_.rank; }
    int Suit() const { return value_.suit; }
    bool FaceUp() const { return faceUp_; }
    void SetFaceUp(bool faceUp);
    void Draw();

    ISurface* Surface() const { return surface_; }
    void MoveTo(int x, int y);
    void Show(bool visible);
    // On top of everything else on the game area.
    void BringToFront();

private:
    void DrawFace(IImage& face) const;

    const CardArt* art_;
    ISurface* surface_ = nullptr;
    CardValue value_;
    bool faceUp_ = false;
};
