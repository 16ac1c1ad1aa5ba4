// The records among an element's children by their key, so that finding one takes the same
// time however many the element holds. A record is a child of one name with at least two
// attributes, the first holding its key (a value that is there) and the second its value; keys
// are compared without regard to case, and of several records with one key the first counts.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class RdtNode;

class RdtRecordIndex {
public:
    // Indexes the records named `name` among `children`, in their order.
    RdtRecordIndex(std::string_view name, const std::deque<std::unique_ptr<RdtNode>>& children);

    const std::string& Name() const { return name_; }
    RdtNode* Find(std::string_view key) const;
    // A child appended after the others.
    void Add(RdtNode& child);

private:
    struct FoldedHash {
        size_t operator()(std::string_view key) const;
    };
    struct FoldedEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::string name_;
    // The keys are the records' own first attribute values: any change to those drops the index.
    std::unordered_map<std::string_view, RdtNode*, FoldedHash, FoldedEqual> byKey_;
};
