// The one-time offer of the cardback a newly installed game brought with it.
#include <string>

#include "core/base/Strings.h"
#include "core/base/Thunk.h"
#include "core/files/FileNames.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "frame/cardbacks/CardbackSelector.h"
#include "frame/cardbacks/CardbackSettings.h"
#include "frame/cardbacks/CardbackSurfaces.h"
#include "frame/shell/Shell.h"

namespace {

constexpr int kBoxLeft = 282, kBoxTop = 176, kBoxRight = 602, kBoxBottom = 396;
constexpr intptr_t kKeepCurrent = 0;
constexpr intptr_t kUseNew = 1;

// Owned by its box, so it goes when the box does: answered, or the shell window closing.
class CCardbackOffer final : public CRefCounted {
public:
    CCardbackOffer(CShell& shell, CSurface& box, std::string newImage)
        : shell_(shell), box_(box), newImage_(std::move(newImage)) {}

    void Build(const std::string& current) {
        CImage& image = *box_.GetCurImage();
        const platform::Rect question{20, 15, 300, 200};
        image.DrawRML("<S3><C000000><b>The game you are about to run includes a custom cardback that is different than "
                      "the one you are now using.  Which one would you like to use?</b>",
                      question.left, question.top, &question, 0, nullptr);
        image.DrawRML("<S3><C000000><b>Always keep current card back.</b>", 90, 190, nullptr, 0, nullptr);
        Place(new CCardbackPreview(CardbackPicturePath(current)), 70, 75);
        Place(new CCardbackPreview(CardbackPicturePath(LastComponent(newImage_))), 200, 75);
        shell_.MakeTextButton(&box_, "Keep Current", 30, 150, kKeepCurrent, 20, 0xFFFF99, 0x000000, 0xFF0000, this,
                              Thunk<&CCardbackOffer::OnAnswer>);
        shell_.MakeTextButton(&box_, "Use New", 180, 150, kUseNew, 20, 0xFFFF99, 0x000000, 0xFF0000, this, Thunk<&CCardbackOffer::OnAnswer>);
        checkBox_ = new CCheckBox();
        Place(checkBox_, 65, 185);
    }

private:
    void Place(CSurface* surface, int x, int y) {
        surface->SetLoc(x, y);
        box_.AttachSurface(surface);
    }

    int OnAnswer(intptr_t* record) {
        CShell& shell = shell_;
        if (record[2] == kUseNew) SetCardBack(shell, newImage_);
        SetCardBackDontAsk(checkBox_->Checked());
        if (CSubsystem_Event* events = EventService()) events->ClearModalRect();
        // This object goes with the box: nothing of it is touched afterwards.
        shell.Frame()->DetachSurface(&box_);
        return 0;
    }

    CShell& shell_;
    CSurface& box_;
    std::string newImage_;
    CCheckBox* checkBox_ = nullptr;
};

}  // namespace

void ShowCardbackChoice(CShell& shell, std::string_view newImage) {
    // 1 and 3.
    const bool dontAsk = CardBackDontAsk();
    const std::string current = GetCardBack();
    if (!ShouldOfferCardback(current, newImage, dontAsk)) return;
    const std::string_view picture = LastComponent(newImage);
    if (!IsPlainFileName(picture)) return;
    // 2, 4 and 5.
    CSurface* box = shell.MakeModalBox(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom);
    auto* offer = new CCardbackOffer(shell, *box, std::string(picture));
    offer->AddInternalRef();
    box->AddOwnedObject(offer);
    offer->Build(current);
}
