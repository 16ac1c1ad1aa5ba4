#include "core/dialogs/ShellDialogs.h"

#include <optional>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/dialogs/Dialog.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/dialogs/ModalClockPause.h"
#include "core/files/CSubsystem_File.h"
#include "core/files/File.h"
#include "core/store/CopyToBuffer.h"
#include "core/store/RdtNode.h"
#include "core/store/UserStore.h"

namespace {

// Per dialog: a nested dialog (the terms over a question) has its own and leaves this one alone.
struct DialogState {
    bool termsMode = false;
    bool withCancel = false;  // input boxes only: Cancel and Escape answer 2
    size_t maxLength = 0;
    int result = 0;
    std::string entry;
};

constexpr int kMessageSetUserProfile = 8;
constexpr int kProfilePriority = 5;

bool Call(const std::function<bool()>& hook) { return hook && hook(); }

RdtNode* GuestUser() {
    CSubsystem_UserStore* store = UserStore();
    return store != nullptr ? store->FindUserByEmail("guest") : nullptr;
}

bool GuestOptedOut() {
    const RdtNode* guest = GuestUser();
    const RdtNode* optOut = guest != nullptr ? guest->FindChild("OptOut") : nullptr;
    return optOut != nullptr && optOut->Text() && EqualsNoCase(*optOut->Text(), "Yes");
}

// The guest's answer to the offers: kept in the store, told to the server, and an opt-out
// (which must be remembered) installs the shell when it is not yet.
void RecordOptOut(const CDialog& dialog) {
    const bool wantsOffers = dialog.Checked(kIdOffers);
    if (RdtNode* guest = GuestUser()) guest->GetOrAddChild("OptOut")->SetText(wantsOffers ? "No" : "Yes");
    const DialogEnvironment& environment = CurrentDialogEnvironment();
    if (!wantsOffers && !Call(environment.installed)) {
        if (environment.installShell) environment.installShell();
        if (CSubsystem_UserStore* store = UserStore()) store->SaveCore();
    }
    if (environment.queueMessage) {
        environment.queueMessage(kMessageSetUserProfile, "SetUserProfile",
                                 wantsOffers ? "WantCustomOffers,1" : "WantCustomOffers,0", false, kProfilePriority);
    }
}

class ShellDialogProcedure final : public DialogProcedure {
public:
    explicit ShellDialogProcedure(DialogState& state) : state_(state) {}

    void OnCreate(CDialog& dialog) override {
        if (state_.termsMode && dialog.HasControl(kIdOffers)) dialog.SetChecked(kIdOffers, !GuestOptedOut());
    }

    bool OnCommand(CDialog& dialog, int id) override {
        switch (id) {
        case kIdOk:
            state_.result = 1;
            state_.entry = dialog.ControlText(kIdEntry).substr(0, state_.maxLength);
            return true;
        case kIdCancel:
            if (!state_.withCancel) return false;
            state_.result = 2;
            return true;
        case kIdLater:
            state_.result = 1;
            return true;
        case kIdAccept:
            state_.result = 0;
            if (state_.termsMode) RecordOptOut(dialog);
            return true;
        case kIdSaveExit:
            state_.result = 2;
            return true;
        case kIdDecline:
            state_.result = 3;
            return true;
        case kIdShowTerms:
            ShowTermsOfService();
            return false;
        default:
            return false;
        }
    }

private:
    DialogState& state_;
};

class MessageBoxProcedure final : public DialogProcedure {
public:
    MessageBoxProcedure(bool withCancel, int& result) : withCancel_(withCancel), result_(result) {}
    bool OnCommand(CDialog&, int id) override {
        if (id == kIdOk) result_ = 1;
        // Escape in a box without Cancel answers OK, as the system's boxes do.
        if (id == kIdCancel) result_ = withCancel_ ? 2 : 1;
        return id == kIdOk || id == kIdCancel;
    }

private:
    bool withCancel_;
    int& result_;
};

// Runs a template with the state given; the state's result is set to `refusal` first, so a
// dialog that never answers leaves that.
int RunTemplate(std::string_view name, DialogState& state, int refusal, bool repaintFirst,
                const std::function<void(DialogTemplate&)>& fill = {}) {
    state.result = refusal;
    std::optional<DialogTemplate> description = FindDialogTemplate(name);
    if (!description) return refusal;
    if (fill) fill(*description);
    ModalClockPause pause;
    const DialogEnvironment& environment = CurrentDialogEnvironment();
    if (repaintFirst && environment.repaint) environment.repaint();
    ShellDialogProcedure procedure(state);
    CDialog dialog(std::move(*description), procedure);
    if (!dialog.Valid()) {
        Error("Dialog %.*s cannot be made; answered as refused", static_cast<int>(name.size()), name.data());
        return refusal;
    }
    if (!dialog.Run()) state.result = refusal;
    return state.result;
}

int RunQuestion(std::string_view name, int refusal, bool termsMode, bool repaintFirst = false) {
    DialogState state;
    state.termsMode = termsMode;
    return RunTemplate(name, state, refusal, repaintFirst);
}

unsigned PlatformFlags(int flags) {
    unsigned result = (flags & kMessageBoxOkCancel) != 0 ? platform::MbOkCancel : platform::MbOk;
    if ((flags & kMessageBoxExclamation) != 0) result |= platform::MbIconWarning;
    return result;
}

class QuestionProcedure final : public DialogProcedure {
public:
    explicit QuestionProcedure(int& result) : result_(result) {}
    bool OnCommand(CDialog& dialog, int id) override {
        if (id == kIdCancel && !dialog.HasControl(kIdCancel)) return false;
        result_ = id;
        return true;
    }

private:
    int& result_;
};

}  // namespace

int AskQuestion(const DialogTemplate& description, int refusal) {
    ModalClockPause pause;
    int result = refusal;
    QuestionProcedure procedure(result);
    CDialog dialog(description, procedure);
    if (!dialog.Valid() || !dialog.Run()) return refusal;
    return result;
}

bool AskConfirmSave() { return RunQuestion("IDD_CONFIRM_SAVE", 3, true, true) == 0; }

int AskStopGameSaved() { return RunQuestion("IDD_QUIT_SAVED", 1, false); }

int AskQuitSaved() { return RunQuestion("IDD_QUIT_SAVED", 1, false); }

int AskQuitNotSaved() {
    if (Call(CurrentDialogEnvironment().embedded)) return 3;
    return RunQuestion("IDD_QUIT_NOTSAVED", 1, true);
}

int ShowTermsOfService() {
    DialogState state;
    state.termsMode = true;
    const std::string terms = ReadTermsOfService();
    RunTemplate("IDD_TERMSOFSERVICE", state, 0, false, [&terms](DialogTemplate& description) {
        for (DialogControl& control : description.controls) {
            if (control.id == kIdTermsText) control.text = terms;
        }
    });
    return 0;
}

int AskAutoInstall() { return RunQuestion("IDD_AUTOINSTALL", 3, true); }

int AskNeedNewGame() { return RunQuestion("IDD_NEEDNEWGAME", 1, false); }

int ShowMessageBox(std::string_view caption, std::string_view text, int flags) {
    const bool withCancel = (flags & kMessageBoxOkCancel) != 0;
    ModalClockPause pause;
    const DialogEnvironment& environment = CurrentDialogEnvironment();
    if (environment.root == nullptr) {
        platform::Backend* backend = platform::GetBackend();
        if (backend == nullptr) return 0;
        const int answer = backend->MessageBox(caption, text, PlatformFlags(flags));
        return answer == platform::IdOk ? 1 : answer == platform::IdCancel ? 2 : 0;
    }
    if (environment.repaint) environment.repaint();
    int result = 0;
    MessageBoxProcedure procedure(withCancel, result);
    CDialog dialog(MessageBoxTemplate(caption, text, withCancel, (flags & kMessageBoxExclamation) != 0), procedure);
    if (!dialog.Valid() || !dialog.Run()) return 0;
    return result;
}

int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, size_t maxLength,
             int flags, std::string& entry) {
    DialogState state;
    state.withCancel = (flags & kMessageBoxOkCancel) != 0;
    state.maxLength = maxLength;
    const int answer = RunTemplate(state.withCancel ? "IDD_INPUT_BOX" : "IDD_INPUT_BOX2", state, 2, true,
                                   [&](DialogTemplate& description) {
                                       description.caption = caption;
                                       for (DialogControl& control : description.controls) {
                                           if (control.id == kIdPrompt) control.text = prompt;
                                           if (control.id == kIdEntry) control.text = initialText.substr(0, maxLength);
                                       }
                                   });
    if (answer == 1) entry = std::move(state.entry);
    return answer;
}

int InputBox(std::string_view caption, std::string_view prompt, std::string_view initialText, std::span<char> buffer,
             int flags) {
    const size_t maxLength = buffer.empty() ? 0 : buffer.size() - 1;
    std::string entry;
    const int answer = InputBox(caption, prompt, initialText, maxLength, flags, entry);
    if (answer == 1) CopyToBuffer(entry, buffer);
    return answer;
}

std::string ReadTermsOfService() {
    CSubsystem_File* files = FileService();
    if (files == nullptr) return {};
    CFile* file = files->OpenFile("TermsOfService", 1);
    if (file == nullptr) return {};
    std::string text;
    if (file->IsOpen()) {
        const std::span<const uint8_t> data = file->GetData();
        text.assign(data.begin(), data.end());
    }
    files->CloseFile(file);
    return text;
}
