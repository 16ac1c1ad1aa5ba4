#include "core/dialogs/DialogFocus.h"

#include "core/dialogs/DialogWidgets.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EditField.h"

DialogFocus::DialogFocus(CSurface& box) : ring_(new CFocusRing(&box)) {}

void DialogFocus::Add(const Stop& stop) {
    if (stop.surface != nullptr) stops_.push_back(stop);
}

void DialogFocus::MoveTo(const CSurface* surface) {
    Follow(surface);
    const Stop* stop = Current();
    if (stop == nullptr) return;
    if (auto* field = dynamic_cast<CEditField*>(stop->surface)) {
        // As a box's field does whenever it gets the keyboard: typing replaces what it holds.
        field->SetFocus();
        field->SelectAll();
    } else if (CSubsystem_Input* input = InputService()) {
        input->SetFocus(nullptr);
    }
}

void DialogFocus::Step(bool backwards) {
    if (stops_.empty()) return;
    const size_t count = stops_.size();
    const size_t next = !placed_ ? 0 : backwards ? (current_ + count - 1) % count : (current_ + 1) % count;
    MoveTo(stops_[next].surface);
}

const DialogFocus::Stop* DialogFocus::Current() const { return placed_ ? &stops_[current_] : nullptr; }

void DialogFocus::Follow(const CSurface* surface) {
    for (size_t i = 0; i < stops_.size(); ++i) {
        if (stops_[i].surface != surface) continue;
        if (placed_ && current_ == i) return;
        current_ = i;
        placed_ = true;
        Show();
        return;
    }
}

// Inside a button's face; around a check box with its label and around a field.
void DialogFocus::Show() {
    const Stop& stop = stops_[current_];
    int x = 0, y = 0, width = 0, height = 0;
    stop.surface->GetLoc(x, y);
    stop.surface->GetSize(width, height);
    const int inset = stop.kind == Kind::Button ? (height >= 20 ? 3 : 2) : -2;
    ring_->Surround({x + inset, y + inset, x + width - inset, y + height - inset});
    if (CSurface* box = ring_->Parent()) box->BringToFront(ring_);
}
