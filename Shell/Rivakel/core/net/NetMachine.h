// What the server connection takes from the machine; tests put a scripted one in its place.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Net.h"

class INetMachine {
public:
    virtual ~INetMachine() = default;
    // False when the machine has no usable socket layer (every set-up then answers 23).
    virtual bool Start() = 0;
    virtual bool NetworkAvailable() = 0;
    // The environment's proxy text, unparsed.
    virtual std::optional<std::string> SystemProxy() = 0;
    virtual std::unique_ptr<platform::StreamSocket> OpenSocket() = 0;
    virtual std::unique_ptr<platform::HostLookup> StartLookup(const std::string& name) = 0;
    virtual uint32_t TickMs() = 0;
};

std::unique_ptr<INetMachine> MakePlatformNetMachine();
