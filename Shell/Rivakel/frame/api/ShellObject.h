// The base of every interface object an applet holds: an operation table and the shell object
// it stands for. Applets compile against frame/api only and never see the shell object itself.
#pragma once

#include <cstdint>

class CRefCounted;
class ShellObjectAccess;

// Callbacks receive an array of words: [0] the context, [1] the user value, then the data.
using AppletCallback = int (*)(intptr_t* args);

class IShellObject {
public:
    // Destroys this interface object (its memory is freed when bit 0 of flags is set); the
    // shell object behind it keeps every reference. Returns this object's address.
    virtual IShellObject* Destroy(int flags) = 0;
    // Drops this object's reference on the shell object, then destroys and frees this object;
    // the shell object goes when nothing else holds it. 0 for an object that stands for nothing.
    virtual int Release() = 0;

    IShellObject(const IShellObject&) = delete;
    IShellObject& operator=(const IShellObject&) = delete;

protected:
    IShellObject() = default;
    // Interface objects end through Destroy and Release only.
    virtual ~IShellObject() = default;

private:
    friend class ShellObjectAccess;
    CRefCounted* inner_ = nullptr;
};
