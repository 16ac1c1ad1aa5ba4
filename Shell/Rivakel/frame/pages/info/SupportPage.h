// The Support page: a small help browser over the question-and-answer topics of the shell's
// string table, shown for CShell::PageTopic().
#pragma once

#include "frame/shell/ShellPage.h"

class CSupportPage final : public IShellPage {
public:
    void Show(CShell& shell, CSurface& page) override;
};
