// The user store: the shell's persistent data in two RDT documents under
// "<data folder>/Rivakel/System/": "Core.rdt" (users, the shell's settings, game-wide and
// per-user game properties) and "Outbox.rdt" (server messages not yet delivered). It also turns
// tracking events into "TrackEvent" lines for the outbox and re-sends requests salvaged from a
// damaged Outbox file. Files are written atomically and only while the shell is installed.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/OutboxLink.h"
#include "core/store/OutboxSalvage.h"
#include "core/store/RdtNode.h"
#include "core/store/RefusedFile.h"

// Result codes of the store.
inline constexpr int kStoreOk = 0;
inline constexpr int kStoreWriteFailed = 1;
inline constexpr int kStoreNotSaved = 2;
// A game's value that would grow the Core file past kMaxCoreBytesFromGames.
inline constexpr int kStoreFull = 3;
inline constexpr int kStoreNoService = 8;
inline constexpr int kStoreNoKey = 25;
inline constexpr int kStoreNoFile = 26;

inline constexpr std::string_view kCoreFileName = "Core.rdt";
inline constexpr std::string_view kOutboxFileName = "Outbox.rdt";
inline constexpr std::string_view kStoreFormatVersion = "00.01.00.00";
inline constexpr std::string_view kEmptyShellGuid = "{00000000-0000-0000-0000-000000000000}";

// The reader takes store files up to kMaxStoreFileBytes; a larger one is kept aside unread. A
// game's value is refused when it would grow the Core file past the smaller
// kMaxCoreBytesFromGames, so that what the writer makes is always read back, with room for the
// shell's own settings.
inline constexpr uint64_t kMaxStoreFileBytes = uint64_t{32} << 20;
inline constexpr uint64_t kMaxCoreBytesFromGames = uint64_t{16} << 20;

// What the store takes from the rest of the shell. Empty functions stand for services that
// do not exist (yet): no clock, no running game, no current user.
struct UserStoreConfig {
    bool installed = false;
    std::string dataFolder;   // holds "Rivakel/System/"; empty: platform::DataFolder()
    std::string shellFolder;  // a shell that is not installed reads its files from here
    std::string shellVersion;                        // string 1 of the shell
    std::function<int64_t()> timeStamp;              // seconds of the clock's time record
    std::function<std::string()> runningGameId;      // identifier of the running game
    std::function<std::string()> currentUserEmail;   // e-mail of the shell's current user
    // Other data files come through the file service when they are not on disk.
    std::function<std::optional<std::string>(std::string_view name)> openNamedData;
    // Told the shell folder to use when the Core file was found in the data folder.
    std::function<void(const std::string& folder)> setShellFolder;
};

class CSubsystem_UserStore {
public:
    explicit CSubsystem_UserStore(UserStoreConfig config);
    // Writes both files when the shell is installed.
    ~CSubsystem_UserStore();
    CSubsystem_UserStore(const CSubsystem_UserStore&) = delete;
    CSubsystem_UserStore& operator=(const CSubsystem_UserStore&) = delete;

    // Game-wide and per-user properties of the running game. Reads copy into the caller's
    // buffer (cut to fit, always terminated); a missing key gives "" and kStoreNoKey. A set that
    // stores nothing says so, in one log line: kStoreNoService without a user or a running game
    // to keep the value under, kStoreFull when the value would grow the Core file too far.
    int SetGameProp(std::string_view key, std::string_view value);
    int GetGameProp(std::string_view key, std::span<char> out);
    int GetGameProp(std::string_view key, std::string& out);
    int SetUserProp(std::string_view key, std::string_view value);
    int GetUserProp(std::string_view key, std::span<char> out);
    int GetUserProp(std::string_view key, std::string& out);

    // `name` is a data-file name of the system's own form, such as "System\Core.rdt". An
    // installed shell's Core or Outbox file that is there but cannot be read is kept aside
    // (RefusedFile.h); when that fails, the file of that name is never written over.
    int LoadDataFile(std::string_view name, std::unique_ptr<RdtNode>& root);
    // kStoreNoFile also when the file holds no element, so a loaded root is never null.
    int LoadPlainFile(const std::string& path, std::unique_ptr<RdtNode>& root);
    // Writes "<data folder>/Rivakel/System/<name>"; kStoreWriteFailed leaves the old file whole.
    int SaveDataFile(std::string_view name, const RdtNode& root);
    bool Parse(std::string_view text, int endTagLimit, std::unique_ptr<RdtNode>& root);

    // When installed: the Core file, then the Outbox file. kStoreWriteFailed when either failed.
    int SaveCore();
    int SaveOutbox();
    // Not installed: kStoreNotSaved and nothing written.
    int SaveIfInstalled();

    RdtNode* GetShellElement() const;
    RdtNode* GetCoreElement(std::string_view name) const;
    RdtNode* GetUserGameElement();
    RdtNode* GetGameElement();
    // The Outbox user element of that localid; else the first one, re-labelled (see .cpp).
    RdtNode* GetOutboxUser(std::optional<std::string_view> localid);
    RdtNode* FindUserByEmail(std::string_view email) const;
    RdtNode* GetCurrentUser() const { return currentUser_; }
    int SelectUser();

    // Null arguments are left out. kStoreNoService without an outbox or a clock.
    int Track(std::string_view event, std::initializer_list<const char*> args = {});
    int Track2(std::string_view event, std::initializer_list<const char*> args = {});
    // Sends what the outbox salvage kept; returns how many RivRivlet requests there were.
    int FlushPending();
    // Drops the current user's records of the game and saves; false without a current user or
    // when the save failed.
    bool RemoveGameData(std::string_view gameId);

    void SetOutbox(IOutboxLink* outbox) { outbox_ = outbox; }
    // Null until an outbox registered.
    IOutboxLink* Outbox() const { return outbox_; }
    void SetInstalled(bool installed);
    bool Installed() const { return config_.installed; }
    // Where the Core file found at creation was kept aside (it could not be read, or only with
    // repairs); "" when it was not.
    const std::string& CoreKeptAside() const { return coreAside_; }
    // The installation's identifier read at creation; "" when there was none.
    const std::string& ShellGuid() const { return shellGuid_; }
    bool ShellGuidPending() const { return shellGuidPending_; }
    const SalvagedRequests& Salvaged() const { return salvaged_; }

    RdtNode* CoreRoot() const { return coreRoot_.get(); }
    RdtNode* OutboxRoot() const { return outboxRoot_.get(); }
    // The folder the store's files are written to.
    std::string SystemFolder() const;

private:
    struct StoredFile {
        std::string path;  // empty when the text came through the file service, or from nowhere
        std::optional<std::string> text;
        std::optional<FileRefusal> refusal;  // the file is there but was not read
    };

    std::unique_ptr<RdtNode> MakeDefaultOutbox() const;
    StoredFile ReadStoredFile(std::string_view name) const;
    // LoadDataFile telling which file it read and, when `repairs` is given, what it had to repair
    // that the writer never leaves.
    int ReadDataFile(std::string_view name, std::unique_ptr<RdtNode>& root, StoredFile& file,
                     std::vector<std::string>* repairs);
    void LoadCore();
    // What killed saves left in the store's folders.
    void RemoveLeftTemporaries();
    void SetAside(const StoredFile& file, std::string_view name, FileRefusal why);
    int SetProperty(RdtNode* scope, std::string_view key, std::string_view value, const char* operation);
    std::string RunningGameId() const;
    std::string DataRoot() const;
    std::string TimeStampText() const;
    int SendLine(std::string_view function, const std::string& line);

    UserStoreConfig config_;
    IOutboxLink* outbox_ = nullptr;
    bool shellGuidPending_ = false;
    SalvagedRequests salvaged_;
    RdtNode* currentUser_ = nullptr;
    std::unique_ptr<RdtNode> coreRoot_;
    std::unique_ptr<RdtNode> outboxRoot_;
    std::string shellGuid_;
    std::string coreAside_;
    // The Core file's size as last written, kept up to date by every property set.
    std::optional<size_t> coreBytes_;
    // Files that could not be kept aside: the old file stays, unread and never written over.
    std::vector<std::string> unsaved_;
};

// The session's store. Create replaces any earlier one.
CSubsystem_UserStore* CreateUserStore(UserStoreConfig config);
void DestroyUserStore();
CSubsystem_UserStore* UserStore();
