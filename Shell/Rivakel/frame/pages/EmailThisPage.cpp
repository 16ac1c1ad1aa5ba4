// Email_This: the user mails a game to friends with a greeting of their own.
#include <string>

#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"
#include "core/outbox/OutboxMessage.h"
#include "frame/host/GameHost.h"
#include "frame/pages/DataMailing.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormPages.h"
#include "frame/pages/FormRules.h"
#include "frame/shell/Shell.h"

namespace {

// The area cleared for a message reaches as far right as the message is laid out.
constexpr platform::Rect kMessageArea{20, 340, 463, 420};
constexpr platform::Rect kMessageText{25, 340, 463, 420};
enum Field { kRecipients, kGreeting, kSender };

}  // namespace

void CFormPages::ShowEmailThis(CSurface& page, int row) {
    shell_.PlayClick();
    BeginPage(Form::EmailThis);
    mailRow_ = row;
    CImage& image = *page.GetCurImage();
    DrawFramedLogo(image, row, 400, 0);
    DrawRml(image, "<B><S3><C000000>E-mail this game to:</b>", 28, 76);
    CEditField* recipients = MakeField(page, {26, 93, 476, 115}, 28, 95, 446, 18, true);
    DrawRml(image, "<S4>Enter the e-mail address for the recipient.  Separate multiple addresses with commas.", 28,
            118);
    DrawRml(image, "<B><S3><C000000>Add your own personalized greeting:</b>", 28, 138);
    // Enter starts a new line of the greeting; it sends from the address fields.
    CEditField* greeting = MakeField(page, {26, 153, 476, 217}, 28, 155, 446, 60, false);
    DrawRml(image, "<B><S3><C000000>Enter your e-mail address:</b>", 28, 233);
    CEditField* sender = MakeField(page, {26, 248, 476, 270}, 28, 250, 446, 18, true);
    DrawRml(image, "<S4>NOTE: your e-mail address will only be used to let the recipient know who sent the game.", 28,
            273);
    DrawRml(image, "<S4>E-mail addresses will not be used for any other purpose.", 28, 285);
    recipients->LinkNext(greeting);
    greeting->LinkNext(sender);
    sender->LinkNext(recipients);
    mailFields_ = {recipients, greeting, sender};
    const intptr_t self = reinterpret_cast<intptr_t>(this);
    shell_.MakeImageButton("btn-txt-send-78x24.gif", 25, 310, self, Command<&CFormPages::OnSend>);
    shell_.MakeImageButton("btn-txt-clear-78x24.gif", 108, 310, self, Command<&CFormPages::OnClear>);
    recipients->SetFocus();
}

void CFormPages::OnSend() {
    if (form_ != Form::EmailThis || mailFields_.size() != 3) return;
    shell_.PlayClick();
    const std::string sender = forms::CommasToSemicolons(mailFields_[kSender]->Text());
    const std::string recipients = forms::CommasToSemicolons(mailFields_[kRecipients]->Text());
    const std::string greeting = mailFields_[kGreeting]->Text();
    CImage& image = *Page()->GetCurImage();
    FillArea(image, kMessageArea.left, kMessageArea.top, kMessageArea.right, kMessageArea.bottom, 0xFF9900);
    if (const int problem = forms::CheckMailForm(sender, recipients)) {
        ShowMessage(image, problem, kMessageText.left, kMessageText.top, kMessageText);
        return;
    }
    ShowMessage(image, forms::kContacting, kMessageText.left, kMessageText.top, kMessageText);
    // The game shown is the game mailed; the running game's only when the page names none.
    const GameRecord* row = config_.table != nullptr ? config_.table->Row(mailRow_) : nullptr;
    std::string game = row != nullptr ? row->guid : std::string();
    if (game.empty()) game = mailing::HostText(&CGameHost::GetRunningGameId);
    if (game.empty()) game = mailing::kDefaultGameId;
    // The greeting goes last, so that commas in it cannot shift the other fields.
    Send(kMsgRivAFriend, "RivRivlet", game + "," + sender + "," + recipients + "," + forms::EncodeGreeting(greeting),
         10);
}

void CFormPages::ShowEmailResult(int status, bool fromReply) {
    ShowMailOutcome(status, 2205, kMessageText, kMessageText);
    if (mailFields_.size() != 3) return;
    // What was typed stays for another try when nothing could be queued.
    if (fromReply) {
        for (CEditField* field : mailFields_) field->Clear();
    }
    mailFields_[kRecipients]->SetFocus();
}

void CFormPages::OnClear() {
    if (mailFields_.size() != 3) return;
    shell_.PlayClick();
    for (CEditField* field : mailFields_) field->Clear();
    mailFields_[kRecipients]->SetFocus();
}
