// The shell services a game asks for names and notes, answering input boxes from a script and
// counting message boxes; everything else does nothing.
#pragma once

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

#include "frame/api/IShellServices.h"

class FakeServices final : public IShellServices {
public:
    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }
    int SetAppletName(const char*) override { return 0; }
    int SetStopMode(int) override { return 0; }
    int SetMenuFlags(int) override { return 0; }
    int MessageBox(const char*, const char*, int) override { return ++messageBoxes, 1; }
    // The next scripted answer (OK), as the shell copies it: at most maxChars bytes with the NUL.
    // None left: Cancel.
    int InputBox(const char*, const char*, const char*, char* out, int maxChars, int) override {
        ++inputBoxes;
        if (answers.empty()) return 2;
        const std::string answer = answers.front();
        answers.pop_front();
        if (maxChars <= 0) return 1;
        const size_t n = std::min(answer.size(), static_cast<size_t>(maxChars - 1));
        std::memcpy(out, answer.data(), n);
        out[n] = '\0';
        return 1;
    }
    int OpenURL(const char*) override { return 1; }
    int IsKeyDown(int) override { return 0; }
    int IsKeyDownEntry2(int) override { return 0; }
    AppletColor AllocColor(int, int, int) override { return 0; }
    int FreeColor(AppletColor) override { return 0; }
    int CreatePixelBuffer(AppletPixelBuffer** out, int, int) override { return *out = nullptr, 3; }
    int FreePixelBuffer(AppletPixelBuffer*) override { return 0; }
    int GetTime(AppletTimeRecord*) override { return 0; }
    int ConfirmEmail(const char*, const char*, const char*, const char*, int, ConfirmEmailCallback,
                     ConfirmEmailCallback) override {
        return 0;
    }
    int Unused(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t) override { return 2; }
    int TakePendingMessage(char** out) override { return *out = nullptr, 32; }

    std::deque<std::string> answers;
    int inputBoxes = 0;
    int messageBoxes = 0;
};
