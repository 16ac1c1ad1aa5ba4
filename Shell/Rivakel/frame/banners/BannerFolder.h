// Where one banner spot's description files and pictures lie: "System\Banners" or
// "System\Catalogs" below the data folder when the shell is installed, the shell's own folder
// otherwise. Only plain file names are taken, so nothing outside that folder is read, deleted
// or written.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/RdtNode.h"

class CSubsystem_File;

class BannerFolder {
public:
    BannerFolder(bool catalogSpot, bool installed) : catalogSpot_(catalogSpot), installed_(installed) {}

    // The files matching `pattern` ("sbn-*.rdt"), in name order.
    std::vector<std::string> List(std::string_view pattern) const;
    // The file's document; null when it is missing, unreadable, holds no element or is cut short.
    std::unique_ptr<RdtNode> Load(std::string_view fileName) const;
    // The description file and the picture of the same name ending in "gif".
    void DeleteWithPicture(std::string_view fileName) const;
    // Replaces the file (and drops an older picture of its name); only while installed.
    bool Store(std::string_view fileName, std::string_view text) const;
    // The name a picture of this folder is opened by.
    std::string PicturePath(std::string_view imageName) const;
    bool Installed() const { return installed_; }

private:
    std::string InFolder(std::string_view fileName) const;
    void Delete(CSubsystem_File& files, const std::string& name) const;

    bool catalogSpot_;
    bool installed_;
};

// The shell's built-in catalogue, read from the shell's own resources; null when missing.
std::unique_ptr<RdtNode> LoadBuiltInCatalog(std::string_view name);
// The file name with its last three characters replaced by "gif".
std::string PictureFileOf(std::string_view fileName);
