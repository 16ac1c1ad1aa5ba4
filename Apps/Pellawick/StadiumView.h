// The stadium as the player sees it: the scenery on the game area's picture, the aisle, the seat
// rows with the customers' legs, a surface per customer, the seller, what flies and lies, the
// wish and cheer bubbles, the supply stand and the scoreboard. It follows one stadium of the model
// and changes only what the model changed.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Apps/Pellawick/CustomerPictures.h"
#include "Apps/Pellawick/ScoreboardView.h"
#include "Apps/Pellawick/Stadium.h"
#include "frame/api/IAnim.h"
#include "frame/api/IImage.h"

class IShellFactory;
class ISurface;

namespace pellawick {

class CPellawickApplet;

class CStadiumView {
public:
    CStadiumView(CPellawickApplet& game, const Stadium& stadium, CCustomerPictures& pictures);

    void Sync(const Stadium& stadium, int now);

private:
    struct Sprite {
        AttachedSurface surface;
        std::vector<ShellRef<IAnim>> anims;  // by picture
        int state = -2;
        int since = -1;
    };
    struct Bubble {
        AttachedSurface surface;
        int shown = -1;  // the bubble picture, or the cheer words
    };
    struct Place {
        int x = 0;
        int y = 0;
        bool operator==(const Place&) const = default;
    };
    // What flies or lies: moved only when its place changes, dropped when the model no longer has it.
    struct Item {
        AttachedSurface surface;
        std::optional<Place> placedAt;
        bool live = false;
    };

    void DrawScenery(const StadiumLayout& layout);
    IImage* Scenery(std::string_view name);
    ISurface* Attach(ISurface* surface, int x, int y);
    void AddRow(const Stadium& stadium, size_t row);
    void AddCustomer(const Customer& customer, CCustomerPictures& pictures);
    void AddSeller(const Stadium& stadium);
    static void Show(Sprite& sprite, int picture, bool animate);
    void SyncSeller(const Seller& seller);
    void SyncCustomers(const Stadium& stadium, int now);
    void SyncBubble(Bubble& bubble, const Customer& customer, int shown);
    void SyncItems(const Stadium& stadium);
    AttachedSurface MakeItem(ItemKind kind, int food);

    CPellawickApplet& game_;
    IShellFactory& factory_;
    ISurface* gameArea_;
    std::map<std::string, ShellRef<IImage>, std::less<>> scenery_;
    AttachedSurface aisle_;
    std::vector<AttachedSurface> rows_;
    std::vector<Sprite> customers_;
    std::vector<Bubble> bubbles_;
    Sprite seller_;
    std::map<int, Item> items_;  // by item id
    AttachedSurface stand_;
    std::unique_ptr<CScoreboardView> scoreboard_;
    bool attached_ = false;
};

}  // namespace pellawick
