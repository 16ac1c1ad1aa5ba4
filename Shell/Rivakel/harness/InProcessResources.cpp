#include "harness/InProcessResources.h"

#include <algorithm>

#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"
#include "respack/BlobBuilder.h"

InProcessResources::InProcessResources(const std::string& modulePath, std::initializer_list<std::string_view> leaveOut) {
    const auto module = resources::ResourceModule::FromModuleFile(modulePath);
    if (module == nullptr) return;
    respack::BlobBuilder builder;
    const resources::ResourceBlob& blob = module->Blob();
    for (size_t i = 0; i < blob.ResourceCount(); ++i) {
        const resources::ResourceEntry entry = blob.EntryAt(i);
        if (std::find(leaveOut.begin(), leaveOut.end(), entry.name) != leaveOut.end()) continue;
        builder.AddResource(std::string(entry.type), std::string(entry.name),
                            std::vector<uint8_t>(entry.data.begin(), entry.data.end()));
    }
    std::string error;
    auto packed = builder.Build(&error);
    if (!packed) return;
    auto applet = resources::ResourceModule::FromBlob(std::move(*packed), module->Label());
    loaded_ = applet != nullptr;
    resources::ResourceRegistry::Instance().SetApplet(std::move(applet));
}

InProcessResources::~InProcessResources() { resources::ResourceRegistry::Instance().ClearApplet(); }
