// Screens: each applet shows exactly one at a time, replaced only through CApplet::SetScreen.
#pragma once

class CApplet;
class IImage;
class IShellFactory;
class ISurface;

// The base of every screen: deleted through its virtual destructor by CApplet::SetScreen.
class CScreen {
public:
    virtual ~CScreen() = default;
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

protected:
    CScreen() = default;
};

// A screen that knows only the applet, which outlives it.
class CAppletScreen : public CScreen {
protected:
    explicit CAppletScreen(CApplet& owner) : app(owner) {}

    CApplet& app;
};

// A screen that draws on the game area: it keeps the factory, the game area, the applet and
// one reference on the game area's picture (the canvas) for its whole life.
class CCanvasScreen : public CScreen {
public:
    explicit CCanvasScreen(CApplet& app);
    ~CCanvasScreen() override;

protected:
    IShellFactory* factory;
    ISurface* gameArea;
    IImage* canvas = nullptr;
    CApplet& app;
};

// A canvas screen of one game, reaching the game's own root object.
template <class Game>
class CGameScreen : public CCanvasScreen {
protected:
    explicit CGameScreen(Game& owner) : CCanvasScreen(owner), game(owner) {}

    Game& game;
};
