// The XDG folders and the process's own paths.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace platform {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// An absolute path from the environment, or empty (relative values are ignored by the XDG rules).
std::string AbsoluteEnv(const char* name) {
    std::string value = Env(name);
    return !value.empty() && value.front() == '/' ? WithoutTrailingSlash(value) : std::string();
}

std::string HomeFolder() {
    std::string home = AbsoluteEnv("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return WithoutTrailingSlash(found->pw_dir);
    }
    return "/tmp";
}

std::string ConfigFolder() {
    std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
    return config.empty() ? HomeFolder() + "/.config" : config;
}

// One value of user-dirs.dirs: a quoted path, either absolute or "$HOME/..."; empty when malformed.
std::string ParseUserDirValue(std::string_view value) {
    if (value.size() < 2 || value.front() != '"') return {};
    std::string out;
    size_t i = 1;
    for (; i < value.size() && value[i] != '"'; ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    if (i >= value.size()) return {};
    constexpr std::string_view kHome = "$HOME";
    if (out.compare(0, kHome.size(), kHome) == 0 && (out.size() == kHome.size() || out[kHome.size()] == '/')) {
        out = HomeFolder() + out.substr(kHome.size());
    }
    return !out.empty() && out.front() == '/' ? WithoutTrailingSlash(out) : std::string();
}

std::string UserDir(std::string_view key, std::string_view fallbackName) {
    // A few lines of settings.
    constexpr uint64_t kMaxUserDirsBytes = 1u << 20;
    const auto file = ReadWholeFile(ConfigFolder() + "/user-dirs.dirs", kMaxUserDirsBytes);
    if (file) {
        const std::string_view text(reinterpret_cast<const char*>(file->data()), file->size());
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            start = end + 1;
            while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
            if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != '=') continue;
            std::string value = ParseUserDirValue(line.substr(key.size() + 1));
            if (!value.empty()) return value;
        }
    }
    return HomeFolder() + "/" + std::string(fallbackName);
}

// A folder only this user may write into (not a link, ours, closed to writes by group and others).
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 0022) == 0;
}

// Created when missing; refused when someone else made it first or opened it up.
bool PrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    return IsPrivateFolder(path);
}

}  // namespace

std::string DataFolder() {
    std::string data = AbsoluteEnv("XDG_DATA_HOME");
    return data.empty() ? HomeFolder() + "/.local/share" : data;
}

std::string DocumentsFolder() { return UserDir("XDG_DOCUMENTS_DIR", "Documents"); }
std::string DesktopFolder() { return UserDir("XDG_DESKTOP_DIR", "Desktop"); }
std::string StartMenuFolder() { return DataFolder() + "/applications"; }

std::string TempFolder() {
    std::string temp = AbsoluteEnv("TMPDIR");
    return temp.empty() ? std::string("/tmp") : temp;
}

std::string StateFolder() {
    std::string state = AbsoluteEnv("XDG_STATE_HOME");
    return state.empty() ? HomeFolder() + "/.local/state" : state;
}

std::string RuntimeFolder() {
    // The single-instance socket lives here: a folder others can write into would let another
    // user answer for our primary or hold its lock.
    std::string runtime = AbsoluteEnv("XDG_RUNTIME_DIR");
    if (!runtime.empty() && IsPrivateFolder(runtime)) return runtime;
    const std::string suffix = "/rivakel-" + std::to_string(getuid());
    const std::string temp = TempFolder() + suffix;
    if (PrivateFolder(temp)) return temp;
    // Someone else took the name under the temp folder: fall back to the home.
    std::string cache = AbsoluteEnv("XDG_CACHE_HOME");
    if (cache.empty()) cache = HomeFolder() + "/.cache";
    CreateFolders(cache);
    const std::string home = cache + suffix;
    return PrivateFolder(home) ? home : std::string();
}

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(length));
        if (buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace platform
