#include "core/store/CoreDefaults.h"

#include <set>

#include "core/base/Decimal.h"

namespace {

constexpr uint64_t kMaxLocalId = 999999999;

bool IsUser(const RdtNode& node) { return EqualsNoCase(node.Name(), "User"); }

// The user a cut file left without its e-mail: the default user's localid, or none at all.
RdtNode* FindUserCutBeforeEmail(const RdtNode& users) {
    for (size_t i = 0; i < users.ChildCount(); ++i) {
        RdtNode* user = users.ChildAt(i);
        if (!IsUser(*user) || user->FindChild("Email")) continue;
        const std::string* id = user->AttrValue("localid");
        if (id == nullptr || *id == "0") return user;
    }
    return nullptr;
}

std::string FreeLocalId(const RdtNode& users) {
    std::set<uint64_t> taken;
    for (size_t i = 0; i < users.ChildCount(); ++i) {
        const std::string* id = IsUser(*users.ChildAt(i)) ? users.ChildAt(i)->AttrValue("localid") : nullptr;
        if (id == nullptr) continue;
        if (const std::optional<uint64_t> number = ParseDecimal(*id, kMaxLocalId)) taken.insert(*number);
    }
    uint64_t free = 0;
    while (taken.contains(free)) ++free;
    return std::to_string(free);
}

RdtNode& CompleteGuest(RdtNode& users, const CoreDefaults& defaults, std::vector<std::string>& added) {
    RdtNode* guest = FindUserByEmail(users, kGuestEmail);
    if (guest == nullptr) {
        guest = FindUserCutBeforeEmail(users);
        if (guest == nullptr) {
            guest = users.AddChild("User");
            guest->AddAttr("localid", FreeLocalId(users));
        } else if (!guest->AttrValue("localid")) {
            guest->SetAttr("localid", FreeLocalId(users));
        }
        guest->AddChild("Email")->SetText(kGuestEmail);
        added.emplace_back("guest User");
    }
    if (!guest->FindChild("RegDate")) {
        guest->AddChild("RegDate")->SetText(defaults.regDate);
        added.emplace_back("RegDate");
    }
    return *guest;
}

}  // namespace

RdtNode* FindUserByEmail(const RdtNode& users, std::string_view email) {
    for (size_t i = 0; i < users.ChildCount(); ++i) {
        RdtNode* user = users.ChildAt(i);
        if (!IsUser(*user)) continue;
        const RdtNode* mail = user->FindChild("Email");
        if (mail && mail->Text() && EqualsNoCase(*mail->Text(), email)) return user;
    }
    return nullptr;
}

std::vector<std::string> CompleteCore(RdtNode& core, const CoreDefaults& defaults) {
    std::vector<std::string> added;
    for (const auto& [name, value] : {std::pair{"ver", defaults.formatVersion}, {"shellver", defaults.shellVersion}}) {
        if (core.FindAttr(name)) continue;
        core.AddAttr(name, value);
        added.emplace_back(name);
    }
    auto child = [&](RdtNode& parent, std::string_view name) -> RdtNode& {
        if (RdtNode* found = parent.FindChild(name)) return *found;
        added.emplace_back(name);
        return *parent.AddChild(name);
    };
    const RdtNode& guest = CompleteGuest(child(core, "Users"), defaults, added);
    child(core, "Rivlets");
    RdtNode& shell = child(core, "Shell");
    if (!shell.FindChild("DefaultUser")) {
        const std::string* id = guest.AttrValue("localid");
        shell.AddChild("DefaultUser")->AddAttr("localid", id ? *id : "0");
        added.emplace_back("DefaultUser");
    }
    return added;
}

std::unique_ptr<RdtNode> MakeDefaultCore(const CoreDefaults& defaults) {
    auto root = std::make_unique<RdtNode>("RDT");
    CompleteCore(*root, defaults);
    return root;
}
