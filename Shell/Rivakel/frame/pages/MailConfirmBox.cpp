#include "frame/pages/MailConfirmBox.h"

#include <cstring>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/net/NetResults.h"
#include "core/outbox/COutbox.h"
#include "core/outbox/OutboxMessage.h"
#include "frame/api/MarkupEscape.h"
#include "frame/games/FramedBox.h"
#include "frame/host/GameHost.h"
#include "frame/pages/DataMailing.h"
#include "frame/pages/FormDrawing.h"
#include "frame/pages/FormRules.h"
#include "frame/shell/Shell.h"

namespace {

constexpr const char* kPicture = "asl-email-confirm-324x112x2.gif";
constexpr uint32_t kBoxOrange = 0xFF9A00;
constexpr uint32_t kBlinkMs = 50;
constexpr int kBlinkSteps = 4;

}  // namespace

CMailConfirmBox::~CMailConfirmBox() {
    wait_.Cancel();
    if (box_ != nullptr) box_->ReleaseInternalRef();
}

void CMailConfirmBox::Ask(EmailConfirmation request, std::function<void(bool)> answer) {
    // One request at a time: the first one's callbacks stay owed.
    if (state_ != State::Idle || request.itemText.size() > mailing::kMaxItem) {
        Warning("CMailConfirmBox::Ask: a mailing was refused (%s)", state_ != State::Idle ? "box up" : "item too long");
        if (answer) answer(false);
        return;
    }
    request_ = std::move(request);
    answer_ = std::move(answer);
    if (CSubsystem_Clock* clock = ClockService()) {
        wasPaused_ = clock->IsPaused();
        clock->SetPaused(true);
    }
    box_ = shell_.MakeModalBox(kLeft, kTop, kRight, kBottom);
    box_->AddInternalRef();
    CImage& image = *box_->GetCurImage();
    DrawPictureFrame(image, kPicture, 0, 0, 0);
    DrawRml(image, "<s3><B><c000000>Confirm E-Mail Use</b>", 72, 16);
    const platform::Rect question{72, 32, 300, 65};
    const std::string game = mailing::HostText(&CGameHost::GetGameName);
    // The name and the recipient come from the game: shown as they are written.
    DrawRml(image, "<S3><C000000>The application '" + EscapeMarkup(game) + "' is attempting to send an e-mail to:",
            72, 32, &question);
    DrawRml(image, "<S3><C000000>" + EscapeMarkup(request_.recipient), 85, 67);
    DrawRml(image, "<S3><C000000>Continue?", 70, 87);
    AddButton("Yes", 200, kYes);
    AddButton("No", 270, kNo);
    shell_.SetModalClickCallback([this] { Blink(); });
    state_ = State::Asking;
}

void CMailConfirmBox::AddButton(const char* label, int x, int value) {
    shell_.MakeTextButton(box_, label, x, 87, value, 12, 0xFF9900, 0x000000, 0xFFFFFF, this, Thunk<&CMailConfirmBox::OnButton>);
}

int CMailConfirmBox::OnButton(intptr_t* record) {
    Press(static_cast<int>(record[2]));
    return 1;
}

void CMailConfirmBox::Press(int value) {
    if (state_ == State::Idle) return;
    if (value == kYes && state_ == State::Asking) {
        SendDataMail();
        return;
    }
    std::function<void(bool)> answer = std::move(answer_);
    Close();
    if (answer) answer(value >= kOkBase);
}

void CMailConfirmBox::SendDataMail() {
    state_ = State::Sending;
    box_->DetachAll();
    CImage& image = *box_->GetCurImage();
    DrawPictureFrame(image, kPicture, 1, 0, 0);
    DrawRml(image, "<s3><B><c000000>Contacting Server</b>", 72, 12);
    const platform::Rect wrap{70, 30, 305, 80};
    DrawRml(image, "<S3><c000000>The email is now being sent... Please wait a moment...", 70, 30, &wrap);
    AddButton("Cancel", 270, kCancel);

    mailing::MailingGame game;
    const VersionRecord& version = shell_.Version();
    game.shellVersion.assign(version.text, strnlen(version.text, sizeof version.text));
    game.id = mailing::HostText(&CGameHost::GetRunningGameId);
    game.name = mailing::HostText(&CGameHost::GetGameName);
    game.version = mailing::HostText(&CGameHost::GetGameVersion);
    const std::optional<std::string> params = mailing::BuildParams(game, request_.firstText, request_.recipient,
                                                                   request_.thirdText, request_.itemText);
    COutbox* outbox = Outbox();
    if (!params || outbox == nullptr) {
        ShowResult(kNoConnectionStatus);
        return;
    }
    const int sent = outbox->SendAndWait(kMsgRivAFriend, "SendMessage1", *params, true, 10,
                                         [this](const ServerReply& reply) { ShowResult(reply.status); }, wait_);
    if (!forms::ReplyFollows(sent)) ShowResult(kNoConnectionStatus);
}

void CMailConfirmBox::ShowResult(int status) {
    if (state_ != State::Sending) return;
    const forms::Outcome outcome = forms::ReplyOutcome(status, false);
    state_ = State::Result;
    status_ = status;
    box_->DetachAll();
    CImage& image = *box_->GetCurImage();
    FillArea(image, 64, 10, 315, 104, kBoxOrange);
    const platform::Rect wrap{70, 30, 305, 80};
    if (outcome == forms::Outcome::Success) {
        DrawRml(image, "<s3><B><c000000>Email Sent</b>", 72, 12);
        DrawRml(image, "<S3><c000000>The e-mail has been successfully sent - feel free to send another...", 70, 30,
                &wrap);
    } else if (outcome == forms::Outcome::NoConnection) {
        DrawRml(image, "<s3><B><c000000>Cannot Connect to Server</b>", 72, 12);
        DrawRml(image,
                "<S3><c000000>We're sorry, but Rivakel cannot access the internet right now.  Please try again "
                "later.",
                70, 30, &wrap);
    }
    AddButton("Ok", 280, kOkBase + status);
}

void CMailConfirmBox::GameStopped() {
    answer_ = nullptr;
    if (state_ != State::Idle) Close();
}

void CMailConfirmBox::Close() {
    wait_.Cancel();
    blinkTimer_.reset();
    shell_.SetModalClickCallback(nullptr);
    if (CSubsystem_Event* events = EventService()) events->ClearModalRect();
    if (box_ != nullptr) {
        box_->DetachAll();
        shell_.Frame()->DetachSurface(box_);
        box_->ReleaseInternalRef();
        box_ = nullptr;
    }
    if (CSubsystem_Clock* clock = ClockService()) clock->SetPaused(wasPaused_);
    request_ = {};
    answer_ = nullptr;
    state_ = State::Idle;
}

void CMailConfirmBox::Blink() {
    if (box_ == nullptr) return;
    blinkStep_ = 0;
    DrawOutline(0xFFFFFF);
    blinkTimer_ = std::make_unique<CTimer>(this, kBlinkMs, Thunk<&CMailConfirmBox::OnBlinkTick>);
    blinkTimer_->SetClock(TimerClock::Wall);
    blinkTimer_->Start();
}

int CMailConfirmBox::OnBlinkTick() {
    if (++blinkStep_ >= kBlinkSteps || box_ == nullptr) {
        blinkTimer_->Stop();
        return 0;
    }
    DrawOutline(blinkStep_ % 2 == 1 ? kBoxOrange : 0xFFFFFF);
    return 0;
}

void CMailConfirmBox::DrawOutline(uint32_t colour) {
    CImage& image = *box_->GetCurImage();
    image.SetCurColor(colour);
    image.FrameRect(6, 5, 318, 105);
    image.FrameRect(7, 6, 317, 104);
    box_->Invalidate();
}
