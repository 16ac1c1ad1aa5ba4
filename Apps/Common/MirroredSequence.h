// A mirrored copy of an animation's frames, for sprites that must face the other way.
#pragma once

#include "Apps/Common/ShellRef.h"
#include "frame/api/IImageSeq.h"

class IShellFactory;

// Every frame drawn with `drawFlags` onto a new colour-keyed image of its size, with the same
// frame times and loop flag; null when the source has no frame. The copies can be changed
// (recoloured) without touching the source's frames.
ShellRef<IImageSeq> CopiedSequence(IShellFactory& factory, IImageSeq& source, int drawFlags);

// The copies drawn mirrored left to right.
ShellRef<IImageSeq> MirroredSequence(IShellFactory& factory, IImageSeq& source);
