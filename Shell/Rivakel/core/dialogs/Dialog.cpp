#include "core/dialogs/Dialog.h"

#include <algorithm>
#include <cctype>

#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/graphics/ButtonArgs.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"

using dialog_layout::kBorder;
using dialog_layout::kGap;

namespace {

// Whether a key that types (not a modifier) is held: the box was opened by that key.
bool AnyCharacterKeyDown(const CKeyStateTable& keys) {
    for (int key = 0; key < 256; ++key) {
        const bool modifier = (key >= platform::VkShift && key <= platform::VkMenu) || (key >= 0xA0 && key <= 0xA5);
        if (!modifier && keys.IsDown(key)) return true;
    }
    return false;
}

std::vector<CDialog*>& Stack() {
    static std::vector<CDialog*> open;
    return open;
}

void DrawWarningSign(CImage& image, int x, int y) {
    auto* sign = new CSurface("img-msgbox-warning-32x32.gif", CSurface::kFlagColorKeyed);
    sign->AddInternalRef();
    if (CImage* picture = sign->GetCurImage()) image.DrawAt(*picture, x, y, 0);
    sign->ReleaseInternalRef();
}

}  // namespace

const std::vector<CDialog*>& CDialog::OpenDialogs() { return Stack(); }

CDialog::CDialog(DialogTemplate description, DialogProcedure& procedure)
    : description_(std::move(description)), procedure_(procedure) {
    if (CurrentDialogEnvironment().root == nullptr || font_.Get() == nullptr) return;
    Build();
}

CDialog::~CDialog() {
    std::erase(Stack(), this);
    if (box_ == nullptr) return;
    if (running_) {
        if (CSubsystem_Event* events = EventService()) events->SetModalState(outerModal_);
        if (CSubsystem_Input* input = InputService()) input->SetFocus(nullptr);
    }
    if (CSurface* parent = box_->Parent()) parent->DetachSurface(box_);
    box_->ReleaseInternalRef();
}

void CDialog::Build() {
    CSurface* root = CurrentDialogEnvironment().root;
    int rootWidth = 0, rootHeight = 0;
    root->GetSize(rootWidth, rootHeight);
    DialogLayout layout = LayOutDialog(description_, font_, bold_, rootWidth, rootHeight);
    for (PlacedControl& control : layout.controls) placed_.push_back({std::move(control)});
    width_ = layout.width;
    height_ = layout.height;
    at_ = {std::max(0, (rootWidth - width_) / 2), std::max(0, (rootHeight - height_) / 2)};

    box_ = new CSurface(width_, height_, 0);
    box_->AddInternalRef();
    box_->SetLoc(at_.x, at_.y);
    Draw();
    for (Placed& item : placed_) {
        const platform::Rect& a = item.area;
        switch (item.control.kind) {
        case DialogControlKind::Button:
            item.surface = CDialogButton::Make(box_, this, Thunk<&CDialog::OnButton>, item.control.id, item.control.text, a.left, a.top,
                                               a.Width(), a.Height(), item.control.isDefault, font_);
            break;
        case DialogControlKind::More:
            item.surface = CDialogButton::Make(box_, this, Thunk<&CDialog::OnButton>, item.control.id, ">>", a.left, a.top,
                                               a.Width(), a.Height(), false, bold_);
            break;
        case DialogControlKind::Edit:
            edit_ = new CEditField(box_, this, a.left, a.top, a.Width(), a.Height(), item.control.text, Thunk<&CDialog::OnEditEnter>,
                                   CEditField::kFlagEnterFires);
            item.surface = edit_;
            break;
        case DialogControlKind::TermsView:
            terms_ = new CTermsView(box_, a.left, a.top, a.Width(), a.Height(), item.control.text, font_);
            item.surface = terms_;
            break;
        case DialogControlKind::CheckBox:
            item.surface = new CDialogCheckBox(box_, a.left, a.top, a.Width(), item.control.text, font_);
            break;
        default:
            break;
        }
    }
    focus_ = std::make_unique<DialogFocus>(*box_);
    for (const Placed& item : placed_) {
        const DialogControlKind kind = item.control.kind;
        const bool button = kind == DialogControlKind::Button || kind == DialogControlKind::More;
        const bool field = kind == DialogControlKind::Edit || kind == DialogControlKind::TermsView;
        if (button) focus_->Add({item.control.id, DialogFocus::Kind::Button, item.surface});
        if (field) focus_->Add({item.control.id, DialogFocus::Kind::Field, item.surface});
        if (kind == DialogControlKind::CheckBox) focus_->Add({item.control.id, DialogFocus::Kind::CheckBox, item.surface});
    }
    root->AttachSurface(box_);
}

void CDialog::Draw() {
    CImage* image = box_->GetCurImage();
    if (image == nullptr) return;
    FillBox(*image, 0, 0, width_, height_, dialog_look::kBody);
    FillBox(*image, kBorder, kBorder, width_ - kBorder, kBorder + dialog_look::kCaptionHeight, dialog_look::kCaption);
    const int captionTop = kBorder + (dialog_look::kCaptionHeight - (bold_.LineHeight() - dialog_look::kLineGap)) / 2;
    DrawLines(*image, bold_, {description_.caption}, kBorder + 6, captionTop, dialog_look::kCaptionText);
    FrameBox(*image, 0, 0, width_, height_, 0x000000);
    FrameBox(*image, 1, 1, width_ - 1, height_ - 1, dialog_look::kButton);
    for (const Placed& item : placed_) {
        const platform::Rect& a = item.area;
        if (item.control.kind == DialogControlKind::Warning) DrawWarningSign(*image, a.left, a.top);
        if (item.control.kind == DialogControlKind::Text) DrawLines(*image, font_, item.lines, a.left, a.top, dialog_look::kText);
        if (item.control.kind == DialogControlKind::More) {
            DrawLines(*image, font_, item.lines, a.right + kGap, a.top, dialog_look::kText);
        }
    }
}

bool CDialog::Run() {
    const DialogEnvironment& environment = CurrentDialogEnvironment();
    if (box_ == nullptr || !environment.runLoop) {
        Error("CDialog::Run: the dialog %s cannot be shown", description_.name.c_str());
        return false;
    }
    platform::Backend* backend = platform::GetBackend();
    if (!CurrentDialogScript() && backend != nullptr && backend->Name() == "headless") {
        Error("CDialog::Run: the dialog %s has nobody to answer it in a headless run", description_.name.c_str());
        return false;
    }
    if (environment.stopping && environment.stopping()) return false;
    if (environment.raiseWindow) environment.raiseWindow();

    CSubsystem_Event* events = EventService();
    if (events != nullptr) {
        outerModal_ = events->GetModalState();
        events->SetModalRect(at_.x, at_.y, at_.x + width_ - 1, at_.y + height_ - 1, nullptr);
    }
    if (CSubsystem_Input* input = InputService()) {
        openingKeyHeld_ = AnyCharacterKeyDown(input->KeyStates());
        // Held on, the key that opened the box would repeat its action once the box is gone.
        input->StopKeyRepeat();
        input->SetFocus(nullptr);
    }
    Stack().push_back(this);
    running_ = true;
    procedure_.OnCreate(*this);
    // The field has the keyboard first, else the default button.
    const Placed* first = Find(DefaultId());
    if (edit_ != nullptr) {
        focus_->MoveTo(edit_);
    } else if (first != nullptr) {
        focus_->MoveTo(first->surface);
    } else {
        focus_->Step(false);
    }
    if (environment.repaint) environment.repaint();
    Info("Rivakel: dialog %s shown", description_.name.c_str());

    environment.runLoop([this] { return closed_; }, [this](const platform::Event& event) { return Filter(event); },
                        [this] {
                            const DialogScript& script = CurrentDialogScript();
                            if (script && !Stack().empty() && Stack().back() == this) script(*this);
                        });
    return commanded_ && closed_;
}

bool CDialog::Filter(const platform::Event& event) {
    // Only the innermost dialog takes keys.
    if (Stack().empty() || Stack().back() != this) return false;
    using platform::EventType;
    const bool keyDown = event.type == EventType::KeyDown;
    const bool keyEvent = keyDown || event.type == EventType::KeyUp;
    if (event.type == EventType::MouseWheel) {
        // Three lines a notch, as the system's own text views scroll.
        if (terms_ != nullptr) terms_->Scroll(-3 * event.wheel);
        return true;
    }
    // The character of the key that opened the box follows it in: it is not typed into the box.
    if (keyEvent) openingKeyHeld_ = false;
    if (event.type == EventType::Char && openingKeyHeld_) return true;
    // A click in the field gave it the keyboard.
    if (edit_ != nullptr && edit_->HasFocus()) focus_->Follow(edit_);
    const DialogFocus::Stop* focused = focus_->Current();
    const bool typing = edit_ != nullptr && edit_->HasFocus();
    // Their releases go on to the key-state table: a key it still took for held would repeat.
    if (keyEvent && event.key == platform::VkEscape) {
        if (keyDown && !event.repeat) Command(CancelId());
        return keyDown;
    }
    if (keyEvent && event.key == platform::VkReturn) {
        if (keyDown && !event.repeat) {
            const bool onButton = focused != nullptr && focused->kind == DialogFocus::Kind::Button;
            if (const int id = onButton ? focused->id : DefaultId(); id >= 0) Press(id);
        }
        return keyDown;
    }
    if (keyEvent && event.key == platform::VkTab && !event.system) {
        if (keyDown) {
            const CSubsystem_Input* input = InputService();
            spaceOn_ = nullptr;
            focus_->Step(input != nullptr && input->GetKeyState(platform::VkShift) < 0);
        }
        return keyDown;
    }
    if (event.type == EventType::Char && (event.ch == 27 || event.ch == 13 || event.ch == '\t')) return true;
    if (keyDown && event.system) return PressMnemonic(event.key);
    if (!typing && OnSpace(event)) return true;
    if (keyDown && terms_ != nullptr && edit_ == nullptr) {
        switch (event.key) {
        case platform::VkUp: terms_->Scroll(-1); return true;
        case platform::VkDown: terms_->Scroll(1); return true;
        case platform::VkPrior: terms_->PageUp(); return true;
        case platform::VkNext: terms_->PageDown(); return true;
        case platform::VkHome: terms_->ToTop(); return true;
        case platform::VkEnd: terms_->ToEnd(); return true;
        default: break;
        }
    }
    // Typing reaches the field or nobody: never the game under the box. The modifiers still reach
    // the key-state table, which Shift+Tab reads.
    const bool modifier =
        event.key == platform::VkShift || event.key == platform::VkControl || event.key == platform::VkMenu;
    return !typing && (event.type == EventType::Char || (keyDown && !modifier));
}

// Space acts when it comes up, as desktop buttons do, so the character it types on the way is
// still taken here and never reaches what lies under a box the press closes.
bool CDialog::OnSpace(const platform::Event& event) {
    using platform::EventType;
    const DialogFocus::Stop* focused = focus_->Current();
    if (focused == nullptr || focused->kind == DialogFocus::Kind::Field) return false;
    if (event.type == EventType::Char) return event.ch == ' ';
    if (event.key != platform::VkSpace) return false;
    if (event.type == EventType::KeyDown) {
        if (event.repeat) return true;
        spaceOn_ = focused->surface;
        if (focused->kind == DialogFocus::Kind::Button) ShowButtonFrame(*focused->surface, 1);
        return true;
    }
    if (event.type != EventType::KeyUp || spaceOn_ != focused->surface) return false;
    spaceOn_ = nullptr;
    if (focused->kind == DialogFocus::Kind::CheckBox) {
        SetChecked(focused->id, !Checked(focused->id));
    } else {
        ShowButtonFrame(*focused->surface, 0);
        Press(focused->id);
    }
    // The release still reaches the key-state table.
    return false;
}

bool CDialog::PressMnemonic(int key) {
    const int letter = std::toupper(key);
    for (const Placed& item : placed_) {
        auto* button = dynamic_cast<CDialogButton*>(item.surface);
        if (button != nullptr && button->MnemonicKey() != 0 && button->MnemonicKey() == letter) {
            Press(button->Id());
            return true;
        }
    }
    return false;
}

int CDialog::CancelId() const {
    for (const Placed& item : placed_) {
        if (item.control.kind != DialogControlKind::Button) continue;
        const std::string label = ParseMnemonic(item.control.text).label;
        if (label == "Cancel" || label == "No") return item.control.id;
    }
    return kIdCancel;
}

int CDialog::DefaultId() const {
    for (const Placed& item : placed_) {
        if (item.control.kind == DialogControlKind::Button && item.control.isDefault) return item.control.id;
    }
    return -1;
}

int CDialog::OnButton(intptr_t* record) {
    Command(static_cast<int>(record[2]));
    return 1;
}

int CDialog::OnEditEnter() {
    if (const int id = DefaultId(); id >= 0) Press(id);
    return 1;
}

void CDialog::Command(int id) {
    if (closed_ || !running_) return;
    if (procedure_.OnCommand(*this, id)) {
        commanded_ = true;
        closed_ = true;
    }
}

void CDialog::Press(int id) {
    const Placed* item = Find(id);
    if (item == nullptr ||
        (item->control.kind != DialogControlKind::Button && item->control.kind != DialogControlKind::More)) {
        return;
    }
    Command(id);
}

const CDialog::Placed* CDialog::Find(int id) const {
    if (id < 0) return nullptr;
    for (const Placed& item : placed_) {
        if (item.control.id == id) return &item;
    }
    return nullptr;
}

int CDialog::FocusedId() const {
    const DialogFocus::Stop* focused = focus_ != nullptr ? focus_->Current() : nullptr;
    return focused != nullptr ? focused->id : -1;
}

bool CDialog::HasControl(int id) const { return Find(id) != nullptr; }

std::string CDialog::ControlText(int id) const {
    const Placed* item = Find(id);
    if (item == nullptr) return {};
    if (item->control.kind == DialogControlKind::Edit && edit_ != nullptr) return edit_->Text();
    return item->control.text;
}

std::vector<std::string> CDialog::Texts() const {
    std::vector<std::string> texts;
    for (const Placed& item : placed_) {
        if (item.control.kind == DialogControlKind::Text) texts.push_back(item.control.text);
    }
    return texts;
}

void CDialog::SetControlText(int id, std::string_view text) {
    const Placed* item = Find(id);
    if (item != nullptr && item->control.kind == DialogControlKind::Edit && edit_ != nullptr) edit_->SetText(text);
}

bool CDialog::Checked(int id) const {
    const Placed* item = Find(id);
    auto* box = item != nullptr ? dynamic_cast<CDialogCheckBox*>(item->surface) : nullptr;
    return box != nullptr && box->Checked();
}

void CDialog::SetChecked(int id, bool checked) {
    const Placed* item = Find(id);
    if (auto* box = item != nullptr ? dynamic_cast<CDialogCheckBox*>(item->surface) : nullptr) box->SetChecked(checked);
}

platform::Rect CDialog::ControlRect(int id) const {
    const Placed* item = Find(id);
    if (item == nullptr || box_ == nullptr) return {};
    platform::Rect area = item->area;
    if (item->surface != nullptr) {
        int w = 0, h = 0;
        item->surface->GetSize(w, h);
        area.right = area.left + w;
        area.bottom = area.top + h;
    }
    return {area.left + at_.x, area.top + at_.y, area.right + at_.x, area.bottom + at_.y};
}

platform::Rect CDialog::BoxRect() const { return {at_.x, at_.y, at_.x + width_, at_.y + height_}; }
