// The built-in rows of the game table.
#include "frame/games/GameRecord.h"

namespace {

constexpr const char* kPrefix = "<s3><c000000>";

GameRecord Row(const char* name, const char* guid, const char* logo, int category, int pace, const char* text) {
    GameRecord row;
    row.name = name;
    row.guid = guid;
    row.logo = logo;
    row.category = category;
    row.pace = pace;
    row.description = std::string(kPrefix) + text;
    return row;
}

constexpr const char* kDunmoroText =
    "A relaxing pastime that will keep you challenged for hours. Card games have never been so exciting!";
constexpr const char* kHexavonText =
    "More refreshing than bubble baths, more fun than bubble gum. This is one game you're bound to love!";

}  // namespace

std::vector<GameRecord> BuiltInGameRows() {
    return {
        Row("Brisquet", "{252D6EB8-0915-4321-91E8-EB92CA1BD1D1}", "img-prevgamelogo-brisquet.gif", 1, 2,
            "Put on your thinking cap and get your brain to work, because popping these bubbles can be a very "
            "colorful experience..."),
        Row("Tallimo", "{273A0148-835F-43CB-B87B-20053BDE3636}", "img-prevgamelogo-tallimo.gif", 0, 0,
            "A game with balls, falls, and a truck that's really tall. Prepare your fingers for a thrilling challenge "
            "that will make you sweat more than any field sport."),
        Row("Dunmoro", "{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}", "img-prevgamelogo-dunmoro.gif", 1, 1, kDunmoroText),
        Row("DunmoroSilver", "{681FDB0B-DF7A-4E91-9445-0D7CF22687E7}", "img-prevgamelogo-dunmorosilver.gif", 1, 1,
            kDunmoroText),
        Row("Plimsey", "{E887C03A-135B-4C6D-837C-B96853A54B0A}", "img-prevgamelogo-plimsey.gif", 1, 0, kHexavonText),
        Row("UltraHexavon", "{0714D4AA-FBC7-4E29-9B03-E3BA5BE20AE6}", "img-prevgamelogo-hexavon.gif", 1, 0,
            kHexavonText),
        Row("Pennimar", "{A47302DC-E7B2-4FFC-9175-6A7DBDA1415D}", "img-prevgamelogo-pennimar.gif", 0, 0,
            "How many farmers does it take to control 30 wild animals? Check out Pennimar, and with no doubt you'll "
            "find out!"),
        Row("Vintrel", "{2BFDD7F8-0EC4-4E7C-9FF4-3B2F8DC1D0F2}", "img-prevgamelogo-Vintrel.gif", 0, 0,
            "The puddle is full of hungry little blobs, and every one of them thinks you look like lunch. Gobble the "
            "small ones, dodge the big ones, and swim away before you become somebody's dessert!"),
        Row("Glimtide", "{AF8BC481-D674-4C37-A185-4605F14F5421}", "img-prevgamelogo-Glimtide.gif", 1, 2,
            "Light up your nights with these beautiful fireworks. Can you keep up with the challenge?"),
        Row("Torvimble", "{6934F453-91A5-4910-A527-41732408C021}", "img-prevgamelogo-Torvimble.gif", 1, 1,
            "Did you ever wonder what cave dwellers did when they weren't hunting and gathering? Check out this "
            "\"boulder\" type of card game, and you'll find out!"),
        Row("Grumbolt", "{25976243-7360-49E5-B561-1EDB2AAF5CCE}", "img-prevgamelogo-Grumbolt.gif", 1, 2,
            "Is it better to be the biggest frog in a small pond - or the smallest frog in a large SWAMP? When you're "
            "done \"pond\"-ering, hop into this challenging puzzle!"),
        Row("Brisquet2", "{6BC6DB2C-66A8-4B26-9C3D-398831B011A2}", "img-prevgamelogo-brisquet2.gif", 1, 2,
            "Looking for a good game of skill and strategy? Then take a break with Brisquet2 - and get ready for a "
            "mind-breaking challenge...."),
        Row("Aurelsk", "{1DCE3B3F-5F75-41EF-9F14-A1D5085B3CD8}", "img-prevgamelogo-Aurelsk.gif", 0, 0,
            "Dive deep, raise the periscope and keep your torpedoes ready: the sea is full of treasure and trouble. "
            "Aurelsk is a rich mine of underwater excitement!"),
        Row("Pellawick", "{C36F4918-C897-4bf9-968C-810119FE3EEF}", "img-prevgamelogo-Pellawick.gif", 0, 0,
            "A major-league challenge of speed and coordination in which you must serve up food to hungry fans."),
        Row("Slorrow", "{95BE286A-1627-4679-BBF9-414B332757A8}", "img-prevgamelogo-Slorrow.gif", 0, 1,
            "Election day is coming, and candidates Brambo and Quillet have run out of speeches. Now they sling mud "
            "at each other instead - help your favourite splatter the other and win the vote!"),
        Row("Gravelin", "{459B5F23-B117-4252-B911-8E7C106CA03D}", "img-prevgamelogo-Gravelin.gif", 0, 0,
            "Scare up some good fun in this Halloween-themed version of Pennimar."),
    };
}
