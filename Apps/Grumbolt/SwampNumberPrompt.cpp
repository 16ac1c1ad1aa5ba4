#include "Apps/Grumbolt/SwampNumberPrompt.h"

#include <array>

#include "Apps/Grumbolt/SwampMode.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IShellServices.h"

namespace grumbolt {
namespace {

constexpr int kEntryBuffer = 1024;

}  // namespace

std::optional<int> AskSwampNumber(IShellServices& services, const char* caption, const char* prompt) {
    std::array<char, kEntryBuffer> entry{};
    for (;;) {
        entry.fill('\0');
        if (services.InputBox(caption, prompt, "", entry.data(), kEntryBuffer, kBoxOkCancel) != applet::kBoxOk)
            return std::nullopt;
        entry.back() = '\0';
        if (const std::optional<int> number = ParseSwampNumber(entry.data())) return number;
        services.MessageBox("Invalid Swamp Number", "Please enter a valid swamp number (1-50000)",
                            kBoxExclamation | 1);
    }
}

}  // namespace grumbolt
