#include "core/store/RdtNode.h"

#include <algorithm>

#include "core/store/RdtRecordIndex.h"

RdtNode::RdtNode(std::string_view name) : name_(name) {}

RdtNode::~RdtNode() = default;

void RdtNode::SetName(std::string_view name) {
    DropParentsIndex();
    name_ = name;
}

void RdtNode::DropParentsIndex() const {
    if (parent_ != nullptr) parent_->records_.reset();
}

void RdtNode::SetText(std::optional<std::string_view> text) {
    if (text) {
        text_.emplace(*text);
    } else {
        text_.reset();
    }
}

void RdtNode::AddAttr(std::string_view name, std::optional<std::string_view> value) {
    DropParentsIndex();
    RdtAttr attr{std::string(name), std::nullopt};
    if (value) attr.value.emplace(*value);
    attrs_.push_back(std::move(attr));
}

void RdtNode::SetAttr(std::string_view name, std::optional<std::string_view> value) {
    DropParentsIndex();
    for (RdtAttr& attr : attrs_) {
        if (EqualsNoCase(attr.name, name)) {
            if (value) {
                attr.value.emplace(*value);
            } else {
                attr.value.reset();
            }
            return;
        }
    }
    AddAttr(name, value);
}

const RdtAttr* RdtNode::FindAttr(std::string_view name) const {
    for (const RdtAttr& attr : attrs_) {
        if (EqualsNoCase(attr.name, name)) return &attr;
    }
    return nullptr;
}

const std::string* RdtNode::AttrValue(std::string_view name) const {
    const RdtAttr* attr = FindAttr(name);
    return attr && attr->value ? &*attr->value : nullptr;
}

// A record's value (any attribute after the first) is not indexed.
void RdtNode::SetAttrValueAt(size_t index, std::string_view value) {
    if (index == 0) DropParentsIndex();
    if (index < attrs_.size()) attrs_[index].value.emplace(value);
}

RdtNode* RdtNode::AppendChild(std::unique_ptr<RdtNode> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    if (records_) records_->Add(*children_.back());
    return children_.back().get();
}

RdtNode* RdtNode::AddChild(std::string_view name) { return AppendChild(std::make_unique<RdtNode>(name)); }

RdtNode* RdtNode::FindChild(std::string_view name) const {
    for (const auto& child : children_) {
        if (EqualsNoCase(child->name_, name)) return child.get();
    }
    return nullptr;
}

RdtNode* RdtNode::GetOrAddChild(std::string_view name) {
    RdtNode* found = FindChild(name);
    return found ? found : AddChild(name);
}

RdtNode* RdtNode::FindChildWithAttr(std::string_view name, std::string_view attrName,
                                    std::string_view attrValue) const {
    for (const auto& child : children_) {
        if (!EqualsNoCase(child->name_, name)) continue;
        for (const RdtAttr& attr : child->attrs_) {
            if (EqualsNoCase(attr.name, attrName) && attr.value && EqualsNoCase(*attr.value, attrValue)) {
                return child.get();
            }
        }
    }
    return nullptr;
}

RdtNode* RdtNode::GetOrAddChildWithAttr(std::string_view name, std::string_view attrName,
                                        std::string_view attrValue) {
    if (RdtNode* found = FindChildWithAttr(name, attrName, attrValue)) return found;
    RdtNode* child = AddChild(name);
    child->AddAttr(attrName, attrValue);
    return child;
}

void RdtNode::RemoveChild(const RdtNode* child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [child](const std::unique_ptr<RdtNode>& c) { return c.get() == child; });
    if (it == children_.end()) return;
    records_.reset();
    children_.erase(it);
}

RdtNode* RdtNode::FindRecord(std::string_view name, std::string_view key) const {
    if (!records_ || !EqualsNoCase(records_->Name(), name))
        records_ = std::make_unique<RdtRecordIndex>(name, children_);
    return records_->Find(key);
}
