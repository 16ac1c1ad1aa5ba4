#include "frame/factory/PlaceholderPictures.h"

#include <string>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/CardBackPicture.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/SurfaceServices.h"

namespace {

// Asked before loading, so a missing name costs the one line the file service writes and not
// a second one from the sequence.
bool NameFindsData(std::string_view name) {
    CSubsystem_File* files = FileService();
    if (files == nullptr) {
        Error("Error - Unrecognized file (%s) specified in CFile::CFile", std::string(name.substr(0, 200)).c_str());
        return false;
    }
    CFile* file = files->OpenFile(name);
    const bool found = file->IsOpen();
    files->CloseFile(file);
    return found;
}

}  // namespace

CImage* NewPlaceholderImage() {
    return new CImage(CurrentSurfaceServices().fonts, 1, 1, CRenderTarget::kFlagColorKeyed);
}

CImageSeq* NewPlaceholderSequence() { return new CImageSeq(NewPlaceholderImage()); }

CImageSeq* LoadSequenceOrPlaceholder(std::string_view name, std::span<const GifColourPair> colourMap) {
    if (!NameFindsData(name)) return NewPlaceholderSequence();
    // The user's cardback reaches the game through this name: it is bounded as a card's back.
    const GifLimits limits = EqualsNoCase(name, kCardBackName) ? CardBackLimits() : GifLimits{};
    auto* sequence = new CImageSeq(name, colourMap, limits);
    if (sequence->ImageCount() > 0) return sequence;
    delete sequence;
    return NewPlaceholderSequence();
}
