#include "core/base/WaitSources.h"

#include <algorithm>

namespace {

std::vector<CWaitSource*>& Sources() {
    static std::vector<CWaitSource*> sources;
    return sources;
}

bool Registered(const CWaitSource* source) {
    const auto& sources = Sources();
    return std::find(sources.begin(), sources.end(), source) != sources.end();
}

}  // namespace

void RegisterWaitSource(CWaitSource* source) {
    if (source != nullptr && !Registered(source)) Sources().push_back(source);
}

void UnregisterWaitSource(CWaitSource* source) { std::erase(Sources(), source); }

bool WaitForEventOrSources(platform::Backend& backend, platform::Event& event, uint32_t timeoutMs) {
    const std::vector<CWaitSource*> sources = Sources();
    std::vector<platform::WaitHandle> handles;
    std::vector<size_t> firsts;
    for (CWaitSource* source : sources) {
        firsts.push_back(handles.size());
        source->AddWaitHandles(handles);
    }
    firsts.push_back(handles.size());
    const bool got = backend.WaitEventOrHandles(event, timeoutMs, handles);
    for (size_t i = 0; i < sources.size(); ++i) {
        const std::span<const platform::WaitHandle> own(handles.data() + firsts[i], firsts[i + 1] - firsts[i]);
        const bool ready = std::any_of(own.begin(), own.end(), [](const auto& h) { return h.readable || h.writable; });
        // A source that went away in an earlier source's callback is not called.
        if (ready && Registered(sources[i])) sources[i]->OnWaitHandles(own);
    }
    return got;
}
