// Shared objects loaded with their symbols bound at once and kept out of the global namespace.
#include <dlfcn.h>

#include "platform/Host.h"

namespace platform {
namespace {

class PosixModule final : public Module {
public:
    PosixModule(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    PosixModule(const PosixModule&) = delete;
    PosixModule& operator=(const PosixModule&) = delete;
    ~PosixModule() override { ::dlclose(handle_); }

    void* FindSymbol(const char* name) const override { return name != nullptr ? ::dlsym(handle_, name) : nullptr; }
    const std::string& Path() const override { return path_; }

private:
    void* handle_;
    std::string path_;
};

}  // namespace

std::unique_ptr<Module> LoadModule(const std::string& path, std::string* error) {
    // A name without a '/' would be searched on the library path instead of opened as given.
    const std::string opened = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = ::dlopen(opened.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* reason = ::dlerror();
            *error = reason != nullptr ? reason : "cannot load " + path;
        }
        return nullptr;
    }
    return std::make_unique<PosixModule>(handle, path);
}

}  // namespace platform
