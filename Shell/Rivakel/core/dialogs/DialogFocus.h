// Where the keyboard is in a box: the controls that Tab and Shift+Tab move over, in the
// template's order (buttons, check boxes and fields), and the dotted ring around the one that
// has it. A field takes the keyboard itself (typing goes to it); the others leave it to the box.
#pragma once

#include <cstddef>
#include <vector>

class CSurface;
class CFocusRing;

class DialogFocus {
public:
    enum class Kind { Button, CheckBox, Field };
    struct Stop {
        int id = -1;
        Kind kind = Kind::Button;
        CSurface* surface = nullptr;  // a child of the box, owned by it
    };

    // The ring goes on top of what the box holds now.
    explicit DialogFocus(CSurface& box);
    DialogFocus(const DialogFocus&) = delete;
    DialogFocus& operator=(const DialogFocus&) = delete;

    void Add(const Stop& stop);
    // The keyboard goes to that control.
    void MoveTo(const CSurface* surface);
    // The next control (the previous one backwards), round from the last to the first.
    void Step(bool backwards);
    // Null before the first move.
    const Stop* Current() const;
    // A field the mouse gave the keyboard to becomes the current control.
    void Follow(const CSurface* surface);

private:
    void Show();

    CFocusRing* ring_ = nullptr;  // a child of the box
    std::vector<Stop> stops_;
    size_t current_ = 0;
    bool placed_ = false;
};
