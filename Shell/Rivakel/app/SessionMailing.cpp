#include "app/SessionMailing.h"

#include <optional>

#include "app/App.h"
#include "app/ProgramState.h"
#include "app/Session.h"
#include "core/base/HexText.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/base/Version.h"
#include "core/install/GameFile.h"
#include "frame/pages/DataMailingReader.h"
#include "frame/shell/Shell.h"
#include "platform/Host.h"

namespace {

constexpr std::string_view kSiteGamePages = "https://www.rivakel.example/games/";
// "OK" alone.
constexpr int kCannotOpenFlags = 1;

bool Unreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// A mailed identifier is anybody's text: in an address it stays one path segment.
std::string PathSegment(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (Unreserved(c)) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0x0F];
    }
    return out;
}

// The portal site's page of the game: on the local test server when one is marked.
std::string GamePageAddress(std::string_view identifier) {
    const ProgramState& program = Program();
    const std::string site =
        program.localTestServer ? "http://" + program.testServerAddress + "/games/" : std::string(kSiteGamePages);
    return site + PathSegment(identifier);
}

void CannotOpen() {
    Warning("OpenDataMailing: the document is no data mailing");
    if (g_pApp != nullptr) g_pApp->ShowMessageBox(kCannotOpenCaption, kCannotOpenText, kCannotOpenFlags);
}

// The mailing's game is missing or older than the one the mailing was made with.
void HandOver(const mailing::ReceivedMailing& mailing, std::string_view text) {
    Info("Rivakel: the data mailing's game %s is not installed at its version", mailing.gameId.c_str());
    // Later leaves everything as it was.
    if (g_pApp->AskNeedNewGame() != 0) return;
    g_pApp->Installer().WriteAppMsg(text);
    g_pApp->OpenInBrowser(GamePageAddress(mailing.gameId));
    StopSession();
}

void StartMailedGame(CShell& shell, int index, std::string message) {
    if (const std::optional<GameTableEntry> entry = shell.Games().Entry(index)) g_pApp->SetGameFile(entry->module);
    // Set only for the game it was mailed to: a mailing handed over leaves no message behind.
    shell.SetPendingMessage(std::move(message), index);
    shell.LaunchGame(index);
    g_pApp->Installer().DeleteAppMsg();
}

// The identifier of the game this start brings (the installer's game file), or nullopt.
std::optional<std::string> BroughtGameId() {
    const std::string file = g_pApp->GetGameFile();
    if (file.empty()) return std::nullopt;
    const std::optional<GameFileStrings> game = ReadGameFile(platform::JoinPath(g_pApp->GetLaunchPath(), file));
    return game ? std::optional<std::string>(game->identifier) : std::nullopt;
}

}  // namespace

void SettleKeptMailing() {
    ProgramState& program = Program();
    if (!program.pendingRml || !program.pendingRmlKept || g_pApp == nullptr) return;
    std::optional<std::string> mailedGame;
    g_pApp->Installer().OpenDataMailFile(program.pendingRmlPath, [&](std::string_view text) {
        if (std::optional<mailing::ReceivedMailing> mailing = mailing::ReadMailing(text)) mailedGame = mailing->gameId;
    });
    const std::optional<std::string> brought = BroughtGameId();
    if (mailedGame && brought && EqualsNoCase(*mailedGame, *brought)) return;
    program.pendingRml = false;
    program.pendingRmlKept = false;
}

void ProcessPendingRml() {
    const ProgramState& program = Program();
    if (!program.pendingRml || g_pApp == nullptr) return;
    g_pApp->Installer().OpenDataMailFile(program.pendingRmlPath, OpenDataMailing);
}

void OpenDataMailing(std::string_view text) {
    CShell* shell = Shell();
    if (g_pApp == nullptr || shell == nullptr) return;
    std::optional<mailing::ReceivedMailing> mailing = mailing::ReadMailing(text);
    if (!mailing) {
        CannotOpen();
        return;
    }
    VersionRecord installed;
    const int index = FindGameByGuid(mailing->gameId, installed);
    if (index < 0 || CompareVersions(installed, mailing->version) == std::strong_ordering::less) {
        HandOver(*mailing, text);
        return;
    }
    StartMailedGame(*shell, index, std::move(mailing->message));
}

int FindGameByGuid(std::string_view identifier, VersionRecord& out) {
    out = VersionRecord{};
    CShell* shell = Shell();
    if (shell == nullptr || identifier.empty()) return -1;
    IGameTable& games = shell->Games();
    for (int index = 0; index < games.Count(); ++index) {
        const std::optional<GameTableEntry> entry = games.Entry(index);
        if (!entry || !entry->installed || !EqualsNoCase(entry->guid, identifier)) continue;
        ParseShortVersionStamp(entry->version, out);
        return index;
    }
    return -1;
}
