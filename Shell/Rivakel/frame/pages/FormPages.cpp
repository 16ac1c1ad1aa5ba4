#include "frame/pages/FormPages.h"

#include <algorithm>

#include "core/base/RefCounted.h"
#include "core/base/Thunk.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "core/net/NetResults.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormRules.h"
#include "frame/pages/MailConfirmBox.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPage.h"

namespace {

std::weak_ptr<CFormPages> g_pages;
std::weak_ptr<CMailConfirmBox> g_mailBox;

// A page of the shell, forwarding to the shared pages object.
class FormPage final : public IShellPage {
public:
    using Shower = void (*)(CFormPages&, CShell&, CSurface&);
    FormPage(std::shared_ptr<CFormPages> pages, Shower show) : pages_(std::move(pages)), show_(show) {}
    void Show(CShell& shell, CSurface& page) override { show_(*pages_, shell, page); }

private:
    std::shared_ptr<CFormPages> pages_;
    Shower show_;
};

}  // namespace

// Released by the shell when the page that made it is left.
class CFormPages::PageToken final : public CRefCounted {
public:
    explicit PageToken(CFormPages* owner) : owner_(owner) {}
    ~PageToken() override {
        if (owner_ != nullptr) owner_->PageLeft(this);
    }
    CFormPages* owner_;
};

CFormPages::CFormPages(CShell& shell, FormPagesConfig config) : shell_(shell), config_(std::move(config)) {
    shell_.SetLogoTimerAction(true, [this] { RotateLogo(); });
    shell_.SetLogoTimerAction(false, [this] { RotateLogo(); });
}

CFormPages::~CFormPages() {
    wait_.Cancel();
    if (token_ != nullptr) token_->owner_ = nullptr;
}

void CFormPages::BeginPage(Form form) {
    auto* token = new PageToken(this);
    shell_.SetPageObjects(token, nullptr);
    token_ = token;
    ForgetPage(form);
}

void CFormPages::PageLeft(PageToken* token) {
    if (token != token_) return;
    token_ = nullptr;
    ForgetPage(Form::None);
}

void CFormPages::ForgetPage(Form form) {
    form_ = form;
    shown_ = 0;
    emailField_ = nullptr;
    mailFields_.clear();
    // A late answer finds nobody waiting: the page it belonged to is gone.
    wait_.Cancel();
}

CSurface* CFormPages::Page() const { return shell_.PageSurface(); }

std::vector<RowFacts> CFormPages::Facts() const {
    std::vector<RowFacts> facts;
    if (config_.table == nullptr) return facts;
    for (int i = 0; i < config_.table->Count(); ++i) {
        const GameRecord* row = config_.table->Row(i);
        facts.push_back({row != nullptr ? row->name : std::string(), row != nullptr && row->installed});
    }
    return facts;
}

CEditField* CFormPages::MakeField(CSurface& page, const platform::Rect& sunk, int x, int y, int width, int height,
                                  bool enterSends) {
    DrawSunkBox(*page.GetCurImage(), sunk.left, sunk.top, sunk.right, sunk.bottom);
    // Inside the box's edges, which a field reaching over them would hide.
    const int left = std::max(x, sunk.left + 1), top = std::max(y, sunk.top + 1);
    const int right = std::min(x + width, sunk.right - 1), bottom = std::min(y + height, sunk.bottom - 1);
    return new CEditField(&page, this, left, top, std::max(right - left, 1), std::max(bottom - top, 1), "",
                          Thunk<&CFormPages::OnFieldEnter>, enterSends ? CEditField::kFlagEnterFires : 0);
}

int CFormPages::OnFieldEnter() {
    switch (form_) {
    case Form::Home: SubscribeFromHome(); break;
    case Form::Join:
    case Form::Exit: OnSubscribe(); break;
    case Form::GetGame: OnGetGame(); break;
    case Form::EmailThis: OnSend(); break;
    case Form::None: break;
    }
    return 1;
}

void CFormPages::Send(int type, std::string_view function, const std::string& params, int priority) {
    const int sent = config_.send ? config_.send(type, function, params, true, priority,
                                                 [this](const ServerReply& reply) { ShowResult(reply.status, true); },
                                                 wait_)
                                  : kNetUnavailable;
    if (!forms::ReplyFollows(sent)) ShowResult(kNoConnectionStatus, false);
}

void CFormPages::ShowResult(int status, bool fromReply) {
    switch (form_) {
    case Form::Join:
    case Form::Exit: ShowSubscribeResult(status); break;
    case Form::GetGame: ShowGetGameResult(status, fromReply); break;
    case Form::EmailThis: ShowEmailResult(status, fromReply); break;
    case Form::Home:
    case Form::None: break;
    }
}

void CFormPages::ShowMessage(CImage& image, int id, int x, int y, const platform::Rect& box) {
    DrawRml(image, ShellText(static_cast<uint32_t>(id)), x, y, &box);
    shown_ = id;
}

void CFormPages::ShowMailOutcome(int status, int success, const platform::Rect& area, const platform::Rect& text) {
    CImage& image = *Page()->GetCurImage();
    FillArea(image, area.left, area.top, area.right, area.bottom, 0xFF9900);
    const forms::Outcome outcome = forms::ReplyOutcome(status, false);
    if (outcome == forms::Outcome::Success)
        ShowMessage(image, success, text.left, text.top, text);
    else if (outcome == forms::Outcome::NoConnection)
        ShowMessage(image, forms::kNoConnection, text.left, text.top, text);
}

void CFormPages::OnTileClicked(int row, bool) { shell_.LaunchGame(row); }

std::shared_ptr<CFormPages> RegisterFormPages(CShell& shell, FormPagesConfig config) {
    auto pages = std::make_shared<CFormPages>(shell, std::move(config));
    g_pages = pages;
    const auto add = [&](const char* name, FormPage::Shower show) {
        shell.RegisterPage(name, std::make_unique<FormPage>(pages, show));
    };
    add(page_name::kHome, [](CFormPages& forms, CShell&, CSurface& page) { forms.ShowHome(page); });
    add(page_name::kJoin, [](CFormPages& forms, CShell&, CSurface& page) { forms.ShowJoin(page); });
    add(page_name::kExit, [](CFormPages& forms, CShell&, CSurface& page) { forms.ShowExit(page); });
    add(page_name::kGetMore,
        [](CFormPages& forms, CShell& owner, CSurface& page) { forms.ShowGetGame(page, owner.PageTopic()); });
    add(page_name::kAllGames, [](CFormPages& forms, CShell&, CSurface& page) { forms.ShowAllGames(page); });
    add(page_name::kEmailThis,
        [](CFormPages& forms, CShell& owner, CSurface& page) { forms.ShowEmailThis(page, owner.PageTopic()); });

    auto box = std::make_shared<CMailConfirmBox>(shell);
    g_mailBox = box;
    shell.SetMailSender([box](EmailConfirmation request, std::function<void(bool)> done) {
        box->Ask(std::move(request), std::move(done));
    }, [box] { box->GameStopped(); });
    return pages;
}

CFormPages* FormPages() { return g_pages.lock().get(); }
CMailConfirmBox* MailConfirmBox() { return g_mailBox.lock().get(); }
