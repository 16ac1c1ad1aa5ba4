// The portal's pages that carry forms, and the pages that lead to them: Home with its featured
// game, Join and Exit with their subscription form and rotating logos, Games-Get-More with the
// form that mails a game to the user, the list of all games still to get, and Email_This, which
// mails a game to friends. The forms send through the outbox and show the server's answer, or
// that it could not be reached; an answer that comes after its page was left is dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/outbox/ReplyWait.h"
#include "frame/games/GameTable.h"
#include "frame/games/GameTile.h"
#include "frame/pages/RowRules.h"

class CEditField;
class CShell;
class CSurface;
class CImage;
class CMailConfirmBox;
struct ServerReply;

// What the pages take from the session; empty functions do nothing (or answer false).
struct FormPagesConfig {
    CGameTable* table = nullptr;
    std::function<bool()> installed;
    // Installs the shell for the user (the application object's installation).
    std::function<void()> installShell;
    std::function<void()> saveStore;
    // Queues a form's message; the outbox's SendAndWait.
    std::function<int(int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                      ReplyHandler handler, ReplyWait& wait)>
        send;
};

class CFormPages final : public GameTileOwner {
public:
    enum class Form { None, Home, Join, Exit, GetGame, EmailThis };

    CFormPages(CShell& shell, FormPagesConfig config);
    ~CFormPages() override;
    CFormPages(const CFormPages&) = delete;
    CFormPages& operator=(const CFormPages&) = delete;

    void ShowHome(CSurface& page);
    void ShowJoin(CSurface& page);
    void ShowExit(CSurface& page);
    void ShowGetGame(CSurface& page, int row);
    void ShowAllGames(CSurface& page);
    void ShowEmailThis(CSurface& page, int row);

    // Home: the typed address goes to the Join page's form, which sends it.
    void SubscribeFromHome();
    void OnSubscribe();
    void OnGetGame();
    void OnSend();
    void OnClear();
    void ScrollFeatured(bool backward);
    void RotateLogo();
    void OnJoinInstall();
    void OnTileClicked(int row, bool remove) override;

    // A button's callback running `action` on the pages object that is the button's user value.
    template <void (CFormPages::*action)()>
    static int Command(intptr_t* record) {
        (reinterpret_cast<CFormPages*>(record[2])->*action)();
        return 1;
    }

    // What the pages keep, for tests and the benchmark.
    int LogoIndex() const { return logoIndex_; }
    int FeaturedIndex() const { return featuredIndex_; }
    Form CurrentForm() const { return form_; }
    CEditField* EmailField() const { return emailField_; }
    const std::vector<CEditField*>& MailFields() const { return mailFields_; }
    bool Waiting() const { return wait_.Waiting(); }
    int ToGetTiles() const { return toGetTiles_; }
    // The string-table message a form showed last (the body of a title and body); 0 for none.
    int ShownMessage() const { return shown_; }

private:
    class PageToken;
    // Hands the shell a token whose release (the page left) drops the fields and the wait.
    void BeginPage(Form form);
    void PageLeft(PageToken* token);
    // Drops the fields, the shown message and the wait of the page before; `form` is now up.
    void ForgetPage(Form form);
    std::vector<RowFacts> Facts() const;
    // An entry field at (x, y) in the sunk box `sunk`, kept inside the box's edges.
    CEditField* MakeField(CSurface& page, const platform::Rect& sunk, int x, int y, int width, int height,
                          bool enterSends);
    void Send(int type, std::string_view function, const std::string& params, int priority);
    // `fromReply`: the server's answer or the outbox's news, not a failure of the send itself.
    void ShowResult(int status, bool fromReply);
    void ShowSubscribeResult(int status);
    void ShowGetGameResult(int status, bool fromReply);
    void ShowEmailResult(int status, bool fromReply);
    void OnSubscribeClicked();
    void ScrollForward() { ScrollFeatured(false); }
    void ScrollBack() { ScrollFeatured(true); }
    void ShowAllGamesClicked();
    void ClearGetGame();
    int OnFieldEnter();
    void ShowMessage(CImage& image, int id, int x, int y, const platform::Rect& box);
    // A mailing form's answer in `area` (cleared first): `success`, or no connection.
    void ShowMailOutcome(int status, int success, const platform::Rect& area, const platform::Rect& text);
    void ShowFeaturedGame();
    void DrawLogo();
    void DrawFramedLogo(CImage& image, int row, int left, int top);
    CSurface* Page() const;

    CShell& shell_;
    FormPagesConfig config_;
    Form form_ = Form::None;
    CEditField* emailField_ = nullptr;
    std::vector<CEditField*> mailFields_;  // recipients, greeting, sender
    ReplyWait wait_;
    PageToken* token_ = nullptr;
    int logoIndex_ = 0;
    int featuredIndex_ = 0;
    bool featuredBackward_ = false;
    int mailRow_ = -1;
    int getGameRow_ = -1;
    int toGetTiles_ = 0;
    int shown_ = 0;
};

// Registers Home, Join, ExitPage, Games-Get-More, Games-get-more and Email_This with the shell
// window, and the box that confirms a game's mailing.
std::shared_ptr<CFormPages> RegisterFormPages(CShell& shell, FormPagesConfig config);
// The pages object of the shell window now up (null when none); what tests look into.
CFormPages* FormPages();
CMailConfirmBox* MailConfirmBox();
