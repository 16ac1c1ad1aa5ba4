// Cursors made by the factory; an applet can only hold and release them.
#pragma once

#include "frame/api/ShellObject.h"

class ICursor : public IShellObject {
protected:
    ICursor() = default;
    ~ICursor() override = default;
};
