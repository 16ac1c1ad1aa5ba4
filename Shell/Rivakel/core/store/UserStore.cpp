#include "core/store/UserStore.h"

#include <algorithm>

#include "core/base/Log.h"
#include "core/store/CopyToBuffer.h"
#include "core/store/CoreDefaults.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"
#include "platform/Host.h"

namespace {

constexpr size_t kMaxShellVersion = 14;
constexpr size_t kMaxTrackArgs = 7;
constexpr std::string_view kCoreDataName = "System\\Core.rdt";
constexpr std::string_view kOutboxDataName = "System\\Outbox.rdt";

std::string_view LastComponent(std::string_view name) {
    const size_t slash = name.find_last_of("\\/");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

bool IsOutboxName(std::string_view name) { return EqualsNoCase(LastComponent(name), kOutboxFileName); }
bool IsCoreName(std::string_view name) { return EqualsNoCase(LastComponent(name), kCoreFileName); }

std::string TextOf(const std::optional<std::string>& value) { return value ? *value : std::string(); }

// A property record: an "RLSProp" whose first attribute holds the key and second the value.
// Records with fewer than two attributes are damaged and passed over.
RdtNode* FindProp(const RdtNode& scope, std::string_view key) { return scope.FindRecord("RLSProp", key); }

int GetProp(const RdtNode* scope, std::string_view key, std::string& out) {
    out.clear();
    const RdtNode* prop = scope ? FindProp(*scope, key) : nullptr;
    if (!prop) return kStoreNoKey;
    out = TextOf(prop->Attrs()[1].value);
    return kStoreOk;
}

int DepthOf(const RdtNode& node) {
    int depth = 0;
    for (const RdtNode* up = node.Parent(); up != nullptr; up = up->Parent()) ++depth;
    return depth;
}

int CopyOut(int result, const std::string& text, std::span<char> out) {
    CopyToBuffer(text, out);
    return result;
}

}  // namespace

CSubsystem_UserStore::CSubsystem_UserStore(UserStoreConfig config) : config_(std::move(config)) {
    if (config_.shellVersion.size() > kMaxShellVersion) config_.shellVersion.resize(kMaxShellVersion);
    if (config_.installed) RemoveLeftTemporaries();
    LoadCore();
    if (RdtNode* shell = GetShellElement()) {
        if (RdtNode* guid = shell->FindChild("ShellGUID")) shellGuid_ = TextOf(guid->Text());
    }
    if (LoadDataFile(kOutboxDataName, outboxRoot_) != kStoreOk || !outboxRoot_) {
        outboxRoot_ = MakeDefaultOutbox();
    }
}

// Whatever a read had to repair beyond what the writer leaves, the file is kept aside whole and
// the store goes on with what was read. A Core kept aside for any reason is replaced at once, so
// that an installed shell never finds itself without one.
void CSubsystem_UserStore::LoadCore() {
    const CoreDefaults defaults{kStoreFormatVersion, config_.shellVersion, TimeStampText()};
    StoredFile file;
    std::vector<std::string> repairs;
    if (ReadDataFile(kCoreDataName, coreRoot_, file, &repairs) != kStoreOk || !coreRoot_) {
        coreRoot_ = MakeDefaultCore(defaults);
    } else {
        // A root alone (an older seed, a mere sign of an installation) holds nothing to keep.
        const bool holdsAny = coreRoot_->ChildCount() > 0;
        if (!EqualsNoCase(coreRoot_->Name(), "RDT")) {
            if (holdsAny) repairs.push_back("a root named " + coreRoot_->Name().substr(0, 64));
            coreRoot_->SetName("RDT");
        }
        std::string names;
        for (const std::string& name : CompleteCore(*coreRoot_, defaults)) {
            names += (names.empty() ? "" : ", ") + name;
            // The seeded store has neither: the first start adds them.
            if (holdsAny && name != "shellver" && name != "RegDate") repairs.push_back("no " + name);
        }
        if (!names.empty()) {
            Info("CSubsystem_UserStore: %s lacked %s; the defaults were added", kCoreFileName.data(), names.c_str());
        }
        if (!repairs.empty()) {
            std::string what;
            for (const std::string& repair : repairs) what += (what.empty() ? "" : ", ") + repair;
            Warning("CSubsystem_UserStore: %s was damaged (%s); going on with what could be read",
                    kCoreFileName.data(), what.c_str());
            SetAside(file, kCoreDataName, FileRefusal::Damaged);
        }
    }
    if (!coreAside_.empty() && SaveDataFile(kCoreFileName, *coreRoot_) == kStoreOk) {
        Info("CSubsystem_UserStore: a new %s took its place", kCoreFileName.data());
    }
}

void CSubsystem_UserStore::RemoveLeftTemporaries() {
    const std::string system = SystemFolder();
    std::vector<std::string> folders{system};
    for (const platform::FolderEntry& entry : platform::ListFolder(system)) {
        if (entry.isFolder && !entry.isLink) folders.push_back(platform::JoinPath(system, entry.name));
    }
    for (const std::string& folder : folders) {
        const platform::LeftTemporaries left = platform::RemoveLeftTemporaries(folder);
        if (left.files == 0) continue;
        Info("CSubsystem_UserStore: removed %zu temporary files (%llu bytes) that killed saves left in %s", left.files,
             static_cast<unsigned long long>(left.bytes), folder.c_str());
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

std::unique_ptr<RdtNode> CSubsystem_UserStore::MakeDefaultOutbox() const {
    auto root = std::make_unique<RdtNode>("RDT");
    root->AddAttr("ver", kStoreFormatVersion);
    root->AddAttr("shellver", config_.shellVersion);
    root->AddChild("Users");
    return root;
}

CSubsystem_UserStore::StoredFile CSubsystem_UserStore::ReadStoredFile(std::string_view name) const {
    StoredFile file;
    const std::optional<std::string> path =
        config_.installed ? platform::ResolvePath(DataRoot(), name)
                          : platform::ResolvePath(config_.shellFolder, LastComponent(name));
    if (path) {
        if (auto bytes = platform::ReadWholeFile(*path, kMaxStoreFileBytes)) {
            file.path = *path;
            file.text.emplace(bytes->begin(), bytes->end());
            return file;
        }
        if (std::optional<FileRefusal> why = WhyUnread(*path, kMaxStoreFileBytes)) {
            file.path = *path;
            file.refusal = why;
            return file;
        }
    }
    if (!IsCoreName(name) && !IsOutboxName(name) && config_.openNamedData) file.text = config_.openNamedData(name);
    return file;
}

// Only an installed shell writes its store, and so only there can a save overwrite a file
// that was not read. The Core stays in place too until the new one is written over it.
void CSubsystem_UserStore::SetAside(const StoredFile& file, std::string_view name, FileRefusal why) {
    if (!config_.installed || file.path.empty() || !(IsCoreName(name) || IsOutboxName(name))) return;
    const AsideMode mode = IsCoreName(name) ? AsideMode::Copy : AsideMode::Move;
    const std::optional<std::string> aside = KeepAside(file.path, why, "CSubsystem_UserStore::LoadDataFile", mode);
    if (!aside) {
        unsaved_.emplace_back(LastComponent(name));
    } else if (IsCoreName(name)) {
        coreAside_ = *aside;
    }
}

int CSubsystem_UserStore::LoadDataFile(std::string_view name, std::unique_ptr<RdtNode>& root) {
    StoredFile file;
    return ReadDataFile(name, root, file, nullptr);
}

int CSubsystem_UserStore::ReadDataFile(std::string_view name, std::unique_ptr<RdtNode>& root, StoredFile& file,
                                       std::vector<std::string>* repairs) {
    root.reset();
    file = ReadStoredFile(name);
    if (!file.text) {
        if (file.refusal) SetAside(file, name, *file.refusal);
        return kStoreNoFile;
    }
    std::string& text = *file.text;
    if (!file.path.empty() && IsCoreName(name) && config_.setShellFolder) config_.setShellFolder(DataRoot());

    const bool outbox = IsOutboxName(name);
    if (outbox && HasDamagedBytes(text)) {
        Warning("CSubsystem_UserStore::LoadDataFile: %s is damaged, salvaging requests", kOutboxFileName.data());
        shellGuidPending_ = true;
        salvaged_ = SalvageOutbox(text);
        SetAside(file, name, FileRefusal::Damaged);
        return kStoreNoFile;
    }
    const bool blanked = HasDamagedBytes(text);
    BlankDamagedBytes(text);
    const bool userTags = RepairUserTags(text);
    bool closed = false;
    bool passedOver = false;
    RdtParseOptions options;
    options.forceConnFalse = outbox;
    options.rootClosed = &closed;
    options.passedOverDamage = &passedOver;
    if (!ParseRdt(text, root, options)) {
        Warning("CSubsystem_UserStore::LoadDataFile: no element in %.*s", static_cast<int>(name.size()), name.data());
        root.reset();
        if (!IsBlankText(text)) SetAside(file, name, FileRefusal::Damaged);
        return kStoreNoFile;
    }
    // A root the writer leaves out would be saved as nothing at all.
    if (!IsWritten(*root)) {
        Warning("CSubsystem_UserStore::LoadDataFile: %.*s has no root element that can be kept",
                static_cast<int>(name.size()), name.data());
        root.reset();
        SetAside(file, name, FileRefusal::Damaged);
        return kStoreNoFile;
    }
    if (repairs != nullptr) {
        if (blanked) repairs->emplace_back("bytes no stored file holds");
        if (userTags) repairs->emplace_back("the remains of a User line");
        if (!closed) repairs->emplace_back("cut before its end");
        if (passedOver) repairs->emplace_back("tags or text out of place");
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
    for (const std::string& kept : unsaved_) {
        if (!EqualsNoCase(kept, LastComponent(name))) continue;
        Error("CSubsystem_UserStore::SaveDataFile: %s is not written over the file that could not be read",
              kept.c_str());
        return kStoreWriteFailed;
    }
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
    if (&root == coreRoot_.get()) coreBytes_ = text.size();
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
    return users != nullptr ? ::FindUserByEmail(*users, email) : nullptr;
}

std::string CSubsystem_UserStore::RunningGameId() const {
    return config_.runningGameId ? config_.runningGameId() : std::string();
}

// A record under an empty owner is never written, so without a running game there is none.
RdtNode* CSubsystem_UserStore::GetUserGameElement() {
    if (!config_.currentUserEmail) return nullptr;
    RdtNode* user = FindUserByEmail(config_.currentUserEmail());
    const std::string game = RunningGameId();
    if (!user || game.empty()) return nullptr;
    return user->GetOrAddChildWithAttr("RLS", "ownerid", game);
}

RdtNode* CSubsystem_UserStore::GetGameElement() {
    RdtNode* rivlets = coreRoot_->FindChild("Rivlets");
    const std::string game = RunningGameId();
    if (!rivlets || game.empty()) return nullptr;
    return rivlets->GetOrAddChild(game);
}

int CSubsystem_UserStore::SetProperty(RdtNode* scope, std::string_view key, std::string_view value,
                                      const char* operation) {
    if (scope == nullptr) {
        Warning("CSubsystem_UserStore::%s: no user or game to keep \"%.*s\" under; not stored", operation,
                static_cast<int>(std::min<size_t>(key.size(), 64)), key.data());
        return kStoreNoService;
    }
    if (!coreBytes_) coreBytes_ = WrittenSize(*coreRoot_, 0);
    // Measured as it will be written, at its place in the tree.
    const int depth = DepthOf(*scope) + 1;
    RdtNode* prop = FindProp(*scope, key);
    std::unique_ptr<RdtNode> added;
    if (prop == nullptr) {
        added = std::make_unique<RdtNode>("RLSProp");
        added->AddAttr("name", key);
        added->AddAttr("value", "");
        prop = added.get();
    }
    const size_t before = added ? 0 : WrittenSize(*prop, depth);
    const std::string old = TextOf(prop->Attrs()[1].value);
    prop->SetAttrValueAt(1, value);
    const size_t after = WrittenSize(*prop, depth);
    if (after > before && *coreBytes_ + (after - before) > kMaxCoreBytesFromGames) {
        prop->SetAttrValueAt(1, old);
        Warning("CSubsystem_UserStore::%s: \"%.*s\" would grow %s past %llu bytes; not stored", operation,
                static_cast<int>(std::min<size_t>(key.size(), 64)), key.data(), kCoreFileName.data(),
                static_cast<unsigned long long>(kMaxCoreBytesFromGames));
        return kStoreFull;
    }
    *coreBytes_ = *coreBytes_ + after - before;
    if (added) scope->AppendChild(std::move(added));
    return kStoreOk;
}

int CSubsystem_UserStore::SetGameProp(std::string_view key, std::string_view value) {
    return SetProperty(GetGameElement(), key, value, "SetGameProp");
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
    return SetProperty(GetUserGameElement(), key, value, "SetUserProp");
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
    // Every record of the game: a damaged file may hold two.
    while (const RdtNode* record = user->FindChildWithAttr("RLS", "ownerid", gameId)) user->RemoveChild(record);
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
