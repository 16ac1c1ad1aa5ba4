// Reads arbitrary bytes as the store reads a Core file and completes the tree with the defaults:
// whatever was read, the result has its guest, the games' section and the shell's settings, a
// second completion adds nothing, and the completed tree survives a write and a read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/CoreDefaults.h"
#include "core/store/RdtReader.h"
#include "core/store/RdtWriter.h"

namespace {

const CoreDefaults kDefaults{"00.01.00.00", "01.00.00.0001", "1"};

void Check(bool holds) {
    if (!holds) std::abort();
}

void CheckComplete(RdtNode& core) {
    Check(CompleteCore(core, kDefaults).empty());
    const RdtNode* users = core.FindChild("Users");
    Check(users != nullptr && FindUserByEmail(*users, kGuestEmail) != nullptr);
    Check(core.FindChild("Rivlets") != nullptr);
    const RdtNode* shell = core.FindChild("Shell");
    Check(shell != nullptr && shell->FindChild("DefaultUser") != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    BlankDamagedBytes(text);
    RepairUserTags(text);
    // As the store takes it: a file without a root it can write back counts as no file.
    std::unique_ptr<RdtNode> core;
    if (!ParseRdt(text, core) || !IsWritten(*core)) core = MakeDefaultCore(kDefaults);
    CompleteCore(*core, kDefaults);
    CheckComplete(*core);
    const std::string written = WriteRdt(*core);
    std::unique_ptr<RdtNode> again;
    Check(ParseRdt(written, again));
    CheckComplete(*again);
    Check(WriteRdt(*again) == written);
    return 0;
}
