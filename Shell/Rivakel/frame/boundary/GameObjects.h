// What a running game made through the factory and the services: its interface objects, the
// shell objects made for it and the callbacks it registered. The game host makes one for every
// start and, after the game's stop, has everything left stopped, detached and released, so
// that nothing of the game outlives it and nothing calls into its unloaded code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "core/base/RefCounted.h"
#include "frame/api/ShellObject.h"

class BoundaryObject;

class GameObjects final : public RefCountedWatcher {
public:
    // Stops a shell object of the game at its end (a timer, a listener, a sound, a surface
    // attached to a shell surface). `game` tells the game's objects from the shell's.
    using StopAction = void (*)(CRefCounted& object, const GameObjects& game);

    // A callback as a shell object is given it: for a game, a number that finds the game's
    // callback only while that game runs; outside games, the callback itself.
    struct Route {
        AppletCallback function = nullptr;
        void* context = nullptr;
        uint64_t id = 0;  // 0 for a direct route
    };

    // Becomes the running game's objects; one at a time.
    GameObjects();
    // Whatever is still watched is let go of (Reclaim has ended the rest).
    ~GameObjects();
    GameObjects(const GameObjects&) = delete;
    GameObjects& operator=(const GameObjects&) = delete;

    // The running game's objects while game code runs, else null: what is made then is the game's.
    static GameObjects* Adopting();
    // `callback` with `context` as word 0 of its record: routed through the running game while
    // game code runs, else direct. A null callback stays null.
    static Route RouteCallback(AppletCallback callback, void* context);

    // A shell object just made for the game, with the route of its callback (0: none). A kept
    // one is held until the game's end even when the game lets go of it (a sound it released
    // still plays, and stops with the game).
    void Adopt(CRefCounted* object, StopAction stop, uint64_t route = 0, bool keep = false);
    bool Owns(const CRefCounted* object) const { return made_.contains(const_cast<CRefCounted*>(object)); }
    size_t InterfaceObjectCount() const { return interfaces_.size(); }

    // After the game's stop: its callbacks are disarmed first, then what it made is stopped,
    // its interface objects are released and so are the references it lost through Destroy.
    // Answers how many of the game's shell objects the shell itself still holds.
    int Reclaim();

    void Ended(CRefCounted& object) override;

private:
    friend class BoundaryObject;

    struct Made {
        StopAction stop = nullptr;
        uint64_t route = 0;
        bool kept = false;
    };
    struct Callback {
        AppletCallback function = nullptr;
        void* context = nullptr;
    };

    void Enlist(BoundaryObject& object, CRefCounted* inner, bool tookReference);
    void Forget(BoundaryObject& object);
    void ReferenceReturned(CRefCounted* inner);
    void StopWhatWasMade();
    void ReleaseInterfaceObjects();
    void ReleaseLostReferences();
    void ReleaseKept();
    // Where routed callbacks arrive: word 0 is the route's number.
    static int CallBack(intptr_t* args);

    std::unordered_map<CRefCounted*, Made> made_;
    std::unordered_set<BoundaryObject*> interfaces_;
    // Interface references the game's interface objects took and have not given back.
    std::unordered_map<CRefCounted*, int> references_;
    std::unordered_map<uint64_t, Callback> callbacks_;
};
