// The data-mailing document kept for the next start.
#include "core/base/Log.h"
#include "core/install/Installer.h"
#include "platform/Host.h"

namespace {

constexpr std::string_view kAppMsgName = "AppMsg.rml";
// A data-mailing document is a short personal message; anything larger is not one.
constexpr uint64_t kMaxDataMailSize = 1 << 20;

}  // namespace

bool CInstaller::WriteAppMsg(std::string_view text) {
    const std::string etc = context_.folders.Etc();
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    if (!context_.folders.dataRoot.empty() && platform::CreateFolders(etc) &&
        platform::WriteFileAtomic(platform::JoinPath(etc, kAppMsgName), std::span<const uint8_t>(bytes, text.size()),
                                  platform::FileAccess::Private))
        return true;
    Box("We're sorry, but Rivakel doesn't seem to be able to save the data file.", "Error writing RML file",
        kInstallBoxOk);
    return false;
}

std::optional<std::string> CInstaller::HasAppMsg() const {
    if (context_.folders.dataRoot.empty()) return std::nullopt;
    const auto path = platform::ResolvePath(context_.folders.Etc(), kAppMsgName);
    if (!path || !platform::FileExists(*path)) return std::nullopt;
    return path;
}

void CInstaller::DeleteAppMsg() {
    if (const auto path = HasAppMsg()) platform::DeleteFile(*path);
}

void CInstaller::OpenDataMailFile(std::string_view path, const std::function<void(std::string_view)>& reader) const {
    if (path.empty() || !reader) return;
    const auto bytes = platform::ReadFilePrefix(std::string(path), kMaxDataMailSize + 1);
    if (!bytes) {
        Warning("CInstaller::OpenDataMailFile: %s cannot be read", std::string(path).c_str());
        return;
    }
    // Far larger than any mailing: whatever it holds is none.
    if (bytes->size() > kMaxDataMailSize) {
        reader({});
        return;
    }
    reader(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}
