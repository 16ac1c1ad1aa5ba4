#include "core/dialogs/Dialog.h"

#include <algorithm>
#include <cctype>

#include "core/base/Log.h"
#include "core/base/Thunk.h"
#include "core/dialogs/DialogEnvironment.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EditField.h"
#include "core/graphics/Image.h"

namespace {

// Whether a key that types (not a modifier) is held: the box was opened by that key.
bool AnyCharacterKeyDown(const CKeyStateTable& keys) {
    for (int key = 0; key < 256; ++key) {
        const bool modifier = (key >= platform::VkShift && key <= platform::VkMenu) || (key >= 0xA0 && key <= 0xA5);
        if (!modifier && keys.IsDown(key)) return true;
    }
    return false;
}

constexpr int kBorder = 2;
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kButtonHeight = 23;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonGap = 8;
constexpr int kMoreWidth = 26;
constexpr int kMoreHeight = 18;
constexpr int kEditHeight = 22;
constexpr int kWarningSize = 32;
constexpr int kMinTermsHeight = 60;
constexpr int kMessageMinWidth = 240;

std::vector<CDialog*>& Stack() {
    static std::vector<CDialog*> open;
    return open;
}

// Dialog units of the templates' font become pixels of the kit's.
int UnitsToX(int units) { return units * 3 / 2; }
int UnitsToY(int units) { return units * 13 / 8; }

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

    int width = UnitsToX(description_.widthUnits);
    if (description_.widthUnits == 0) {
        // A message box is as wide as its text's own lines; only a line wider than the window
        // allows is wrapped.
        int textWidth = bold_.Width(description_.caption) + 2 * kMargin;
        for (const DialogControl& control : description_.controls) {
            if (control.kind == DialogControlKind::Text) textWidth = std::max(textWidth, WidestLine(font_, control.text));
        }
        const bool warning = std::any_of(description_.controls.begin(), description_.controls.end(),
                                         [](const DialogControl& c) { return c.kind == DialogControlKind::Warning; });
        width = std::clamp(textWidth + 2 * kMargin + (warning ? kWarningSize + kGap : 0), kMessageMinWidth,
                           std::max(kMessageMinWidth, rootWidth - 2 * kBorder));
    }
    // The buttons' row always fits.
    int buttons = 2 * kMargin - kButtonGap;
    for (const DialogControl& control : description_.controls) {
        if (control.kind != DialogControlKind::Button) continue;
        buttons += ButtonWidth(control) + kButtonGap;
    }
    width = std::min(std::max(width, buttons) + 2 * kBorder, rootWidth);
    const int clientHeight = Layout(width - 2 * kBorder);
    const int height = std::min(clientHeight + dialog_look::kCaptionHeight + 2 * kBorder, rootHeight);
    width_ = width;
    height_ = height;
    at_ = {std::max(0, (rootWidth - width) / 2), std::max(0, (rootHeight - height) / 2)};

    box_ = new CSurface(width, height, 0);
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
            item.surface = CDialogButton::Make(box_, this, Thunk<&CDialog::OnButton>, item.control.id, ">>", a.left, a.top, kMoreWidth,
                                               kMoreHeight, false, bold_);
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
    root->AttachSurface(box_);
}

// Places every control in a client area of that width, top to bottom, the buttons in one row at
// the bottom right; the terms take what is left. Returns the client height.
int CDialog::Layout(int width) {
    const int content = width - 2 * kMargin;
    int y = kMargin;
    int textIndent = 0;
    int flexIndex = -1;
    int buttonsWidth = 0;
    for (const DialogControl& control : description_.controls) {
        Placed item{control, nullptr, {}, {}};
        switch (control.kind) {
        case DialogControlKind::Warning:
            item.area = {kMargin, y, kMargin + kWarningSize, y + kWarningSize};
            textIndent = kWarningSize + kGap;
            break;
        case DialogControlKind::Text: {
            item.lines = WrapText(font_, control.text, content - textIndent);
            const int height = std::max(static_cast<int>(item.lines.size()) * font_.LineHeight(),
                                        textIndent > 0 ? kWarningSize : 0);
            item.area = {kMargin + textIndent, y, kMargin + content, y + height};
            y += height + kGap;
            textIndent = 0;
            break;
        }
        case DialogControlKind::More: {
            item.lines = WrapText(font_, control.text, content - kMoreWidth - kGap);
            const int height = std::max(kMoreHeight, static_cast<int>(item.lines.size()) * font_.LineHeight());
            item.area = {kMargin, y, kMargin + kMoreWidth, y + kMoreHeight};
            y += height + kGap;
            break;
        }
        case DialogControlKind::Edit:
            item.area = {kMargin, y, kMargin + content, y + kEditHeight};
            y += kEditHeight + kGap;
            break;
        case DialogControlKind::CheckBox: {
            const int lines = static_cast<int>(WrapText(font_, control.text, content - 19).size());
            const int height = std::max(15, lines * font_.LineHeight());
            item.area = {kMargin, y, kMargin + content, y + height};
            y += height + kGap;
            break;
        }
        case DialogControlKind::TermsView:
            flexIndex = static_cast<int>(placed_.size());
            item.area = {kMargin, y, kMargin + content, y};
            break;
        case DialogControlKind::Button: {
            const int buttonWidth = ButtonWidth(control);
            item.area = {0, 0, buttonWidth, kButtonHeight};
            buttonsWidth += buttonWidth + (buttonsWidth > 0 ? kButtonGap : 0);
            break;
        }
        }
        placed_.push_back(std::move(item));
    }
    const int needed = y + kButtonHeight + kMargin + (flexIndex >= 0 ? kMinTermsHeight + kGap : 0);
    const int clientHeight = std::max(UnitsToY(description_.heightUnits), needed);
    if (flexIndex >= 0) {
        // The terms take the slack; everything after them moves down by as much.
        const int slack = clientHeight - needed + kMinTermsHeight;
        for (size_t i = static_cast<size_t>(flexIndex); i < placed_.size(); ++i) {
            Placed& item = placed_[i];
            if (item.control.kind == DialogControlKind::Button) continue;
            if (static_cast<int>(i) == flexIndex) {
                item.area.bottom = item.area.top + slack;
            } else {
                item.area.top += slack + kGap;
                item.area.bottom += slack + kGap;
            }
        }
    }
    int x = width - kMargin - buttonsWidth;
    const int buttonTop = clientHeight - kMargin - kButtonHeight;
    for (Placed& item : placed_) {
        if (item.control.kind != DialogControlKind::Button) continue;
        const int w = item.area.Width();
        item.area = {x, buttonTop, x + w, buttonTop + kButtonHeight};
        x += w + kButtonGap;
    }
    // Client coordinates become box coordinates.
    for (Placed& item : placed_) {
        item.area.left += kBorder;
        item.area.right += kBorder;
        item.area.top += kBorder + dialog_look::kCaptionHeight;
        item.area.bottom += kBorder + dialog_look::kCaptionHeight;
    }
    return clientHeight;
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
    // The proposed text is selected, as a box's field is whenever it gets the focus, so that
    // typing replaces it.
    if (edit_ != nullptr) {
        edit_->SetFocus();
        edit_->SelectAll();
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
    // Their releases go on to the key-state table: a key it still took for held would repeat.
    if (keyEvent && event.key == platform::VkEscape) {
        if (keyDown && !event.repeat) Command(CancelId());
        return keyDown;
    }
    if (keyEvent && event.key == platform::VkReturn) {
        if (keyDown && !event.repeat) {
            if (const int id = DefaultId(); id >= 0) Press(id);
        }
        return keyDown;
    }
    if (event.type == EventType::Char && (event.ch == 27 || event.ch == 13)) return true;
    if (keyDown && event.system) return PressMnemonic(event.key);
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

int CDialog::ButtonWidth(const DialogControl& control) const {
    return std::max(kButtonMinWidth, font_.Width(ParseMnemonic(control.text).label) + 2 * kMargin);
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
