// Reading RDT text into an element tree, and the repairs applied to stored files before.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/store/RdtNode.h"

// Deeper start tags end the read: it keeps the tree shallow enough for recursive walks.
inline constexpr int kMaxRdtDepth = 256;

struct RdtParseOptions {
    int endTagLimit = 0;          // stop after this many end tags; 0 reads to the end
    bool forceConnFalse = false;  // every "ForceConn" attribute reads as "false"
    bool* rootClosed = nullptr;   // when given, told whether the root element's end tag was read
    // When given, told whether the read passed over what the writers never write: an end tag
    // naming another element than the one it closes or inside a start tag, an end tag or text
    // before the root, anything but white space after the root's end, a raw '<' or '>' in a value.
    bool* passedOverDamage = nullptr;
};

// Reads elements into `root` (which must be empty). The read ends when the root element
// closes, at the end of the text, at a malformed tag or a start tag nested deeper than
// kMaxRdtDepth; what was read stays. End tags close the innermost open element whatever their
// name; one with no open element is ignored. True when the end-tag limit was reached, else
// when at least one element was read.
bool ParseRdt(std::string_view text, std::unique_ptr<RdtNode>& root, const RdtParseOptions& options = {});

// Nothing but blanks, tabs, CRs and LFs.
bool IsBlankText(std::string_view text);

// A byte that a stored file never holds: outside 9-13 and 32-126.
bool IsDamagedByte(char c);
bool HasDamagedBytes(std::string_view text);
// Replaces every damaged byte by a blank.
void BlankDamagedBytes(std::string& text);
// Blanks out the remains of a damaged closing line of a User element (">ser>", ">ers>", ">rs>").
// Whether there were any.
bool RepairUserTags(std::string& text);
