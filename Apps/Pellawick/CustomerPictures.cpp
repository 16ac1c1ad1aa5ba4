#include "Apps/Pellawick/CustomerPictures.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "Apps/Common/MirroredSequence.h"
#include "frame/api/IImage.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"

namespace pellawick {
namespace {

constexpr std::array<int, kCustomerPictures> kPoseOfPicture = {0, 1, 1, 2, 3, 4, 0, 0, 0};
constexpr std::array<int, 5> kPicturesOfPose = {0, 1, 3, 4, 5};

}  // namespace

int PoseOfPicture(int picture) { return kPoseOfPicture[static_cast<size_t>(std::clamp(picture, 0, 8))]; }

IImageSeq* CCustomerPictures::Loaded(int look, int pose) {
    ShellRef<IImageSeq>& seq = loaded_[static_cast<size_t>(look)][static_cast<size_t>(pose)];
    if (!seq) {
        const std::string format(kCustomerAnimations[static_cast<size_t>(kPicturesOfPose[static_cast<size_t>(pose)])]);
        char name[64];
        std::snprintf(name, sizeof name, format.c_str(), std::string(LookName(look)).c_str());
        seq.Reset(factory_.LoadImageSeq(name));
    }
    return seq.Get();
}

IImageSeq* CCustomerPictures::Frames(int look, int scheme, bool mirrored, int picture) {
    look = std::clamp(look, 0, kLookCount - 1);
    scheme = std::clamp(scheme, 0, kSchemeCount - 1);
    const int pose = PoseOfPicture(picture);
    Poses& poses = made_[(look * kSchemeCount + scheme) * 2 + (mirrored ? 1 : 0)];
    ShellRef<IImageSeq>& seq = poses[static_cast<size_t>(pose)];
    if (!seq) {
        IImageSeq* source = Loaded(look, pose);
        if (source == nullptr) return nullptr;
        seq = Recoloured(*source, look, scheme, mirrored);
    }
    return seq.Get();
}

// The frames are copied, so the recolouring leaves the loaded frames (and the other schemes) as
// they are.
ShellRef<IImageSeq> CCustomerPictures::Recoloured(IImageSeq& source, int look, int scheme, bool mirrored) {
    ShellRef<IImageSeq> made = CopiedSequence(factory_, source, mirrored ? kDrawMirrorLeftRight : 0);
    if (!made) return made;
    const auto& from = RecolourFrom(look);
    const auto& to = RecolourTo(scheme);
    std::array<int, 2 * kRecolourPairs> pairs{};
    for (size_t p = 0; p < kRecolourPairs; ++p) {
        pairs[2 * p] = static_cast<int>(from[p]);
        pairs[2 * p + 1] = static_cast<int>(to[p]);
    }
    made->ReplaceColors(kRecolourPairs, pairs.data());
    return made;
}

}  // namespace pellawick
