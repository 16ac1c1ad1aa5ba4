#include "core/text/CCursor.h"
#include "frame/graphics/GraphicsObject.h"
#include "frame/graphics/GraphicsObjects.h"

ICursor* MakeCursorObject(CCursor* cursor) {
    return cursor != nullptr ? new GraphicsObject<ICursor, CCursor>(cursor) : nullptr;
}
