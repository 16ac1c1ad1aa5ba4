#include "frame/shell/DevDialog.h"

#include <array>
#include <cstdlib>

#include "core/dialogs/ShellDialogs.h"

namespace {

struct DevDialog {
    std::string_view name;
    void (*open)();
};

constexpr std::array<DevDialog, 6> kDialogs{{
    {"IDD_AUTOINSTALL", [] { AskAutoInstall(); }},
    {"IDD_CONFIRM_SAVE", [] { AskConfirmSave(); }},
    {"IDD_NEEDNEWGAME", [] { AskNeedNewGame(); }},
    {"IDD_QUIT_NOTSAVED", [] { AskQuitNotSaved(); }},
    {"IDD_QUIT_SAVED", [] { AskQuitSaved(); }},
    {"IDD_TERMSOFSERVICE", [] { ShowTermsOfService(); }},
}};

}  // namespace

std::string_view DevDialogName() {
    const char* named = std::getenv(kDevDialogVariable);
    if (named == nullptr) return {};
    for (const DevDialog& dialog : kDialogs) {
        if (dialog.name == named) return dialog.name;
    }
    return {};
}

void ShowDevDialog(std::string_view name) {
    for (const DevDialog& dialog : kDialogs) {
        if (dialog.name == name) dialog.open();
    }
}
