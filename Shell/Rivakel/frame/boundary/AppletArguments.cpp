#include "frame/boundary/AppletArguments.h"

#include "core/base/Log.h"

bool CountAccepted(int count, int max, const char* operation) {
    if (count > max) Error("Error - count %d refused in %s (at most %d)", count, operation, max);
    return count > 0 && count <= max;
}
