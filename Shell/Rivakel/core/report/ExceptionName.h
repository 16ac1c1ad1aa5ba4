// The exception codes and names an error report gives a fault, and what a recorded signal maps to.
#pragma once

#include <cstdint>
#include <string>

#include "core/report/CrashRecord.h"

// "ACCESS_VIOLATION" and the like; empty for a code without a name of its own.
std::string GetExceptionName(uint32_t code);

struct ExceptionDescription {
    uint32_t code = 0;
    std::string name;
};
// The code and name of a recorded crash. A stack overflow is a memory fault next to the stack
// pointer outside any readable memory; a fault without a code of its own gives its signal
// number and the system's description.
ExceptionDescription DescribeException(const CrashRecord& record);
