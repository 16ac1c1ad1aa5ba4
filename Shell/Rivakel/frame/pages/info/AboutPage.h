// The About page and its second view with the two safety seals (CShell::kAboutSealsView).
#pragma once

#include <string>

#include "frame/shell/ShellPage.h"

struct VersionRecord;

class CAboutPage final : public IShellPage {
public:
    void Show(CShell& shell, CSurface& page) override;
};

// The seal pressed on the seals view: 0 the virus check of the portal's files, which is
// tracked, 1 the certificate.
void OnSealClick(CShell& shell, int which);
// "v<minor>.<revision>" as the page's corner shows it, with its markup.
std::string AboutVersionLabel(const VersionRecord& version);
