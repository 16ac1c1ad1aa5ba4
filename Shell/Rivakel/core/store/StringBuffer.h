// The growing text buffer of the markup serializer: room doubles whenever it is three
// quarters used, so appending stays linear.
#pragma once

#include <string>
#include <string_view>

class CStringBuffer {
public:
    static constexpr size_t kInitialCapacity = 5000;

    CStringBuffer() { Reset(); }

    void Append(std::string_view text);
    const std::string& GetText() const { return text_; }
    size_t Length() const { return text_.size(); }
    // The caller takes the text; the buffer starts again empty.
    std::string Detach();
    void Reset();

private:
    std::string text_;
};
