// Puts the shell on the desktop: the program icon, the shortcuts on the desktop and in the
// games menu, and the ".rml" type with the entry that opens it; then tells the desktop through
// its own tools, where they exist.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/install/InstallFolders.h"

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB
    uint32_t key = 0xFF00FF;       // transparent
};

struct DesktopSetup {
    InstallFolders folders;
    IconImage icon;
    // Runs the desktop's database tools after writing; off where only the files matter.
    bool runTools = true;
};

// The type, its entry and the icon. False (logged) when a file cannot be written.
bool RegisterRmlType(const DesktopSetup& setup);
// The two shortcuts. False (logged) when either cannot be written.
bool WriteShortcuts(const DesktopSetup& setup);

// Where the files go, for tests and the removal of a failed installation's traces.
std::string ShortcutPath(const InstallFolders& folders);
std::string DesktopShortcutPath(const InstallFolders& folders);
std::string AssociationPath(const InstallFolders& folders);
std::string MimePackagePath(const InstallFolders& folders);
std::string IconPath(const InstallFolders& folders);
