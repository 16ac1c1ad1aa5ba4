// The element tree of an RDT document. Lookups take the first match in document order and
// compare names without regard to case; names are never checked for uniqueness.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Strings.h"

class RdtRecordIndex;

struct RdtAttr {
    std::string name;
    std::optional<std::string> value;  // none only when built in memory; the reader always sets one
};

class RdtNode {
public:
    explicit RdtNode(std::string_view name);
    ~RdtNode();
    RdtNode(const RdtNode&) = delete;
    RdtNode& operator=(const RdtNode&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);
    RdtNode* Parent() const { return parent_; }

    // The character content; none when the element has no text.
    const std::optional<std::string>& Text() const { return text_; }
    void SetText(std::optional<std::string_view> text);

    const std::vector<RdtAttr>& Attrs() const { return attrs_; }
    void AddAttr(std::string_view name, std::optional<std::string_view> value);
    // Replaces the value of the first attribute of that name, else appends one.
    void SetAttr(std::string_view name, std::optional<std::string_view> value);
    // The first attribute of that name; null when none.
    const RdtAttr* FindAttr(std::string_view name) const;
    // The value of the first attribute of that name; null when it is missing or has no value.
    const std::string* AttrValue(std::string_view name) const;
    // Sets the value of the attribute at `index`; ignored when there is none.
    void SetAttrValueAt(size_t index, std::string_view value);

    size_t ChildCount() const { return children_.size(); }
    RdtNode* ChildAt(size_t index) const { return children_[index].get(); }

    // Takes ownership; sets the child's parent and returns it.
    RdtNode* AppendChild(std::unique_ptr<RdtNode> child);
    RdtNode* AddChild(std::string_view name);
    RdtNode* FindChild(std::string_view name) const;
    RdtNode* GetOrAddChild(std::string_view name);
    // The first child of that name having an attribute whose name and value both match.
    RdtNode* FindChildWithAttr(std::string_view name, std::string_view attrName,
                               std::string_view attrValue) const;
    RdtNode* GetOrAddChildWithAttr(std::string_view name, std::string_view attrName,
                                   std::string_view attrValue);
    // By identity: destroys the child and its subtree. An unknown child is ignored.
    void RemoveChild(const RdtNode* child);

    // The first child named `name` with at least two attributes whose first attribute's value
    // is `key` without regard to case (a record of a key and a value); null when none. Indexed
    // (RdtRecordIndex.h) from the first call on, as long as the children and their first
    // attributes stay as they are.
    RdtNode* FindRecord(std::string_view name, std::string_view key) const;

private:
    // A change to this element's name or attributes may change what its parent's index holds.
    void DropParentsIndex() const;

    RdtNode* parent_ = nullptr;
    // A deque: the outbox takes its oldest messages from the front of a long queue.
    std::deque<std::unique_ptr<RdtNode>> children_;
    std::vector<RdtAttr> attrs_;
    std::string name_;
    std::optional<std::string> text_;
    mutable std::unique_ptr<RdtRecordIndex> records_;
};
