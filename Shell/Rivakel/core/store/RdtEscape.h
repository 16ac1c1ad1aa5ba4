// Escaping of stored values in RDT text. The writers encode '&', '<', '>', '"' as named
// entities, every byte outside 32-126 other than TAB, CR and LF as "&#NNN;", and (in texts)
// the leading white space that the reader would skip; the readers decode exactly these forms
// and keep any other '&' as it stands, so files written before escaping still read. A text
// followed by child elements has its trailing white space escaped too, since the reader drops
// the raw white space that lays out the children.
#pragma once

#include <string>
#include <string_view>

// Element and attribute names are written as they stand, so only a name the reader takes
// back whole may be written: at least one byte, each printable, no blank and none of / < > " =.
bool IsWritableName(std::string_view name);
void AppendEscapedAttr(std::string& out, std::string_view value);
void AppendEscapedText(std::string& out, std::string_view text, bool childrenFollow);
std::string DecodeEntities(std::string_view raw);
