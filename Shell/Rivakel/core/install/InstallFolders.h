// Where an installed shell keeps its files: the Rivakel folder below the user's data folder
// (program, System with its subfolders, Games with one folder per game identifier), the
// "My Rivakel" folder among the documents, and the desktop and application-menu folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file names of this platform for the program and what the installer hands over.
inline constexpr std::string_view kProgramFileName = "rivakel";
inline constexpr std::string_view kGameExtension = ".gam";
// The launcher that brings an e-mailed game: "<name>.run" in the launch folder.
inline constexpr std::string_view kLauncherExtension = ".run";

struct InstallFolders {
    std::string dataRoot;      // the user's application-data folder; empty when none is known
    std::string documents;
    std::string desktop;
    std::string applications;  // the application menu's entries

    // The folders of this user, from the platform.
    static InstallFolders FromPlatform();

    // Each is below dataRoot, matched without regard to case where it already exists.
    std::string Rivakel() const;
    std::string Program() const;
    std::string System() const;
    std::string Etc() const;
    std::string Games() const;
    // nullopt for an identifier that is not a plain folder name (see GameIdentifier.h).
    std::optional<std::string> GameFolder(std::string_view identifier) const;
    std::string MyRivakel() const;
    // `relative` ('\' or '/' separated) below the Rivakel folder; nullopt when it would leave it.
    std::optional<std::string> BelowRivakel(std::string_view relative) const;
};
