#include "frame/cardbacks/LoadCardbacks.h"

#include "core/files/CSubsystem_File.h"
#include "frame/cardbacks/CardbackSettings.h"
#include "frame/cardbacks/CardbackTable.h"

void LoadCardbacks(bool installed) {
    CardbackTable& table = Cardbacks();
    table.Reset();
    CSubsystem_File* files = FileService();
    if (files == nullptr) return;
    files->EnumerateFiles(kCardbackFolder, kCardbackPattern,
                          [&](const std::string& name, const std::string&) { table.LoadCardbackFile(name, installed); });
    files->SetCardBackSource(
        [] { return CardBackChoice{ChosenCardBack(), static_cast<int>(Cardbacks().Count())}; });
}
