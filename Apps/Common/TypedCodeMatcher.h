// Follows key presses against a secret word typed on a title screen. Keys are virtual keys, so a
// letter arrives as its upper-case code whatever the Shift key does.
#pragma once

#include <string>
#include <string_view>

class CTypedCodeMatcher {
public:
    // `eitherCase`: the key may equal the code's letter in upper or in lower case.
    CTypedCodeMatcher(std::string_view code, bool eitherCase);

    // A key that does not continue the match starts over at nothing matched; it is not taken as
    // a new first letter. Modifier keys (Shift, Control, Alt, Caps Lock) leave the match as it
    // is. True when the last letter of the code has just been matched.
    bool Feed(int key);
    int Matched() const { return matched_; }

private:
    std::string code_;
    bool eitherCase_;
    int matched_ = 0;
};
