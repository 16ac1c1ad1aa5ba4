// Writing an element tree as RDT text: three blanks of indent per level, CR LF line ends,
// values escaped (RdtEscape.h). An "RLS" element whose first attribute is empty is left out
// with its subtree: it is a game record that was never given an owner. Elements and attributes
// whose names would not read back are left out too (IsWritableName).
#pragma once

#include <string>

#include "core/store/RdtNode.h"

std::string WriteRdt(const RdtNode& root);
// Whether the element is written at all (a root that is not gives an empty text).
bool IsWritten(const RdtNode& node);
// The bytes the element takes in the written text at `depth`, its subtree included.
size_t WrittenSize(const RdtNode& node, int depth);
void AppendRdtElement(std::string& out, const RdtNode& node, int depth);
