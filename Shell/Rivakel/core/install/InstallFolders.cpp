#include "core/install/InstallFolders.h"

#include "core/install/GameIdentifier.h"
#include "platform/Host.h"

namespace {

std::string Below(const std::string& root, std::string_view relative) {
    return platform::ResolvePath(root, relative).value_or(platform::JoinPath(root, relative));
}

}  // namespace

InstallFolders InstallFolders::FromPlatform() {
    InstallFolders folders;
    folders.dataRoot = platform::DataFolder();
    folders.documents = platform::DocumentsFolder();
    folders.desktop = platform::DesktopFolder();
    folders.applications = platform::StartMenuFolder();
    return folders;
}

std::string InstallFolders::Rivakel() const { return Below(dataRoot, "Rivakel"); }
std::string InstallFolders::Program() const { return platform::JoinPath(Rivakel(), kProgramFileName); }
std::string InstallFolders::System() const { return Below(Rivakel(), "System"); }
std::string InstallFolders::Etc() const { return Below(System(), "etc"); }
std::string InstallFolders::Games() const { return Below(Rivakel(), "Games"); }
std::string InstallFolders::MyRivakel() const { return Below(documents, "My Rivakel"); }

std::optional<std::string> InstallFolders::GameFolder(std::string_view identifier) const {
    if (!IsValidGameIdentifier(identifier)) return std::nullopt;
    return Below(Games(), identifier);
}

std::optional<std::string> InstallFolders::BelowRivakel(std::string_view relative) const {
    return platform::ResolvePath(Rivakel(), relative);
}
