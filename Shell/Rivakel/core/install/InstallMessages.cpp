#include "core/install/InstallMessages.h"

#include <string>

#include "core/store/UserStore.h"

namespace {

constexpr int kTypeTrackEvent = 1;
constexpr int kTypeGetShellGuid = 3;
constexpr std::string_view kGetShellGuid = "GetShellGUID";

bool Queued(const RdtNode& node, std::string_view function) {
    if (EqualsNoCase(node.Name(), "Message")) {
        const std::string* name = node.AttrValue("Function");
        if (name != nullptr && EqualsNoCase(*name, function)) return true;
    }
    for (size_t i = 0; i < node.ChildCount(); ++i)
        if (Queued(*node.ChildAt(i), function)) return true;
    return false;
}

}  // namespace

int TrackEvent(CSubsystem_UserStore* store, std::string_view event, int priority, std::string_view a,
               std::string_view b) {
    IOutboxLink* outbox = store != nullptr ? store->Outbox() : nullptr;
    if (outbox == nullptr) return kStoreNoService;
    std::string params(a);
    if (!b.empty()) {
        params += ',';
        params += b;
    }
    return outbox->Send(kTypeTrackEvent, event, params, false, priority);
}

int RequestShellGuid(CSubsystem_UserStore* store, std::string_view shellVersion) {
    IOutboxLink* outbox = store != nullptr ? store->Outbox() : nullptr;
    if (outbox == nullptr) return kStoreNoService;
    const RdtNode* shell = store->GetShellElement();
    const RdtNode* guid = shell != nullptr ? shell->FindChild("ShellGUID") : nullptr;
    if ((guid != nullptr && guid->Text() && !guid->Text()->empty()) ||
        (store->OutboxRoot() != nullptr && Queued(*store->OutboxRoot(), kGetShellGuid)))
        return kStoreOk;
    return outbox->Send(kTypeGetShellGuid, kGetShellGuid, shellVersion, false, kPriorityShellGuid);
}
