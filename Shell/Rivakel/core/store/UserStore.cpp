#include "core/store/UserStore.h"

#include "core/base/Log.h"
#include "core/store/CopyToBuffer.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"
#include "platform/Host.h"

namespace {

constexpr size_t kMaxShellVersion = 14;
constexpr size_t kMaxTrackArgs = 7;
constexpr std::string_view kCoreDataName = "System\\Core.rdt";
constexpr std::string_view kOutboxDataName = "System\\Outbox.rdt";
// Users, settings, high scores and the requests waiting to be sent: far below this. A larger
// file is not the store's, and reads as a damaged one.
constexpr uint64_t kMaxStoreFileBytes = uint64_t{16} << 20;

std::string_view LastComponent(std::string_view name) {
    const size_t slash = name.find_last_of("\\/");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

bool IsOutboxName(std::string_view name) { return EqualsNoCase(LastComponent(name), kOutboxFileName); }
bool IsCoreName(std::string_view name) { return EqualsNoCase(LastComponent(name), kCoreFileName); }

std::string TextOf(const std::optional<std::string>& value) { return value ? *value : std::string(); }

// A property record: an "RLSProp" whose first attribute holds the key and second the value.
// Records with fewer than two attributes are damaged and passed over.
RdtNode* FindProp(const RdtNode& scope, std::string_view key) {
    for (size_t i = 0; i < scope.ChildCount(); ++i) {
        RdtNode* prop = scope.ChildAt(i);
        if (!EqualsNoCase(prop->Name(), "RLSProp") || prop->Attrs().size() < 2) continue;
        const auto& name = prop->Attrs()[0].value;
        if (name && EqualsNoCase(*name, key)) return prop;
    }
    return nullptr;
}

int GetProp(const RdtNode* scope, std::string_view key, std::string& out) {
    out.clear();
    const RdtNode* prop = scope ? FindProp(*scope, key) : nullptr;
    if (!prop) return kStoreNoKey;
    out = TextOf(prop->Attrs()[1].value);
    return kStoreOk;
}

void SetProp(RdtNode* scope, std::string_view key, std::string_view value) {
    if (!scope) return;
    if (RdtNode* prop = FindProp(*scope, key)) {
        prop->SetAttrValueAt(1, value);
        return;
    }
    RdtNode* prop = scope->AddChild("RLSProp");
    prop->AddAttr("name", key);
    prop->AddAttr("value", value);
}

int CopyOut(int result, const std::string& text, std::span<char> out) {
    CopyToBuffer(text, out);
    return result;
}

}  // namespace

CSubsystem_UserStore::CSubsystem_UserStore(UserStoreConfig config) : config_(std::move(config)) {
    if (config_.shellVersion.size() > kMaxShellVersion) config_.shellVersion.resize(kMaxShellVersion);
    if (LoadDataFile(kCoreDataName, coreRoot_) != kStoreOk || !coreRoot_) {
        coreRoot_ = MakeDefaultCore();
    }
    if (RdtNode* shell = GetShellElement()) {
        if (RdtNode* guid = shell->FindChild("ShellGUID")) shellGuid_ = TextOf(guid->Text());
    }
    if (LoadDataFile(kOutboxDataName, outboxRoot_) != kStoreOk || !outboxRoot_) {
        outboxRoot_ = MakeDefaultOutbox();
    }
}

CSubsystem_UserStore::~CSubsystem_UserStore() {
    if (config_.installed) {
        SaveDataFile(kCoreFileName, *coreRoot_);
        SaveDataFile(kOutboxFileName, *outboxRoot_);
    }
}

std::string CSubsystem_UserStore::DataRoot() const {
    const std::string folder = config_.dataFolder.empty() ? platform::DataFolder() : config_.dataFolder;
    return platform::JoinPath(folder, "Rivakel");
}

void CSubsystem_UserStore::SetInstalled(bool installed) {
    if (installed == config_.installed) return;
    config_.installed = installed;
    if (outbox_ != nullptr) outbox_->OnInstalledChanged(installed);
}

std::string CSubsystem_UserStore::SystemFolder() const {
    return platform::ResolvePath(DataRoot(), "System").value_or(platform::JoinPath(DataRoot(), "System"));
}

std::string CSubsystem_UserStore::TimeStampText() const {
    return config_.timeStamp ? std::to_string(config_.timeStamp()) : std::string("0");
}

std::unique_ptr<RdtNode> CSubsystem_UserStore::MakeDefaultCore() const {
    auto root = std::make_unique<RdtNode>("RDT");
    root->AddAttr("ver", kStoreFormatVersion);
    root->AddAttr("shellver", config_.shellVersion);
    RdtNode* user = root->AddChild("Users")->AddChild("User");
    user->AddAttr("localid", "0");
    user->AddChild("Email")->SetText("guest");
    user->AddChild("RegDate")->SetText(TimeStampText());
    root->AddChild("Rivlets");
    root->AddChild("Shell")->AddChild("DefaultUser")->AddAttr("localid", "0");
    return root;
}

std::unique_ptr<RdtNode> CSubsystem_UserStore::MakeDefaultOutbox() const {
    auto root = std::make_unique<RdtNode>("RDT");
    root->AddAttr("ver", kStoreFormatVersion);
    root->AddAttr("shellver", config_.shellVersion);
    root->AddChild("Users");
    return root;
}

std::optional<std::string> CSubsystem_UserStore::ReadStoredFile(std::string_view name, bool& fromDisk) const {
    fromDisk = false;
    const std::optional<std::string> path =
        config_.installed ? platform::ResolvePath(DataRoot(), name)
                          : platform::ResolvePath(config_.shellFolder, LastComponent(name));
    if (path) {
        if (auto bytes = platform::ReadWholeFile(*path, kMaxStoreFileBytes)) {
            fromDisk = true;
            return std::string(bytes->begin(), bytes->end());
        }
    }
    if (IsCoreName(name) || IsOutboxName(name) || !config_.openNamedData) return std::nullopt;
    return config_.openNamedData(name);
}

int CSubsystem_UserStore::LoadDataFile(std::string_view name, std::unique_ptr<RdtNode>& root) {
    root.reset();
    bool fromDisk = false;
    std::optional<std::string> text = ReadStoredFile(name, fromDisk);
    if (!text) return kStoreNoFile;
    if (fromDisk && IsCoreName(name) && config_.setShellFolder) config_.setShellFolder(DataRoot());

    const bool outbox = IsOutboxName(name);
    if (outbox && HasDamagedBytes(*text)) {
        Warning("CSubsystem_UserStore::LoadDataFile: %s is damaged, salvaging requests", kOutboxFileName.data());
        shellGuidPending_ = true;
        salvaged_ = SalvageOutbox(*text);
        return kStoreNoFile;
    }
    BlankDamagedBytes(*text);
    RepairUserTags(*text);
    RdtParseOptions options;
    options.forceConnFalse = outbox;
    if (!ParseRdt(*text, root, options)) {
        Warning("CSubsystem_UserStore::LoadDataFile: no element in %.*s", static_cast<int>(name.size()), name.data());
        root.reset();
        return kStoreNoFile;
    }
    return kStoreOk;
}

int CSubsystem_UserStore::LoadPlainFile(const std::string& path, std::unique_ptr<RdtNode>& root) {
    root.reset();
    const auto bytes = platform::ReadWholeFile(path, kMaxStoreFileBytes);
    if (!bytes) return kStoreNoFile;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    // A file without a single element gives no tree: the caller must not take it as read.
    if (!ParseRdt(text, root)) {
        root.reset();
        return kStoreNoFile;
    }
    return kStoreOk;
}

bool CSubsystem_UserStore::Parse(std::string_view text, int endTagLimit, std::unique_ptr<RdtNode>& root) {
    RdtParseOptions options;
    options.endTagLimit = endTagLimit;
    options.forceConnFalse = endTagLimit > 0;
    return ParseRdt(text, root, options);
}

int CSubsystem_UserStore::SaveDataFile(std::string_view name, const RdtNode& root) {
    const std::string folder = SystemFolder();
    const auto path = platform::ResolvePath(folder, LastComponent(name));
    if (!path || !platform::CreateFolders(folder)) {
        Error("CSubsystem_UserStore::SaveDataFile: cannot create %s", folder.c_str());
        return kStoreWriteFailed;
    }
    const std::string text = WriteRdt(root);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    // The store holds names and e-mail addresses: only the user may read it.
    const std::span<const uint8_t> data(bytes, text.size());
    if (!platform::WriteFileAtomic(*path, data, platform::FileAccess::Private)) {
        Error("CSubsystem_UserStore::SaveDataFile: cannot write %s", path->c_str());
        return kStoreWriteFailed;
    }
    return kStoreOk;
}

int CSubsystem_UserStore::SaveCore() {
    if (!config_.installed) return kStoreOk;
    const int core = SaveDataFile(kCoreFileName, *coreRoot_);
    const int outbox = SaveOutbox();
    return core != kStoreOk ? core : outbox;
}

int CSubsystem_UserStore::SaveOutbox() {
    if (!config_.installed) return kStoreOk;
    return SaveDataFile(kOutboxFileName, *outboxRoot_);
}

int CSubsystem_UserStore::SaveIfInstalled() {
    if (!config_.installed) return kStoreNotSaved;
    return SaveCore();
}

RdtNode* CSubsystem_UserStore::GetShellElement() const { return GetCoreElement("Shell"); }

RdtNode* CSubsystem_UserStore::GetCoreElement(std::string_view name) const { return coreRoot_->FindChild(name); }

RdtNode* CSubsystem_UserStore::FindUserByEmail(std::string_view email) const {
    const RdtNode* users = coreRoot_->FindChild("USERS");
    if (!users) return nullptr;
    for (size_t i = 0; i < users->ChildCount(); ++i) {
        RdtNode* user = users->ChildAt(i);
        if (!EqualsNoCase(user->Name(), "USER")) continue;
        const RdtNode* mail = user->FindChild("Email");
        if (mail && mail->Text() && EqualsNoCase(*mail->Text(), email)) return user;
    }
    return nullptr;
}

RdtNode* CSubsystem_UserStore::GetUserGameElement() {
    if (!config_.currentUserEmail) return nullptr;
    RdtNode* user = FindUserByEmail(config_.currentUserEmail());
    if (!user) return nullptr;
    const std::string game = config_.runningGameId ? config_.runningGameId() : std::string();
    return user->GetOrAddChildWithAttr("RLS", "ownerid", game);
}

RdtNode* CSubsystem_UserStore::GetGameElement() {
    RdtNode* rivlets = coreRoot_->FindChild("Rivlets");
    if (!rivlets) return nullptr;
    const std::string game = config_.runningGameId ? config_.runningGameId() : std::string();
    if (game.empty()) return nullptr;
    return rivlets->GetOrAddChild(game);
}

int CSubsystem_UserStore::SetGameProp(std::string_view key, std::string_view value) {
    SetProp(GetGameElement(), key, value);
    return kStoreOk;
}

int CSubsystem_UserStore::GetGameProp(std::string_view key, std::string& out) {
    return GetProp(GetGameElement(), key, out);
}

int CSubsystem_UserStore::GetGameProp(std::string_view key, std::span<char> out) {
    std::string text;
    const int result = GetGameProp(key, text);
    return CopyOut(result, text, out);
}

int CSubsystem_UserStore::SetUserProp(std::string_view key, std::string_view value) {
    SetProp(GetUserGameElement(), key, value);
    return kStoreOk;
}

int CSubsystem_UserStore::GetUserProp(std::string_view key, std::string& out) {
    return GetProp(GetUserGameElement(), key, out);
}

int CSubsystem_UserStore::GetUserProp(std::string_view key, std::span<char> out) {
    std::string text;
    const int result = GetUserProp(key, text);
    return CopyOut(result, text, out);
}

// The Outbox keeps one user element, re-labelled to the selected user, so that queued
// messages stay queued whoever is selected.
RdtNode* CSubsystem_UserStore::GetOutboxUser(std::optional<std::string_view> localid) {
    RdtNode* users = outboxRoot_->GetOrAddChild("Users");
    for (size_t i = 0; i < users->ChildCount(); ++i) {
        RdtNode* user = users->ChildAt(i);
        if (!EqualsNoCase(user->Name(), "User")) continue;
        if (!localid) return user;
        const std::string* id = user->AttrValue("localid");
        if (id && EqualsNoCase(*id, *localid)) return user;
    }
    RdtNode* user = users->GetOrAddChild("User");
    if (localid) user->SetAttr("localid", *localid);
    return user;
}

int CSubsystem_UserStore::SelectUser() {
    currentUser_ = config_.currentUserEmail ? FindUserByEmail(config_.currentUserEmail()) : nullptr;
    if (outbox_) outbox_->SetRoot(currentUser_);
    return kStoreOk;
}

int CSubsystem_UserStore::SendLine(std::string_view function, const std::string& line) {
    outbox_->Send(1, function, line, false, 0);
    return kStoreOk;
}

int CSubsystem_UserStore::Track(std::string_view event, std::initializer_list<const char*> args) {
    if (!outbox_ || !config_.timeStamp) return kStoreNoService;
    std::string line = TimeStampText();
    line += ',';
    line += event;
    size_t taken = 0;
    for (const char* arg : args) {
        if (taken++ == kMaxTrackArgs) break;
        if (!arg) continue;
        line += ',';
        line += arg;
    }
    return SendLine("TrackEvent", line);
}

int CSubsystem_UserStore::Track2(std::string_view event, std::initializer_list<const char*> args) {
    if (!outbox_ || !config_.timeStamp) return kStoreNoService;
    std::vector<const char*> given;
    for (const char* arg : args) {
        if (given.size() + 1 > kMaxTrackArgs) break;
        given.push_back(arg);
    }
    std::erase(given, nullptr);
    std::string line = TimeStampText();
    line += ',';
    line += event;
    line += ',';
    line += std::to_string(given.size());
    for (const char* arg : given) {
        line += ',';
        line += arg;
    }
    return SendLine("TrackEvent2", line);
}

int CSubsystem_UserStore::FlushPending() {
    const int rivRivlets = static_cast<int>(salvaged_.rivRivlet.size());
    if (!outbox_) return rivRivlets;
    if (shellGuidPending_ || !salvaged_.getUserGuid.empty() || !salvaged_.rivRivlet.empty()) {
        Track("DiagCode", {"01", "Outbox.rdt"});
    }
    const RdtNode* shell = GetShellElement();
    if (shellGuidPending_ && !(shell && shell->FindChild("ShellGUID"))) {
        outbox_->Send(3, "GetShellGUID", config_.shellVersion, false, 12);
    }
    for (const std::string& params : salvaged_.getUserGuid) outbox_->Send(2, "GetUserGUID", params, false, 11);
    for (const std::string& params : salvaged_.rivRivlet) outbox_->Send(4, "RivRivlet", params, false, 10);
    // Sent once: the outbox queues them from here on.
    shellGuidPending_ = false;
    salvaged_ = {};
    return rivRivlets;
}

bool CSubsystem_UserStore::RemoveGameData(std::string_view gameId) {
    if (!config_.currentUserEmail) return false;
    RdtNode* user = FindUserByEmail(config_.currentUserEmail());
    if (!user) return false;
    user->RemoveChild(user->FindChildWithAttr("RLS", "ownerid", gameId));
    return SaveCore() == kStoreOk;
}

namespace {
std::unique_ptr<CSubsystem_UserStore> g_userStore;
}

CSubsystem_UserStore* CreateUserStore(UserStoreConfig config) {
    g_userStore.reset();
    g_userStore = std::make_unique<CSubsystem_UserStore>(std::move(config));
    return g_userStore.get();
}

void DestroyUserStore() { g_userStore.reset(); }

CSubsystem_UserStore* UserStore() { return g_userStore.get(); }
