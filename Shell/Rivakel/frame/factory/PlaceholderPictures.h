// Pictures for names that do not load and sizes that are refused: a 1x1 picture of the key
// colour, so that a game's drawing goes on with nothing visible instead of meeting null.
#pragma once

#include <span>
#include <string_view>

#include "core/gif/GifDecoder.h"

class CImage;
class CImageSeq;

CImage* NewPlaceholderImage();
// A one-frame sequence of a new placeholder image.
CImageSeq* NewPlaceholderSequence();
// The frames of the named GIF, or a placeholder sequence when the name finds nothing (the
// file service logs it) or the data holds no frame.
CImageSeq* LoadSequenceOrPlaceholder(std::string_view name, std::span<const GifColourPair> colourMap = {});
