// The Settings page: the sound volume's knob, the cardback selector, the proxy server the
// server connection goes through, and the way to the removal of games.
#pragma once

#include <string_view>

#include "frame/shell/ShellPage.h"

class CEditField;
class CImage;

class CSettingsPage final : public IShellPage {
public:
    void Show(CShell& shell, CSurface& page) override;
    // Stores what the proxy fields hold, when it is usable, and hands it to the server
    // connection; otherwise says why and keeps the stored proxy.
    void ApplyProxy();

private:
    void DrawVolumeScale(CShell& shell, CImage& image);
    void DrawCardbacks(CShell& shell);
    void MakeProxyFields(CShell& shell, CSurface& page, CImage& image);

    static int OnApply(intptr_t* record);
    static int OnRemoveGames(intptr_t* record);

    CShell* shell_ = nullptr;
    // Children of the page surface while the page is shown.
    CEditField* nameField_ = nullptr;
    CEditField* portField_ = nullptr;
};

void RegisterSettingsPage(CShell& shell);
// Stores the volume (0 to 100) in the settings and gives it to the sound service.
void SetVolume(int percent);
