// A modal dialog box drawn inside the main window: built from a template, laid out by the kit,
// run in a nested loop of the window (repainting, serving the single-instance channel, ticking
// the wall-clock timers while the game clock stands still) until one of its commands closes it.
//
// Keys: Tab and Shift+Tab move the keyboard over the buttons, check boxes and fields; Space
// presses the button that has it or ticks its check box; Enter presses that button, or the
// default one when no button has the keyboard; Escape is command 2 (the procedure decides
// whether it closes); Alt with a button's underlined letter presses that button; the arrows and
// the page keys scroll the terms. What is typed goes to the box's field or nowhere, and mouse
// input outside the box reaches nobody while it is up.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/DialogFocus.h"
#include "core/dialogs/DialogLayout.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/DialogWidgets.h"
#include "core/graphics/CSubsystem_Event.h"
#include "platform/Platform.h"

class CDialog;
class CEditField;

// What a dialog does with its commands.
class DialogProcedure {
public:
    virtual ~DialogProcedure() = default;
    // The box and its controls exist; the loop has not started.
    virtual void OnCreate(CDialog& dialog) { (void)dialog; }
    // A button, Escape (2) or Enter (the default button's id). True closes the dialog.
    virtual bool OnCommand(CDialog& dialog, int id) = 0;

protected:
    DialogProcedure() = default;
    DialogProcedure(const DialogProcedure&) = default;
    DialogProcedure& operator=(const DialogProcedure&) = default;
};

class CDialog {
public:
    // Builds the box on the environment's root, centred; Valid() is false without a root or fonts.
    CDialog(DialogTemplate description, DialogProcedure& procedure);
    // Takes the box down and gives back the modal rectangle of what lies below it.
    ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    bool Valid() const { return box_ != nullptr; }
    // True when a command closed the dialog; false when it could not be shown, the session
    // stopped meanwhile, or a headless run has no script to answer it (logged).
    bool Run();
    bool IsOpen() const { return running_ && !closed_; }

    const std::string& Name() const { return description_.name; }
    const std::string& Caption() const { return description_.caption; }
    bool HasControl(int id) const;
    // The text of a static text or edit control; "" for others.
    std::string ControlText(int id) const;
    // Every static text of the box in order, those without an id (a message box's) among them.
    std::vector<std::string> Texts() const;
    void SetControlText(int id, std::string_view text);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    // Runs the command as a click on that button would; ids the box has no button for are ignored.
    void Press(int id);
    // The command itself, as Escape sends 2.
    void Command(int id);
    // In window coordinates; empty for an id the box does not have.
    platform::Rect ControlRect(int id) const;
    platform::Rect BoxRect() const;
    CTermsView* Terms() const { return terms_; }
    // The id of the control that has the keyboard; -1 for none.
    int FocusedId() const;
    // Ends the loop without a command (the caller keeps its refusing answer).
    void Close() { closed_ = true; }

    // The dialogs open now, innermost last.
    static const std::vector<CDialog*>& OpenDialogs();

private:
    struct Placed : PlacedControl {
        CSurface* surface = nullptr;  // owned by the box
    };

    void Build();
    void Draw();
    bool Filter(const platform::Event& event);
    bool PressMnemonic(int key);
    bool OnSpace(const platform::Event& event);
    const Placed* Find(int id) const;
    int OnButton(intptr_t* record);
    int OnEditEnter();
    int DefaultId() const;
    // Escape's command: the Cancel or No button's, else the plain cancel.
    int CancelId() const;

    DialogTemplate description_;
    DialogProcedure& procedure_;
    DialogFont font_{false};
    DialogFont bold_{true};
    CSurface* box_ = nullptr;
    CEditField* edit_ = nullptr;
    CTermsView* terms_ = nullptr;
    std::unique_ptr<DialogFocus> focus_;
    // The button or check box Space went down on: it acts when Space comes up.
    const CSurface* spaceOn_ = nullptr;
    std::vector<Placed> placed_;
    int width_ = 0, height_ = 0;
    platform::Point at_{};
    CSubsystem_Event::ModalState outerModal_;
    bool running_ = false;
    bool closed_ = false;
    bool commanded_ = false;
    bool openingKeyHeld_ = false;
};
