// Parses arbitrary bytes as a markup document in steps, then checks that its serialized form
// reads back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/store/MarkupDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto* doc = new CMarkupDoc;
    doc->AddInternalRef();
    doc->Parse(text, false);
    const int step = static_cast<int>(size % 5) + 1;
    for (int i = 0; i < 100000 && doc->ParseSome(step); ++i) {
        if (doc->GetState() != CMarkupDoc::kParsing) break;
    }
    doc->ParseSome(-1);
    const std::string written = doc->Serialize();
    doc->ReleaseInternalRef();

    auto* again = new CMarkupDoc;
    again->AddInternalRef();
    again->Parse(written, true);
    const bool same = again->Serialize() == written;
    again->ReleaseInternalRef();
    if (!same) std::abort();
    return 0;
}
