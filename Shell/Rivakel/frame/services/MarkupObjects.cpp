#include <optional>

#include "core/store/MarkupAttr.h"
#include "core/store/MarkupNode.h"
#include "core/store/MarkupValue.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/AppletText.h"
#include "frame/services/ServiceObjects.h"

namespace {

std::optional<std::string_view> Optional(const char* text) {
    return text != nullptr ? std::optional<std::string_view>(text) : std::nullopt;
}

class MarkupAttrObject final : public InterfaceObject<IMarkupAttr, CMarkupAttr> {
public:
    using InterfaceObject::InterfaceObject;

    int SetValue(const char* value) override {
        inner()->SetValue(Optional(value));
        return 0;
    }

    int GetValue(char* out, int outSize) override {
        inner()->GetValue(AppletBuffer(out, outSize));
        return 0;
    }
};

class MarkupNodeObject final : public InterfaceObject<IMarkupNode, CMarkupNode> {
public:
    using InterfaceObject::InterfaceObject;

    int AddChild(IMarkupNode* child) override {
        if (CMarkupNode* node = Unwrap<CMarkupNode>(child)) inner()->AddChild(node);
        return 0;
    }

    int RemoveChild(IMarkupNode* child) override {
        if (CMarkupNode* node = Unwrap<CMarkupNode>(child)) inner()->RemoveChild(node);
        return 0;
    }

    int FindFirst(IMarkupNode** out, const char* name, const char* attrName, const char* attrValue) override {
        return Hand(out, inner()->SetSearch(Optional(name), Optional(attrName), Optional(attrValue)));
    }

    int FindNext(IMarkupNode** out, bool restart) override { return Hand(out, inner()->FindNext(restart)); }

    // Finds what FindFirst finds with the same arguments; a new child carries the attribute
    // only when a name for it was given.
    int FindOrAdd(IMarkupNode** out, const char* name, const char* attrName, const char* attrValue) override {
        CMarkupNode* found = inner()->SetSearch(Optional(name), Optional(attrName), Optional(attrValue));
        if (found == nullptr) {
            auto* child = new CMarkupNode(AppletText(name, "IMarkupNode::FindOrAdd"));
            if (attrName != nullptr) child->AddAttribute(attrName, Optional(attrValue));
            inner()->AddChild(child);
            found = child;
        }
        return Hand(out, found);
    }

    int FindOrAddChild(IMarkupNode** out, const char* name) override {
        return Hand(out, inner()->GetOrAddChild(AppletText(name, "IMarkupNode::FindOrAddChild")));
    }

    int GetChildCount(int* out) override {
        if (out != nullptr) *out = static_cast<int>(inner()->ChildCount());
        return 0;
    }

    int AddAttr(const char* name, const char* value) override {
        inner()->AddAttribute(AppletText(name, "IMarkupNode::AddAttr"), Optional(value));
        return 0;
    }

    int SetAttr(const char* name, const char* value) override {
        inner()->SetAttribute(AppletText(name, "IMarkupNode::SetAttr"), Optional(value));
        return 0;
    }

    int FindAttr(IMarkupAttr** out, const char* name, const char* value) override {
        CMarkupAttr* attr = inner()->FindAttribute(AppletText(name, "IMarkupNode::FindAttr"), Optional(value));
        if (out != nullptr) *out = MakeMarkupAttrObject(attr);
        return 0;
    }

    int SetValue(const char* value) override {
        inner()->SetValue(CMarkupValue(CMarkupValue::kText, AppletText(value, "IMarkupNode::SetValue")));
        return 0;
    }

    int Unused(int) override { return 0; }

private:
    static int Hand(IMarkupNode** out, CMarkupNode* node) {
        if (out != nullptr) *out = MakeMarkupNodeObject(node);
        return 0;
    }
};

}  // namespace

IMarkupAttr* MakeMarkupAttrObject(CMarkupAttr* attr) { return attr != nullptr ? new MarkupAttrObject(attr) : nullptr; }

IMarkupNode* MakeMarkupNodeObject(CMarkupNode* node) { return node != nullptr ? new MarkupNodeObject(node) : nullptr; }
