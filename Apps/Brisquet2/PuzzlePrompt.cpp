#include "Apps/Brisquet2/PuzzlePrompt.h"

#include <array>

#include "Apps/Brisquet2/PuzzleSession.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IShellServices.h"

namespace brisquet2 {
namespace {
constexpr int kEntryBuffer = 1024;
}

std::optional<int> AskPuzzleNumber(IShellServices& services) {
    std::array<char, kEntryBuffer> entry{};
    for (;;) {
        entry.fill('\0');
        if (services.InputBox("Select Random Puzzle",
                              "Enter the number of the puzzle you would like to play (1-50000).", "", entry.data(),
                              kEntryBuffer, kBoxOkCancel) != applet::kBoxOk)
            return std::nullopt;
        if (const std::optional<int> number = ParsePuzzleNumber(entry.data())) return number;
        services.MessageBox("Invalid Puzzle Number", "Please enter a valid puzzle number (1-50000)",
                            kBoxExclamation);
    }
}

}  // namespace brisquet2
