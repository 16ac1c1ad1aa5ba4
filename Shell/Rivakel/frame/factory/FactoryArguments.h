// What the factory makes of the strings, callbacks and sizes a game passes in.
#pragma once

#include <string_view>

#include "frame/api/ShellObject.h"

// The text, or "" (logged) for null.
std::string_view TextArgument(const char* text, const char* operation);
// Null is kept: the object made with it never calls back. Logged.
AppletCallback CallbackArgument(AppletCallback callback, const char* operation);
// Sides of 1 to 16384 whose picture the render target can hold; anything else is logged.
bool PictureSizeAccepted(int width, int height, const char* operation);
