#include "core/store/MarkupNode.h"

#include <algorithm>

#include "core/base/Strings.h"

namespace {
std::optional<std::string> Copy(std::optional<std::string_view> text) {
    return text ? std::optional<std::string>(std::string(*text)) : std::nullopt;
}
}  // namespace

CMarkupNode::CMarkupNode(std::string_view name) : name_(name) {}

CMarkupNode::~CMarkupNode() {
    for (CMarkupNode* child : children_) {
        child->parent_ = nullptr;
        child->ReleaseInternalRef();
    }
    for (CMarkupAttr* attr : attributes_) attr->ReleaseInternalRef();
}

void CMarkupNode::AddChild(CMarkupNode* node) {
    if (!node) return;
    // An element added below itself would make a cycle that no walk of the tree ends and
    // no release frees.
    for (const CMarkupNode* above = this; above; above = above->parent_) {
        if (above == node) return;
    }
    // Ours first, so that leaving its former parent cannot delete it; a node has one parent.
    node->AddInternalRef();
    if (node->parent_ != nullptr) node->parent_->RemoveChild(node);
    node->parent_ = this;
    children_.push_back(node);
}

void CMarkupNode::RemoveChild(CMarkupNode* node) {
    auto it = std::find(children_.begin(), children_.end(), node);
    if (it == children_.end()) return;
    const size_t index = static_cast<size_t>(it - children_.begin());
    children_.erase(it);
    if (searchNext_ > index) --searchNext_;
    node->parent_ = nullptr;
    node->ReleaseInternalRef();
}

bool CMarkupNode::Matches(const CMarkupNode& child) const {
    if (!EqualsNoCase(child.name_, *searchName_)) return false;
    if (!searchAttrName_) return true;
    for (const CMarkupAttr* attr : child.attributes_) {
        if (!EqualsNoCase(attr->Name(), *searchAttrName_)) continue;
        if (!searchAttrValue_) return true;
        if (attr->Value() && EqualsNoCase(*attr->Value(), *searchAttrValue_)) return true;
    }
    return false;
}

CMarkupNode* CMarkupNode::SetSearch(std::optional<std::string_view> name, std::optional<std::string_view> attrName,
                                    std::optional<std::string_view> attrValue) {
    searchName_ = Copy(name);
    searchAttrName_ = Copy(attrName);
    searchAttrValue_ = Copy(attrValue);
    return FindNext(true);
}

CMarkupNode* CMarkupNode::FindNext(bool restart) {
    if (!searchName_) return nullptr;
    if (restart) searchNext_ = 0;
    for (size_t i = searchNext_; i < children_.size(); ++i) {
        if (Matches(*children_[i])) {
            searchNext_ = i + 1;
            return children_[i];
        }
    }
    searchNext_ = children_.size();
    return nullptr;
}

CMarkupNode* CMarkupNode::GetOrAddChildWithAttr(std::string_view name, std::string_view attrName,
                                                std::string_view attrValue) {
    if (CMarkupNode* found = SetSearch(name, attrName, attrValue)) return found;
    auto* child = new CMarkupNode(name);
    child->AddAttribute(attrName, attrValue);
    AddChild(child);
    return child;
}

CMarkupNode* CMarkupNode::GetOrAddChild(std::string_view name) {
    if (CMarkupNode* found = SetSearch(name, std::nullopt, std::nullopt)) return found;
    auto* child = new CMarkupNode(name);
    AddChild(child);
    return child;
}

CMarkupAttr* CMarkupNode::AddAttribute(std::string_view name, std::optional<std::string_view> value) {
    auto* attr = new CMarkupAttr(name, value);
    attr->AddInternalRef();
    attributes_.push_back(attr);
    return attr;
}

CMarkupAttr* CMarkupNode::FindAttribute(std::string_view name, std::optional<std::string_view> value) const {
    for (CMarkupAttr* attr : attributes_) {
        if (!EqualsNoCase(attr->Name(), name)) continue;
        if (!value || (attr->Value() && EqualsNoCase(*attr->Value(), *value))) return attr;
    }
    return nullptr;
}

CMarkupAttr* CMarkupNode::SetAttribute(std::string_view name, std::optional<std::string_view> value) {
    if (CMarkupAttr* attr = FindAttribute(name)) {
        attr->SetValue(value);
        return attr;
    }
    return AddAttribute(name, value);
}

CMarkupValue* CMarkupNode::SetValue(const CMarkupValue& value) {
    value_ = value.Clone();
    return value_.get();
}
