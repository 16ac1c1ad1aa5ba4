// The name typed on the high-score truck: up to 8 capitals, DEL and END.
#pragma once

#include <cstdint>
#include <string>

namespace tallimo {

inline constexpr size_t kNameLetters = 8;
inline constexpr int kCursorBlinkMs = 500;

enum class NameKey { Letter, Delete, End, Ignored };

class TruckNameEntry {
public:
    // A letter of either case, Backspace (DEL) or Enter (END); what the key did.
    NameKey Type(char key);
    // A letter button's 'A' to 'Z'.
    void AddLetter(char capital);
    void Delete();

    const std::string& Name() const { return name_; }
    bool Ended() const { return ended_; }

private:
    std::string name_;
    bool ended_ = false;
};

// Whether the box at the cursor is lit at this moment of its blink.
bool CursorLit(int64_t ms);

}  // namespace tallimo
