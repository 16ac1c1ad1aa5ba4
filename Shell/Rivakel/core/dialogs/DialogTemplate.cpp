#include "core/dialogs/DialogTemplate.h"

#include <array>

namespace {

using K = DialogControlKind;

constexpr std::string_view kAgreeInstall =
    "By installing Rivakel, you agree to Rivakel's Terms of Service and Privacy Policy.  Click this button to read "
    "them.";
constexpr std::string_view kAgreeSave =
    "If you save Rivakel, you agree to Rivakel's Terms of Service and Privacy Policy.  Click this button to read "
    "them.";

DialogControl Text(std::string_view text) { return {K::Text, -1, std::string(text), false}; }
DialogControl Button(int id, std::string_view text, bool isDefault = false) {
    return {K::Button, id, std::string(text), isDefault};
}
DialogControl More(std::string_view text) { return {K::More, kIdShowTerms, std::string(text), false}; }

std::vector<DialogTemplate> MakeTemplates() {
    std::vector<DialogTemplate> all;
    all.push_back({"IDD_AUTOINSTALL",
                   "Install the Rivakel Game Companion",
                   207,
                   90,
                   {Text("You are about to install the Rivakel Game Companion and start your personal collection of "
                         "games all in one place.  The Rivakel Install is very quick and completely transparent."),
                    More(kAgreeInstall), Button(kIdAccept, "&OK", true), Button(kIdDecline, "&Cancel")}});
    all.push_back({"IDD_CONFIRM_SAVE",
                   "Save to Desktop Requested",
                   207,
                   90,
                   {Text("In order to save this setting, Rivakel needs to save its file to your machine.  This will "
                         "also start your own personal Rivakel and allow you to collect Rivakel games."),
                    More(kAgreeSave), Button(kIdAccept, "&OK", true), Button(kIdDecline, "&Cancel")}});
    all.push_back({"IDD_INPUT_BOX",
                   "",
                   167,
                   61,
                   {{K::Text, kIdPrompt, "", false},
                    {K::Edit, kIdEntry, "", false},
                    Button(kIdOk, "OK", true),
                    Button(kIdCancel, "Cancel")}});
    all.push_back({"IDD_INPUT_BOX2",
                   "",
                   167,
                   61,
                   {{K::Text, kIdPrompt, "", false}, {K::Edit, kIdEntry, "", false}, Button(kIdOk, "OK", true)}});
    all.push_back({"IDD_NEEDNEWGAME",
                   "Warning: Missing Application",
                   198,
                   70,
                   {Text("The message you are opening requires a Rivakel application you do not currently have.  "
                         "Please click the 'Get it Now' button below to get the application from our website"),
                    Button(kIdLater, "&Later", true), Button(kIdAccept, "&Get it Now")}});
    all.push_back({"IDD_QUIT_NOTSAVED",
                   "Play Again Soon",
                   235,
                   90,
                   {Text("You are about to exit Rivakel.  You can click the \"Save and Exit\" button to start your own "
                         "personal Rivakel and keep all your games in one place."),
                    More(kAgreeSave), Button(kIdSaveExit, "Save And Exit", true), Button(kIdLater, "Keep Playing"),
                    Button(kIdDecline, "Dont Save, just Exit")}});
    all.push_back({"IDD_QUIT_SAVED",
                   "Warning: Game in Progress",
                   198,
                   50,
                   {Text("Do you want to leave the game you are currently playing?"), Button(kIdLater, "&No", true),
                    Button(kIdAccept, "&Yes")}});
    all.push_back(
        {"IDD_TERMSOFSERVICE",
         "Rivakel Terms of Service and Privacy Policy",
         279,
         170,
         {{K::TermsView, kIdTermsText, "", false},
          {K::CheckBox, kIdOffers,
           "Yes, I would like to receive special offers, advertisements, and promotions from Rivakel based on my "
           "usage. (If you uncheck this option, we will need to save Rivakel to your machine in order to keep track "
           "of your privacy preferences).",
           false},
          Text("Rivakel respects your online privacy. If you'd like to review our policy or understand what data is "
               "being sent to Rivakel, please read our full Privacy Policy above."),
          Button(kIdAccept, "&OK", true)}});
    return all;
}

const std::vector<DialogTemplate>& Templates() {
    static const std::vector<DialogTemplate> templates = MakeTemplates();
    return templates;
}

}  // namespace

std::optional<DialogTemplate> FindDialogTemplate(std::string_view name) {
    for (const DialogTemplate& found : Templates()) {
        if (found.name == name) return found;
    }
    return std::nullopt;
}

std::vector<std::string_view> DialogTemplateNames() {
    std::vector<std::string_view> names;
    for (const DialogTemplate& found : Templates()) names.emplace_back(found.name);
    return names;
}

DialogTemplate MessageBoxTemplate(std::string_view caption, std::string_view text, bool withCancel,
                                  bool exclamation) {
    DialogTemplate box{"MESSAGEBOX", std::string(caption), 0, 0, {}};
    if (exclamation) box.controls.push_back({K::Warning, -1, "", false});
    box.controls.push_back(Text(text));
    box.controls.push_back(Button(kIdOk, "OK", true));
    if (withCancel) box.controls.push_back(Button(kIdCancel, "Cancel"));
    return box;
}
