#include "core/graphics/EditField.h"

#include <algorithm>

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "core/text/CSubsystem_Font.h"

namespace {

constexpr int kMargin = 1;
constexpr ColorRGB kSelectionColour{0, 0, 128};

// Every live field, so that one going away can be taken out of any chain that names it.
std::vector<CEditField*>& LiveFields() {
    static std::vector<CEditField*> fields;
    return fields;
}

}  // namespace

CEditField::CEditField(CSurface* parent, void* context, int x, int y, int width, int height,
                       std::string_view text, EventCallback callback, unsigned flags)
    : CSurface(width, height, 0),
      text_((flags & kFlagEnterFires) != 0),
      flags_(flags),
      blink_(std::make_unique<CTimer>(this, kBlinkMs, Thunk<&CEditField::OnBlink>)) {
    blink_->SetClock(TimerClock::Wall);
    if (CSubsystem_Font* fonts = CurrentSurfaceServices().fonts) font_ = fonts->CreateFont("Arial", 14, kFontBold);
    text_.SetText(text);
    SetLoc(x, y);
    if (parent) parent->AttachSurface(this);
    LiveFields().push_back(this);
    Draw();
    CSubsystem_Event* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    enter_ = events->Register(self, kEventEditEnter);
    user_ = events->Listen(self, kEventEditEnter, context, callback);
    down_ = events->Listen(self, kEventLeftDown, this, Thunk<&CEditField::OnMouseDown>);
    move_ = events->Listen(self, kEventMouseMove, this, Thunk<&CEditField::OnMouseMove>);
    up_ = events->Listen(self, kEventLeftUp, this, Thunk<&CEditField::OnMouseUp>);
    if (!text_.IsSingleLine()) {
        wheel_ = events->Register(self, kEventWheel);
        turned_ = events->Listen(self, kEventWheel, this, Thunk<&CEditField::OnWheel>);
    }
}

CEditField::~CEditField() {
    if (CSubsystem_Input* input = InputService()) input->FocusGone(this);
    std::erase(LiveFields(), this);
    for (CEditField* field : LiveFields()) {
        if (field->next_ == this) field->next_ = next_ != field ? next_ : nullptr;
        if (field->previous_ == this) field->previous_ = previous_ != field ? previous_ : nullptr;
    }
    if (font_) font_->ReleaseInternalRef();
}

int CEditField::SetFocus() {
    if (CSubsystem_Input* input = InputService()) return input->SetFocus(this);
    OnFocusChanged(true);
    return 0;
}

void CEditField::OnFocusChanged(bool focused) {
    focused_ = focused;
    caretOn_ = focused;
    dragging_ = dragging_ && focused;
    if (focused && ClockService()) {
        blink_->Restart();
    } else {
        blink_->Stop();
    }
    Draw();
}

int CEditField::GetText(char* buffer, size_t size) const {
    if (!buffer || size == 0) return 1;
    const std::string& text = text_.Text();
    const size_t count = std::min({text.size(), size - 1, CEditText::kMaxLength});
    std::copy_n(text.data(), count, buffer);
    buffer[count] = '\0';
    return 0;
}

int CEditField::SetText(std::string_view text) {
    text_.SetText(text);
    scrollX_ = 0;
    topLine_ = 0;
    Draw();
    return 0;
}

void CEditField::SelectAll() {
    text_.SelectAll();
    Changed();
}

int CEditField::LinkNext(CEditField* other) {
    next_ = other;
    if (other) other->previous_ = this;
    return 0;
}

bool CEditField::KeyHeld(int virtualKey) const {
    const CSubsystem_Input* input = InputService();
    return input && input->GetKeyState(virtualKey) < 0;
}

void CEditField::OnKeyDown(int virtualKey) {
    const bool shift = KeyHeld(platform::VkShift);
    const bool control = KeyHeld(platform::VkControl);
    switch (virtualKey) {
    case platform::VkTab:
        if (CEditField* target = shift ? previous_ : next_) target->SetFocus();
        return;
    case platform::VkReturn:
        if ((flags_ & kFlagEnterFires) != 0 && enter_) {
            // The listener may close the form and this field with it: nothing of it is touched after.
            EventRecord record{};
            enter_->Fire(record);
        }
        return;
    case platform::VkEscape:
        if (CSubsystem_Video* video = CurrentSurfaceServices().video) video->Minimize();
        return;
    case platform::VkLeft:
        text_.Left(shift);
        break;
    case platform::VkRight:
        text_.Right(shift);
        break;
    case platform::VkHome:
    case platform::VkEnd: {
        const std::vector<Line> lines = Layout();
        const Line& line = lines[LineOf(lines, text_.Caret())];
        text_.MoveTo(virtualKey == platform::VkHome ? line.begin : line.end, shift);
        break;
    }
    case platform::VkUp:
        MoveVertically(-1, shift);
        break;
    case platform::VkDown:
        MoveVertically(1, shift);
        break;
    case platform::VkDelete:
        if (shift) {
            Cut();
        } else {
            text_.Delete();
        }
        break;
    case platform::VkInsert:
        if (control) Copy();
        else if (shift) Paste();
        break;
    default:
        return;
    }
    Changed();
}

void CEditField::OnChar(uint8_t character) {
    switch (character) {
    case '\t':
    case 0x1B:
        return;
    case '\r':
        if ((flags_ & kFlagEnterFires) != 0) return;
        text_.Insert("\r\n");
        break;
    case '\b':
        text_.Backspace();
        break;
    case 0x01:  // Ctrl+A
        text_.SelectAll();
        break;
    case 0x03:  // Ctrl+C
        Copy();
        return;
    case 0x18:  // Ctrl+X
        Cut();
        break;
    case 0x16:  // Ctrl+V
        Paste();
        break;
    default:
        if (character < 0x20 || character == 0x7F) return;
        text_.Insert(std::string_view(reinterpret_cast<const char*>(&character), 1));
        break;
    }
    Changed();
}

void CEditField::Copy() const {
    platform::Backend* backend = platform::GetBackend();
    if (backend && text_.HasSelection()) backend->SetClipboardText(text_.SelectedText());
}

void CEditField::Cut() {
    if (!text_.HasSelection()) return;
    Copy();
    text_.Delete();
}

void CEditField::Paste() {
    platform::Backend* backend = platform::GetBackend();
    if (!backend) return;
    if (std::optional<std::string> clip = backend->GetClipboardText()) text_.Insert(*clip);
}

int CEditField::Advance(char ch) const {
    if (!font_) return 8;
    return font_->PlatformFont().GetGlyph(static_cast<uint8_t>(ch)).advance;
}

int CEditField::WidthOf(size_t begin, size_t end) const {
    const std::string& text = text_.Text();
    int width = 0;
    for (size_t i = begin; i < end && i < text.size(); ++i) width += Advance(text[i]);
    return width;
}

int CEditField::LineHeight() const { return font_ ? std::max(1, font_->LineHeight()) : 16; }

int CEditField::VisibleLines() const {
    int width = 0, height = 0;
    GetSize(width, height);
    return std::max(1, height / LineHeight());
}

// A field of several lines shows whole ones, the room left over shared above and below them.
int CEditField::TopMargin() const {
    if (text_.IsSingleLine()) return 0;
    int width = 0, height = 0;
    GetSize(width, height);
    return std::max(0, height - VisibleLines() * LineHeight()) / 2;
}

std::vector<CEditField::Line> CEditField::Layout() const {
    const std::string& text = text_.Text();
    if (text_.IsSingleLine()) return {{0, text.size()}};
    int width = 0, height = 0;
    GetSize(width, height);
    const int room = std::max(1, width - 2 * kMargin);
    std::vector<Line> lines;
    size_t paragraph = 0;
    while (true) {
        const size_t found = text.find("\r\n", paragraph);
        const size_t end = found == std::string::npos ? text.size() : found;
        size_t begin = paragraph;
        do {
            // Greedy wrap: break after the last blank that fits, or inside a word longer than a line.
            size_t i = begin, lastBlank = std::string::npos;
            int used = 0;
            while (i < end && used + Advance(text[i]) <= room) {
                if (text[i] == ' ') lastBlank = i;
                used += Advance(text[i]);
                ++i;
            }
            if (i < end) {
                if (lastBlank != std::string::npos && lastBlank >= begin) i = lastBlank + 1;
                else if (i == begin) i = begin + 1;
            }
            lines.push_back({begin, i});
            begin = i;
        } while (begin < end);
        if (found == std::string::npos) break;
        paragraph = found + 2;
    }
    return lines;
}

size_t CEditField::LineOf(const std::vector<Line>& lines, size_t position) const {
    size_t index = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].begin <= position) index = i;
    }
    return index;
}

size_t CEditField::PositionAt(const Line& line, int x) const {
    const std::string& text = text_.Text();
    int left = 0;
    for (size_t i = line.begin; i < line.end; ++i) {
        const int advance = Advance(text[i]);
        if (x < left + advance / 2) return i;
        left += advance;
    }
    return line.end;
}

void CEditField::PlaceCaret(int x, int y, bool extend) {
    const std::vector<Line> lines = Layout();
    const int row = std::max(0, y - TopMargin()) / LineHeight();
    const size_t index = std::min(lines.size() - 1, topLine_ + static_cast<size_t>(row));
    text_.MoveTo(PositionAt(lines[index], x - kMargin + scrollX_), extend);
    Changed();
}

void CEditField::MoveVertically(int lines, bool extend) {
    const std::vector<Line> layout = Layout();
    const size_t current = LineOf(layout, text_.Caret());
    const auto target = static_cast<long>(current) + lines;
    if (target < 0 || target >= static_cast<long>(layout.size())) return;
    const Line& from = layout[current];
    text_.MoveTo(PositionAt(layout[static_cast<size_t>(target)], WidthOf(from.begin, text_.Caret())), extend);
}

void CEditField::Changed() {
    int width = 0, height = 0;
    GetSize(width, height);
    const std::vector<Line> lines = Layout();
    const size_t caretLine = LineOf(lines, text_.Caret());
    const int caretX = WidthOf(lines[caretLine].begin, text_.Caret());
    const int room = std::max(1, width - 2 * kMargin - 1);
    if (text_.IsSingleLine()) {
        if (caretX < scrollX_) scrollX_ = caretX;
        if (caretX > scrollX_ + room) scrollX_ = caretX - room;
    } else {
        const auto visible = static_cast<size_t>(VisibleLines());
        if (caretLine < topLine_) topLine_ = caretLine;
        if (caretLine >= topLine_ + visible) topLine_ = caretLine - visible + 1;
    }
    caretOn_ = focused_;
    if (focused_ && ClockService()) blink_->Restart();
    Draw();
}

void CEditField::Draw() {
    CImage* image = GetCurImage();
    if (!image) return;
    int width = 0, height = 0;
    GetSize(width, height);
    image->SetCurColor(255, 255, 255);
    image->FillRect(0, 0, width, height);
    if (font_) image->SetFont(font_);
    const std::string& text = text_.Text();
    const auto [selBegin, selEnd] = text_.Selection();
    const std::vector<Line> lines = Layout();
    const int lineHeight = LineHeight();
    const int shown = text_.IsSingleLine() ? 1 : VisibleLines();
    for (size_t index = topLine_; index < lines.size() && index - topLine_ < static_cast<size_t>(shown); ++index) {
        const int y = TopMargin() + static_cast<int>(index - topLine_) * lineHeight;
        const Line& line = lines[index];
        // Three runs: before, inside and after the selection.
        const size_t cuts[4] = {line.begin, std::clamp(selBegin, line.begin, line.end),
                                std::clamp(selEnd, line.begin, line.end), line.end};
        int x = kMargin - scrollX_;
        for (int run = 0; run < 3; ++run) {
            const size_t from = cuts[run], to = cuts[run + 1];
            if (from >= to) continue;
            const int runWidth = WidthOf(from, to);
            const bool selected = run == 1;
            if (selected) {
                image->SetCurColor(kSelectionColour.r, kSelectionColour.g, kSelectionColour.b);
                image->FillRect(x, y, x + runWidth, y + lineHeight);
                image->SetTextColor(255, 255, 255);
            } else {
                image->SetTextColor(0, 0, 0);
            }
            image->DrawText(text.data() + from, static_cast<int>(to - from), x, y);
            x += runWidth;
        }
        if (focused_ && caretOn_ && index == LineOf(lines, text_.Caret())) {
            const int caretX = kMargin - scrollX_ + WidthOf(line.begin, text_.Caret());
            image->SetCurColor(0, 0, 0);
            image->FillRect(caretX, y, caretX + 1, y + lineHeight);
        }
    }
}

int CEditField::OnMouseDown(intptr_t* record) {
    const bool extend = KeyHeld(platform::VkShift) && focused_;
    SetFocus();
    dragging_ = true;
    PlaceCaret(static_cast<int>(record[2]), static_cast<int>(record[3]), extend);
    return 1;
}

int CEditField::OnMouseMove(intptr_t* record) {
    if (dragging_) PlaceCaret(static_cast<int>(record[2]), static_cast<int>(record[3]), true);
    return 1;
}

int CEditField::OnMouseUp() {
    dragging_ = false;
    return 1;
}

// Three lines a notch, as the system's text views scroll, and never past the first or the last
// line; the caret stays where it is until the next key brings it back into view.
int CEditField::OnWheel(intptr_t* record) {
    const long lines = static_cast<long>(Layout().size());
    const long visible = VisibleLines();
    const long top = static_cast<long>(topLine_) - 3 * static_cast<long>(record[4]);
    topLine_ = static_cast<size_t>(std::clamp(top, 0L, std::max(0L, lines - visible)));
    Draw();
    return 1;
}

int CEditField::OnBlink() {
    caretOn_ = !caretOn_ && focused_;
    Draw();
    return 0;
}
