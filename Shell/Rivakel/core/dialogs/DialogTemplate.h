// The description a dialog box is built from: caption, size in dialog units and controls in
// reading order. The layout is the kit's own (CDialog); templates give no positions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class DialogControlKind {
    Text,       // static text, wrapped to the box
    Button,     // push button in the bottom row; "&" marks the mnemonic letter
    More,       // the small ">>" button with its text beside it
    Edit,       // single-line edit
    TermsView,  // read-only scrolling multi-line text
    CheckBox,
    Warning,    // the message box's exclamation sign
};

struct DialogControl {
    DialogControlKind kind = DialogControlKind::Text;
    int id = -1;
    std::string text;
    bool isDefault = false;
};

struct DialogTemplate {
    std::string name;
    std::string caption;
    int widthUnits = 0, heightUnits = 0;
    std::vector<DialogControl> controls;
};

// Control ids of the templates.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdPrompt = 1002;
inline constexpr int kIdEntry = 1003;
inline constexpr int kIdLater = 2001;      // also No, Keep Playing
inline constexpr int kIdAccept = 2002;     // OK, Yes, Get it Now
inline constexpr int kIdSaveExit = 2003;
inline constexpr int kIdDecline = 2004;    // Cancel, Dont Save
inline constexpr int kIdTermsText = 2005;
inline constexpr int kIdOffers = 2006;
inline constexpr int kIdShowTerms = 2007;

// The eight templates by name ("IDD_QUIT_SAVED" and the others); nullopt for any other name.
std::optional<DialogTemplate> FindDialogTemplate(std::string_view name);
std::vector<std::string_view> DialogTemplateNames();

// A message box: the text, an exclamation sign when asked, OK and, when asked, Cancel.
DialogTemplate MessageBoxTemplate(std::string_view caption, std::string_view text, bool withCancel,
                                  bool exclamation);
