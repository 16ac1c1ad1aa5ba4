#include "frame/pages/info/InfoPages.h"

#include <memory>

#include "frame/pages/info/AboutPage.h"
#include "frame/pages/info/SupportPage.h"
#include "frame/shell/Shell.h"

void RegisterInfoPages(CShell& shell) {
    shell.RegisterPage(page_name::kSupport, std::make_unique<CSupportPage>());
    shell.RegisterPage(page_name::kAbout, std::make_unique<CAboutPage>());
}
