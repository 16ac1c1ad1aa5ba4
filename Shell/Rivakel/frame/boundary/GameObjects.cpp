#include "frame/boundary/GameObjects.h"

#include <utility>
#include <vector>

#include "core/base/Log.h"
#include "frame/boundary/GameCall.h"
#include "frame/boundary/InterfaceObject.h"

namespace {

GameObjects* g_running = nullptr;
// Never reused, so a route of a game that has stopped finds nothing.
uint64_t g_lastRoute = 0;

template <class Map>
std::vector<typename Map::key_type> KeysOf(const Map& map) {
    std::vector<typename Map::key_type> keys;
    keys.reserve(map.size());
    for (const auto& entry : map) keys.push_back(entry.first);
    return keys;
}

}  // namespace

GameObjects::GameObjects() {
    if (g_running != nullptr) Error("Error - a second game's objects were started while one runs");
    g_running = this;
}

GameObjects::~GameObjects() {
    for (auto& [object, made] : made_) object->SetWatcher(nullptr);
    for (BoundaryObject* object : interfaces_) object->owner_ = nullptr;
    if (g_running == this) g_running = nullptr;
}

GameObjects* GameObjects::Adopting() { return InsideGameCall() ? g_running : nullptr; }

GameObjects::Route GameObjects::RouteCallback(AppletCallback callback, void* context) {
    GameObjects* game = Adopting();
    if (callback == nullptr || game == nullptr) return Route{callback, context, 0};
    const uint64_t id = ++g_lastRoute;
    game->callbacks_.emplace(id, Callback{callback, context});
    return Route{&GameObjects::CallBack, reinterpret_cast<void*>(static_cast<uintptr_t>(id)), id};
}

int GameObjects::CallBack(intptr_t* args) {
    GameObjects* game = g_running;
    if (game == nullptr || args == nullptr) return 1;
    const auto found = game->callbacks_.find(static_cast<uint64_t>(args[0]));
    if (found == game->callbacks_.end()) return 1;
    const Callback callback = found->second;
    args[0] = reinterpret_cast<intptr_t>(callback.context);
    return CallGame("a game callback", 1, [&] { return callback.function(args); });
}

void GameObjects::Adopt(CRefCounted* object, StopAction stop, uint64_t route, bool keep) {
    if (object == nullptr) return;
    made_[object] = Made{stop, route, keep};
    object->SetWatcher(this);
    if (keep) object->AddInternalRef();
}

void GameObjects::Ended(CRefCounted& object) {
    const auto found = made_.find(&object);
    if (found == made_.end()) return;
    if (found->second.route != 0) callbacks_.erase(found->second.route);
    made_.erase(found);
}

void GameObjects::Enlist(BoundaryObject& object, CRefCounted* inner, bool tookReference) {
    object.owner_ = this;
    interfaces_.insert(&object);
    if (tookReference) ++references_[inner];
}

void GameObjects::Forget(BoundaryObject& object) {
    interfaces_.erase(&object);
    object.owner_ = nullptr;
}

void GameObjects::ReferenceReturned(CRefCounted* inner) {
    const auto found = references_.find(inner);
    if (found != references_.end() && --found->second <= 0) references_.erase(found);
}

int GameObjects::Reclaim() {
    callbacks_.clear();
    StopWhatWasMade();
    ReleaseInterfaceObjects();
    ReleaseLostReferences();
    ReleaseKept();
    const int held = static_cast<int>(made_.size());
    if (held > 0) Warning("Warning - the shell still holds %d objects of the stopped game", held);
    return held;
}

void GameObjects::StopWhatWasMade() {
    // A stop may end other objects of the game (a detached surface takes its children along).
    for (CRefCounted* object : KeysOf(made_)) {
        const auto found = made_.find(object);
        if (found != made_.end() && found->second.stop != nullptr) found->second.stop(*object, *this);
    }
}

void GameObjects::ReleaseInterfaceObjects() {
    const std::vector<BoundaryObject*> left(interfaces_.begin(), interfaces_.end());
    if (!left.empty()) Warning("Warning - the stopped game left %zu interface objects; released", left.size());
    for (BoundaryObject* object : left)
        if (interfaces_.contains(object)) object->self_.Release();
}

void GameObjects::ReleaseKept() {
    for (CRefCounted* object : KeysOf(made_)) {
        const auto found = made_.find(object);
        if (found == made_.end() || !found->second.kept) continue;
        found->second.kept = false;
        object->ReleaseInternalRef();
    }
}

void GameObjects::ReleaseLostReferences() {
    // References lost through Destroy: the shell objects they hold cannot have ended.
    const auto lost = std::exchange(references_, {});
    for (const auto& [inner, count] : lost)
        for (int i = 0; i < count; ++i) inner->ReleaseInterfaceRef();
}
