#include "app/ServerLink.h"

#include <memory>

#include "app/App.h"
#include "app/ProgramState.h"
#include "core/base/Log.h"
#include "core/base/Version.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/net/CSubsystem_Net.h"
#include "core/outbox/COutbox.h"
#include "core/store/MarkupDoc.h"
#include "core/store/UserStore.h"
#include "frame/host/GuidText.h"
#include "frame/shell/Shell.h"
#include "platform/Platform.h"

namespace {

constexpr int kSetSessionGuidPriority = 12;
constexpr int kUpdateShellVersionPriority = 10;
// The reply starts with the marker, three characters and the two-digit status.
constexpr size_t kBannerReplyPrefix = 12;

struct LinkState {
    std::unique_ptr<CMarkupDoc> bannerDefinitions;
};

LinkState& Link() {
    static LinkState state;
    return state;
}

// The shell's own box: the window goes on repainting under it and a termination signal still
// ends the session. A box that could not be answered (the session ending) counts as Cancel.
int AskForConnection(std::string_view caption, std::string_view text) {
    const int answer = ShowMessageBox(caption, text, kMessageBoxOkCancel | kMessageBoxExclamation);
    return answer == 1 ? platform::IdOk : platform::IdCancel;
}

// The shell window keeps the identifier; before it exists the empty one stands in.
std::string SessionIdentifier() {
    const CShell* shell = Shell();
    return shell != nullptr ? shell->GetSessionGUID() : std::string(kEmptyShellGuid);
}

}  // namespace

void CreateServerConnection(std::string_view shellVersion) {
    Link().bannerDefinitions.reset();
    NetConfig config;
    config.store = UserStore();
    const ProgramState& program = Program();
    if (program.localTestServer) config.testServer = program.testServerAddress;
    config.shellVersion = std::string(shellVersion);
    config.sessionId = [] { return RepairGuidText(SessionIdentifier()); };
    config.askConnection = AskForConnection;
    config.onBannerDefinitions = OnServerReply;
    CreateNetSubsystem(std::move(config));
}

void CreateSessionOutbox(std::string_view shellVersion) {
    OutboxConfig config;
    config.store = UserStore();
    config.net = NetService();
    config.shellVersion = std::string(shellVersion);
    config.sessionId = SessionIdentifier;
    config.setSessionId = [](const std::string& id) {
        if (CShell* shell = Shell()) shell->SetSessionGUID(id);
    };
    config.sendEid = [] {
        if (g_pApp != nullptr) g_pApp->SendEID();
    };
    CreateOutbox(std::move(config));
}

void DestroySessionOutbox() { DestroyOutbox(); }

void DestroyServerConnection() {
    DestroyNetSubsystem();
    Link().bannerDefinitions.reset();
}

void TrackUninstalledSession(std::string_view shellVersion) {
    const std::string id = SessionIdentifier();
    const std::string version(shellVersion);
    if (COutbox* outbox = Outbox()) outbox->TrackEvent("SetSessionGUID", kSetSessionGuidPriority, version.c_str(), id.c_str());
}

void ReportShellVersion(std::string_view shellVersion) {
    CSubsystem_UserStore* store = UserStore();
    RdtNode* shell = store != nullptr ? store->GetShellElement() : nullptr;
    RdtNode* reported = shell != nullptr ? shell->FindChild("ShellLastVerSentToServer") : nullptr;
    if (reported == nullptr) return;
    if (!reported->Text() || reported->Text()->empty()) reported->SetText(shellVersion);
    VersionRecord stored;
    VersionRecord own;
    if (!ParseVersionStamp(*reported->Text(), stored) || !ParseVersionStamp(shellVersion, own)) return;
    if (CompareVersions(stored, own) != std::strong_ordering::less) return;
    if (COutbox* outbox = Outbox()) {
        outbox->Send(kMsgUpdateShellVersion, "UpdateShellVersion", shellVersion, false, kUpdateShellVersionPriority);
    }
    reported->SetText(shellVersion);
}

void OnServerReply(CHttpRequest& request) {
    // A failed fetch (refused, cut short, an error page) leaves the document as it was.
    const std::string& reply = request.Reply();
    if (request.Result() != 0 || reply.size() <= kBannerReplyPrefix || reply.find('\0') <= kBannerReplyPrefix) return;
    auto document = std::make_unique<CMarkupDoc>();
    document->Parse(std::string_view(reply).substr(kBannerReplyPrefix), true);
    Link().bannerDefinitions = std::move(document);
    Info("Rivakel: banner definitions received (%zu bytes)", reply.size());
}

CMarkupDoc* PendingBannerDefinitions() { return Link().bannerDefinitions.get(); }

std::unique_ptr<CMarkupDoc> TakeBannerDefinitions() { return std::move(Link().bannerDefinitions); }
