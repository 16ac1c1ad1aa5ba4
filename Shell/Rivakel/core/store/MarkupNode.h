// An element of a markup document. Reference counted: the parent's child list and attribute
// list each hold one internal reference, so an element an applet still holds outlives its
// removal from the tree (and then has no parent).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/RefCounted.h"
#include "core/store/MarkupAttr.h"
#include "core/store/MarkupValue.h"

class CMarkupNode : public CRefCounted {
public:
    explicit CMarkupNode(std::string_view name);
    ~CMarkupNode() override;

    // Appends and takes one internal reference; the node's parent becomes this, and it leaves a
    // parent it had (also this one: it moves to the end). The element itself or one above it
    // is refused.
    virtual void AddChild(CMarkupNode* node);
    // By identity: drops the list's reference. Unknown nodes are ignored.
    virtual void RemoveChild(CMarkupNode* node);
    // Stores the search keys (names and values compared without regard to case) and returns
    // the first match.
    virtual CMarkupNode* SetSearch(std::optional<std::string_view> name, std::optional<std::string_view> attrName,
                                   std::optional<std::string_view> attrValue);
    // The next child after the last match (from the first one when restarting); null when
    // none is left or no name key is set.
    virtual CMarkupNode* FindNext(bool restart);
    virtual CMarkupNode* GetOrAddChildWithAttr(std::string_view name, std::string_view attrName,
                                               std::string_view attrValue);
    virtual CMarkupNode* GetOrAddChild(std::string_view name);

    CMarkupAttr* AddAttribute(std::string_view name, std::optional<std::string_view> value);
    CMarkupAttr* FindAttribute(std::string_view name, std::optional<std::string_view> value = std::nullopt) const;
    CMarkupAttr* SetAttribute(std::string_view name, std::optional<std::string_view> value);
    // Stores a copy of `value` and returns it.
    CMarkupValue* SetValue(const CMarkupValue& value);
    // An interface operation without effect.
    void NotImplemented() {}

    const std::string& Name() const { return name_; }
    CMarkupNode* Parent() const { return parent_; }
    const CMarkupValue* Value() const { return value_.get(); }
    size_t ChildCount() const { return children_.size(); }
    CMarkupNode* ChildAt(size_t index) const { return children_[index]; }
    size_t AttributeCount() const { return attributes_.size(); }
    CMarkupAttr* AttributeAt(size_t index) const { return attributes_[index]; }

private:
    bool Matches(const CMarkupNode& child) const;

    CMarkupNode* parent_ = nullptr;
    std::vector<CMarkupNode*> children_;
    std::vector<CMarkupAttr*> attributes_;
    std::string name_;
    std::unique_ptr<CMarkupValue> value_;
    std::optional<std::string> searchName_;
    std::optional<std::string> searchAttrName_;
    std::optional<std::string> searchAttrValue_;
    size_t searchNext_ = 0;
};
