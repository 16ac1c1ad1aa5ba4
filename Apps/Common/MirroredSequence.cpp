#include "Apps/Common/MirroredSequence.h"

#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

ShellRef<IImageSeq> CopiedSequence(IShellFactory& factory, IImageSeq& source, int drawFlags) {
    int count = 0;
    source.GetImageCount(&count);
    ShellRef<IImageSeq> made;
    for (int i = 0; i < count; ++i) {
        ShellRef<IImage> frame;
        source.GetImage(i, frame.Out());
        int width = 0, height = 0;
        if (!frame || frame->GetSize(&width, &height) != 0) continue;
        ShellRef<IImage> copy(factory.CreateImage(width, height, kSurfaceColourKeyed));
        if (!copy) continue;
        copy->ClearToColor(0xFF, 0x00, 0xFF);
        copy->DrawAtEx(frame.Get(), 0, 0, drawFlags);
        int time = 0;
        source.GetFrameTime(&time, i);
        if (!made) {
            made.Reset(factory.CreateImageSeqFromImage(copy.Get()));
            if (made) made->SetFrameTime(0, time);
        } else {
            made->AddImage(copy.Get(), time);
        }
    }
    if (!made) return made;
    bool loop = false;
    source.GetLoop(&loop);
    made->SetLoop(loop);
    return made;
}

ShellRef<IImageSeq> MirroredSequence(IShellFactory& factory, IImageSeq& source) {
    return CopiedSequence(factory, source, kDrawMirrorLeftRight);
}
