#include <cerrno>
#include <charconv>
#include <memory>
#include <span>

#include "core/base/Log.h"
#include "core/files/FileNames.h"
#include "core/install/EidFile.h"
#include "core/install/InstallMessages.h"
#include "core/install/Installer.h"
#include "core/store/RdtReader.h"
#include "platform/Host.h"

namespace {

constexpr std::string_view kCardbackPattern = "cbk-*.rdt";
constexpr std::string_view kCardbackFolder = "System\\Skins\\Cardbacks";
// A cardback description is a few lines of markup.
constexpr uint64_t kMaxCardbackFileBytes = uint64_t{1} << 20;

// The launch folder's files matching `pattern`, in name order.
std::vector<std::string> Shipped(const std::string& launchPath, std::string_view pattern) {
    std::vector<std::string> names;
    if (launchPath.empty()) return names;
    for (const auto& entry : platform::ListFolder(launchPath))
        if (!entry.isFolder && MatchesPattern(entry.name, pattern)) names.push_back(entry.name);
    return names;
}

std::string PictureOf(std::string_view rdtName) {
    return std::string(rdtName.substr(0, rdtName.size() - 3)) + "gif";
}

// The "Version" of a cardback description: its "cardback" element (the root or a child of it)
// and that element's "Version" child, in decimal. nullopt when the text has neither or the
// number is not one.
std::optional<int> CardbackVersion(std::span<const uint8_t> bytes) {
    std::unique_ptr<RdtNode> root;
    if (!ParseRdt(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), root) || !root)
        return std::nullopt;
    const RdtNode* cardback = EqualsNoCase(root->Name(), "cardback") ? root.get() : root->FindChild("cardback");
    const RdtNode* version = cardback != nullptr ? cardback->FindChild("Version") : nullptr;
    if (version == nullptr || !version->Text()) return std::nullopt;
    const std::string& text = *version->Text();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The same for a file; nullopt also when it cannot be read.
std::optional<int> CardbackVersion(const std::string& path) {
    const auto bytes = platform::ReadWholeFile(path, kMaxCardbackFileBytes);
    return bytes ? CardbackVersion(*bytes) : std::nullopt;
}

}  // namespace

std::string Issue180Text(std::string_view supportAddress, int errorCode) {
    return "Please send an e-mail to " + std::string(supportAddress) +
           "\n                         and type \"ISSUE 180 - " + std::to_string(errorCode) +
           "\" in the subject line.\n                         We will get back to you with more information\n"
           "                         to solve the problem.  Thank you, Rivakel";
}

void CInstaller::SendEID() {
    const auto names = Shipped(context_.launchPath, kEidPattern);
    if (names.empty()) return;
    const std::string& name = names.front();
    const auto guid = EidGuidText(name);
    if (!guid) {
        Error("CInstaller::SendEID: %s is not an installation-event file", name.c_str());
        return;
    }
    const std::string etc = context_.folders.Etc();
    const std::string target = platform::JoinPath(etc, name);
    if (platform::FileExists(target) || !Installed()) return;
    // The copy marks the event as sent: it is tracked once, and only when the copy is there.
    if (!platform::CreateFolders(etc) || !platform::CopyFile(platform::JoinPath(context_.launchPath, name), target)) {
        Error("CInstaller::SendEID: cannot copy %s", name.c_str());
        return;
    }
    TrackEvent(context_.store, "SendEID", kPrioritySendEid, *guid, TimeStamp());
}

void CInstaller::CopyFilesByPattern(std::string_view subfolder, std::string_view pattern) {
    const auto names = Shipped(context_.launchPath, pattern);
    if (names.empty()) return;
    const auto folder = context_.folders.BelowRivakel(subfolder);
    for (const std::string& name : names) {
        errno = 0;
        if (folder && platform::CreateFolders(*folder) &&
            platform::CopyFile(platform::JoinPath(context_.launchPath, name), platform::JoinPath(*folder, name)))
            continue;
        const int code = errno;
        Error("CInstaller::CopyFilesByPattern: cannot copy %s (error %d)", name.c_str(), code);
        Box("Unexpected Error", Issue180Text(context_.supportAddress, code), kInstallBoxExclamation);
        if (context_.exitProcess) context_.exitProcess(-1);
        return;
    }
}

void CInstaller::UpdateCardbacks() {
    if (!Installed()) return;
    if (context_.clearNewCardback) context_.clearNewCardback();
    const auto folder = context_.folders.BelowRivakel(kCardbackFolder);
    if (!folder || !platform::CreateFolders(*folder)) {
        Error("CInstaller::UpdateCardbacks: cannot create the cardback folder");
        return;
    }
    auto copy = [&](const std::string& name) {
        // The picture first: the description makes the cardback known, so it comes last.
        const std::string picture = PictureOf(name);
        const bool copied =
            platform::CopyFile(platform::JoinPath(context_.launchPath, picture), platform::JoinPath(*folder, picture)) &&
            platform::CopyFile(platform::JoinPath(context_.launchPath, name), platform::JoinPath(*folder, name));
        if (!copied) Error("CInstaller::UpdateCardbacks: cannot copy %s", name.c_str());
        return copied;
    };
    for (const std::string& name : Shipped(context_.launchPath, kCardbackPattern)) {
        const std::string installed = platform::JoinPath(*folder, name);
        if (!platform::FileExists(installed)) {
            if (copy(name) && context_.setNewCardback)
                context_.setNewCardback(std::string(kCardbackFolder) + "\\" + PictureOf(name));
            continue;
        }
        const auto shippedBytes =
            platform::ReadWholeFile(platform::JoinPath(context_.launchPath, name), kMaxCardbackFileBytes);
        if (!shippedBytes) continue;
        const auto shipped = CardbackVersion(*shippedBytes);
        if (!shipped) {
            Error("Invalid cardback RDT file (%s)", name.c_str());
            return;
        }
        // An installed file whose version cannot be read is replaced.
        const auto current = CardbackVersion(installed);
        if (!current || *current < *shipped) copy(name);
    }
}
