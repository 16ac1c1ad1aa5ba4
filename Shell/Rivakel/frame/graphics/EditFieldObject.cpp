#include "frame/graphics/GraphicsObjects.h"
#include "frame/graphics/SurfaceObject.h"

namespace {

class EditFieldObject final : public SurfaceObject<IEditField, CEditField> {
public:
    using SurfaceObject::SurfaceObject;

    int GetText(char* buffer, int size) override {
        if (buffer == nullptr || size <= 0) return 1;
        return this->inner()->GetText(buffer, static_cast<size_t>(size));
    }

    int SetText(const char* text) override { return this->inner()->SetText(text != nullptr ? text : ""); }
};

}  // namespace

IEditField* MakeEditFieldObject(CEditField* field) {
    return field != nullptr ? new EditFieldObject(field) : nullptr;
}
