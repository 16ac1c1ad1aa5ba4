// Pictures an applet keeps for drawing: read by name (its own resources first, then the game's
// folder) as a surface, whose image the applet keeps and the surface let go.
#pragma once

class IImage;

// A new image holding one reference, which the caller releases; null when the picture cannot
// be read.
IImage* LoadPicture(const char* name);
