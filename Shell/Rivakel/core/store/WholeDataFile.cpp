#include "core/store/WholeDataFile.h"

#include "core/files/CSubsystem_File.h"
#include "core/store/RdtReader.h"

std::unique_ptr<RdtNode> ParseWholeRdt(std::string_view text) {
    std::unique_ptr<RdtNode> root;
    bool closed = false;
    RdtParseOptions options;
    options.rootClosed = &closed;
    if (!ParseRdt(text, root, options) || !closed) root.reset();
    return root;
}

std::unique_ptr<RdtNode> LoadWholeDataFile(std::string_view name) {
    CSubsystem_File* files = FileService();
    if (files == nullptr) return nullptr;
    CFile* file = files->OpenFile(name);
    std::unique_ptr<RdtNode> root;
    if (file->IsOpen()) {
        const std::span<const uint8_t> data = file->GetData();
        root = ParseWholeRdt(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    }
    files->CloseFile(file);
    return root;
}
