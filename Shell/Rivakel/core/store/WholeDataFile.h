// Data files that must be read whole or not at all (banner, catalogue and cardback
// descriptions): a file cut short would otherwise read as one with shorter values.
#pragma once

#include <memory>
#include <string_view>

#include "core/store/RdtNode.h"

// The document in `text`; null when it holds no element or its root element does not close.
std::unique_ptr<RdtNode> ParseWholeRdt(std::string_view text);
// The data file `name` opened through the file service as any file the shell reads by name
// ("System\Banners\sbn-x.rdt": below the data folder when installed, the last component in the
// shell's folder otherwise, then the shell's resources) and read with ParseWholeRdt.
std::unique_ptr<RdtNode> LoadWholeDataFile(std::string_view name);
