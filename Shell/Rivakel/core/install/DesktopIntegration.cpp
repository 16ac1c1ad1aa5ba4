#include "core/install/DesktopIntegration.h"

#include <span>

#include "core/base/Log.h"
#include "core/install/DesktopEntry.h"
#include "platform/Host.h"

namespace {

// A desktop tool that hangs must not hold up the shell for long.
constexpr int kToolTimeoutMs = 10000;

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

bool WriteText(const std::string& path, const std::string& text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (platform::CreateFolders(FolderOf(path)) &&
        platform::WriteFileAtomic(path, std::span<const uint8_t>(bytes, text.size())))
        return true;
    Error("DesktopIntegration: cannot write %s", path.c_str());
    return false;
}

// Best effort: the files are in place whether or not the desktop heard of them.
void RunTool(const std::string& program, std::vector<std::string> args) {
    if (!platform::FindProgram(program)) return;
    const auto status = platform::RunProgram(program, args, kToolTimeoutMs);
    if (status != 0) Warning("DesktopIntegration: %s did not succeed", program.c_str());
}

DesktopEntryPaths EntryPaths(const InstallFolders& folders) {
    return {folders.Program(), folders.Rivakel(), IconPath(folders)};
}

bool WriteIcon(const DesktopSetup& setup) {
    const IconImage& icon = setup.icon;
    const std::string picture = XpmPicture(icon.pixels, icon.width, icon.height, icon.key);
    // Without a picture the entries still work; the desktop shows its own icon.
    return picture.empty() || WriteText(IconPath(setup.folders), picture);
}

}  // namespace

std::string ShortcutPath(const InstallFolders& folders) {
    return platform::JoinPath(folders.applications, kShortcutFileName);
}
std::string DesktopShortcutPath(const InstallFolders& folders) {
    return platform::JoinPath(folders.desktop, kShortcutFileName);
}
std::string AssociationPath(const InstallFolders& folders) {
    return platform::JoinPath(folders.applications, kAssociationFileName);
}
std::string MimePackagePath(const InstallFolders& folders) {
    return platform::JoinPath(platform::JoinPath(folders.dataRoot, "mime/packages"), kMimePackageFileName);
}
std::string IconPath(const InstallFolders& folders) { return platform::JoinPath(folders.Rivakel(), kIconFileName); }

bool RegisterRmlType(const DesktopSetup& setup) {
    const InstallFolders& folders = setup.folders;
    const auto entry = AssociationEntry(EntryPaths(folders));
    if (!entry) {
        Error("DesktopIntegration: the program's path cannot go into a desktop entry");
        return false;
    }
    if (!WriteIcon(setup) || !WriteText(MimePackagePath(folders), MimePackage()) ||
        !WriteText(AssociationPath(folders), *entry))
        return false;
    if (setup.runTools) {
        RunTool("update-mime-database", {platform::JoinPath(folders.dataRoot, "mime")});
        RunTool("update-desktop-database", {folders.applications});
        RunTool("xdg-mime", {"default", std::string(kAssociationFileName), std::string(kRmlMimeType)});
    }
    return true;
}

bool WriteShortcuts(const DesktopSetup& setup) {
    const auto entry = ShortcutEntry(EntryPaths(setup.folders));
    if (!entry) {
        Error("DesktopIntegration: the program's path cannot go into a desktop entry");
        return false;
    }
    const std::string onDesktop = DesktopShortcutPath(setup.folders);
    // A launcher on the desktop runs only when it may be run.
    if (!WriteText(ShortcutPath(setup.folders), *entry) || !WriteText(onDesktop, *entry) ||
        !platform::SetFileMode(onDesktop, 0755))
        return false;
    if (setup.runTools) RunTool("update-desktop-database", {setup.folders.applications});
    return true;
}
