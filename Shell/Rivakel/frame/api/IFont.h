// Fonts made by the factory.
#pragma once

#include "frame/api/ShellObject.h"

// Longest face name a font keeps.
inline constexpr int kFontFaceMax = 31;

class IFont : public IShellObject {
public:
    // Measured when the font was made.
    virtual int GetMetrics(int* averageCharWidth, int* lineHeight) = 0;        // 2
    // Copies the face (at most faceSize - 1 characters and a terminator); size as made; size
    // class = index of the first stock size (24, 18, 14, 12, 10, 8) not above the size, 5 below 8;
    // style bits as made. Null outputs are skipped.
    virtual int GetInfo(char* faceOut, int faceSize, int* size, int* sizeClass, int* style) = 0;  // 3

protected:
    IFont() = default;
    ~IFont() override = default;
};
