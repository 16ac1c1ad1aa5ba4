#include <string>

#include "core/store/CopyToBuffer.h"
#include "core/store/UserStore.h"
#include "frame/api/AppletResults.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/AppletText.h"
#include "frame/services/ServiceObjects.h"

namespace {

// Stands for nothing: every operation goes straight to the session's user store.
class SettingsAccess final : public InterfaceObject<ISettingsAccess, CRefCounted> {
public:
    SettingsAccess() : InterfaceObject(nullptr) {}

    int SetGameValue(const char* key, const char* value) override {
        return Set(&CSubsystem_UserStore::SetGameProp, key, value, "ISettingsAccess::SetGameValue");
    }

    int GetGameValue(const char* key, char* buffer, int bufferSize) override {
        return Get(&CSubsystem_UserStore::GetGameProp, AppletText(key, "ISettingsAccess::GetGameValue"), buffer,
                   bufferSize);
    }

    int SetUserValue(const char* key, const char* value) override {
        return Set(&CSubsystem_UserStore::SetUserProp, key, value, "ISettingsAccess::SetUserValue");
    }

    int GetUserValue(const char* key, char* buffer, int bufferSize) override {
        return Get(&CSubsystem_UserStore::GetUserProp, AppletText(key, "ISettingsAccess::GetUserValue"), buffer,
                   bufferSize);
    }

    bool IsInstalled() override {
        const CSubsystem_UserStore* store = UserStore();
        return store != nullptr && store->Installed();
    }

private:
    using Setter = int (CSubsystem_UserStore::*)(std::string_view, std::string_view);
    using Getter = int (CSubsystem_UserStore::*)(std::string_view, std::string&);

    static int Set(Setter setter, const char* key, const char* value, const char* operation) {
        CSubsystem_UserStore* store = UserStore();
        if (store == nullptr) return applet::kEmpty;
        switch ((store->*setter)(AppletText(key, operation), AppletText(value, operation))) {
        case kStoreOk: return applet::kOk;
        case kStoreFull: return applet::kNoMemory;
        default: return applet::kEmpty;
        }
    }

    // A missing key reads as empty text and answers 25 (applets then write their default).
    static int Get(Getter getter, std::string_view key, char* buffer, int bufferSize) {
        CSubsystem_UserStore* store = UserStore();
        std::string value;
        const bool found = store != nullptr && (store->*getter)(key, value) == kStoreOk;
        CopyToBuffer(found ? value : std::string(), AppletBuffer(buffer, bufferSize));
        return found ? applet::kOk : applet::kSettingAbsent;
    }
};

}  // namespace

ISettingsAccess* MakeSettingsAccess() { return new SettingsAccess(); }
