// A portal page shown on the shell window's page surface. Pages are registered with the shell
// window by name (CShell::RegisterPage); `ShowPage` clears the page surface to orange, draws the
// page's header and then calls the page's Show. A name without a registered page shows only its
// header.
#pragma once

class CShell;
class CSurface;

class IShellPage {
public:
    virtual ~IShellPage() = default;
    // Draws the page onto `page` (cleared, header drawn, shown over the game area). What the
    // page keeps elsewhere it hands to CShell::SetPageObjects, which releases it when the next
    // page, a pause or the instructions replace this one.
    virtual void Show(CShell& shell, CSurface& page) = 0;

protected:
    IShellPage() = default;
    IShellPage(const IShellPage&) = default;
    IShellPage& operator=(const IShellPage&) = default;
};

// The page names the shell itself switches to.
namespace page_name {
inline constexpr const char* kHome = "Home";
inline constexpr const char* kGames = "Games";
inline constexpr const char* kSupport = "Support";
inline constexpr const char* kAbout = "About";
inline constexpr const char* kJoin = "Join";
inline constexpr const char* kExit = "ExitPage";
inline constexpr const char* kGetMore = "Games-Get-More";
inline constexpr const char* kEmailThis = "Email_This";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kRemoveGames = "Remove-games";
}  // namespace page_name
