#include "core/store/RdtWriter.h"

#include "core/store/RdtEscape.h"

namespace {
constexpr int kIndent = 3;

// Judged by the first attribute that is written, as the next read will judge it.
bool IsUnownedRecord(const RdtNode& node) {
    if (!EqualsNoCase(node.Name(), "RLS")) return false;
    for (const RdtAttr& attr : node.Attrs()) {
        if (IsWritableName(attr.name)) return !attr.value || attr.value->empty();
    }
    return false;
}

}  // namespace

// An element whose name would not read back is left out with its subtree, so that it cannot
// cut off the rest of the file at the next read.
bool IsWritten(const RdtNode& node) { return IsWritableName(node.Name()) && !IsUnownedRecord(node); }

void AppendRdtElement(std::string& out, const RdtNode& node, int depth) {
    if (!IsWritten(node)) return;
    const std::string indent(static_cast<size_t>(depth * kIndent), ' ');
    out += indent;
    out += '<';
    out += node.Name();
    for (const RdtAttr& attr : node.Attrs()) {
        if (!IsWritableName(attr.name)) continue;
        out += ' ';
        out += attr.name;
        out += "=\"";
        if (attr.value) AppendEscapedAttr(out, *attr.value);
        out += '"';
    }
    bool hasChildren = false;
    for (size_t i = 0; i < node.ChildCount() && !hasChildren; ++i) hasChildren = IsWritten(*node.ChildAt(i));
    if (!hasChildren) {
        if (!node.Text()) {
            out += "/>\r\n";
            return;
        }
        out += '>';
        AppendEscapedText(out, *node.Text(), false);
    } else {
        out += '>';
        if (node.Text()) AppendEscapedText(out, *node.Text(), true);
        out += "\r\n";
        for (size_t i = 0; i < node.ChildCount(); ++i) AppendRdtElement(out, *node.ChildAt(i), depth + 1);
        out += indent;
    }
    out += "</";
    out += node.Name();
    out += ">\r\n";
}

size_t WrittenSize(const RdtNode& node, int depth) {
    std::string text;
    AppendRdtElement(text, node, depth);
    return text.size();
}

std::string WriteRdt(const RdtNode& root) {
    std::string out;
    AppendRdtElement(out, root, 0);
    return out;
}
