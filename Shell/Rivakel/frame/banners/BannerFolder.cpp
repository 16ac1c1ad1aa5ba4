#include "frame/banners/BannerFolder.h"

#include "core/base/Log.h"
#include "core/files/CSubsystem_File.h"
#include "core/resources/ResourceModule.h"
#include "core/store/WholeDataFile.h"
#include "frame/banners/BannerFile.h"
#include "platform/Host.h"

std::string PictureFileOf(std::string_view fileName) {
    std::string picture(fileName.substr(0, fileName.size() >= 3 ? fileName.size() - 3 : 0));
    return picture + "gif";
}

std::string BannerFolder::InFolder(std::string_view fileName) const {
    return std::string(catalogSpot_ ? "System\\Catalogs\\" : "System\\Banners\\") + std::string(fileName);
}

std::vector<std::string> BannerFolder::List(std::string_view pattern) const {
    std::vector<std::string> names;
    if (CSubsystem_File* files = FileService()) {
        files->EnumerateFiles(catalogSpot_ ? "System\\Catalogs" : "System\\Banners", pattern,
                              [&names](const std::string& name, const std::string&) {
                                  if (IsPlainPictureName(name)) names.push_back(name);
                              });
    }
    return names;
}

std::unique_ptr<RdtNode> BannerFolder::Load(std::string_view fileName) const {
    return IsPlainPictureName(fileName) ? LoadWholeDataFile(InFolder(fileName)) : nullptr;
}

void BannerFolder::DeleteWithPicture(std::string_view fileName) const {
    CSubsystem_File* files = FileService();
    if (files == nullptr || !IsPlainPictureName(fileName)) return;
    for (const std::string& name : {std::string(fileName), PictureFileOf(fileName)}) Delete(*files, name);
}

// Installed, below the data folder; otherwise flat in the shell's folder, where they were listed.
void BannerFolder::Delete(CSubsystem_File& files, const std::string& name) const {
    if (!installed_) {
        files.DeleteShellFile(name);
        return;
    }
    if (const auto path = platform::ResolvePath(files.Config().dataFolder, InFolder(name))) platform::DeleteFile(*path);
}

bool BannerFolder::Store(std::string_view fileName, std::string_view text) const {
    CSubsystem_File* files = FileService();
    if (!installed_ || files == nullptr || !IsPlainPictureName(fileName)) return false;
    Delete(*files, PictureFileOf(fileName));
    return files->WriteAppDataFile(InFolder(fileName), text);
}

std::string BannerFolder::PicturePath(std::string_view imageName) const {
    return installed_ ? InFolder(imageName) : std::string(imageName);
}

std::unique_ptr<RdtNode> LoadBuiltInCatalog(std::string_view name) {
    const resources::ResourceModule* own = resources::ResourceModule::Own();
    const auto data = own != nullptr ? own->FindData(name) : std::nullopt;
    if (!data) return nullptr;
    return ParseWholeRdt(std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}
