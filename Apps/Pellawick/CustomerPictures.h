// The customers' animations as the stadium shows them: each look's poses recoloured in a scheme
// and, for the rows right of the aisle, mirrored. Customers of one look, scheme and side share
// the same frames; each customer plays them with animations of its own.
#pragma once

#include <array>
#include <map>

#include "Apps/Common/ShellRef.h"
#include "Apps/Pellawick/CustomerLook.h"
#include "frame/api/IImageSeq.h"

class IShellFactory;

namespace pellawick {

class CCustomerPictures {
public:
    explicit CCustomerPictures(IShellFactory& factory) : factory_(factory) {}

    // The frames of a customer's picture (0 to 8, see kCustomerAnimations); null when the look's
    // animation could not be read.
    IImageSeq* Frames(int look, int scheme, bool mirrored, int picture);

private:
    static constexpr int kPoses = 5;
    using Poses = std::array<ShellRef<IImageSeq>, kPoses>;

    IImageSeq* Loaded(int look, int pose);
    ShellRef<IImageSeq> Recoloured(IImageSeq& source, int look, int scheme, bool mirrored);

    IShellFactory& factory_;
    std::array<Poses, kLookCount> loaded_;
    std::map<int, Poses> made_;
};

// The pose (sitting, cheer, catch a, catch b, throw) of a picture 0 to 8.
int PoseOfPicture(int picture);

}  // namespace pellawick
