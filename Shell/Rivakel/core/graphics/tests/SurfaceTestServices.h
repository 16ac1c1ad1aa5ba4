// The session services that surfaces, sequences and animations use, made for one test: a
// headless window with its video service, a clock the test moves, and a file service whose
// memory blocks carry test GIFs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/tests/FakeClockSource.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "platform/headless/HeadlessBackend.h"

class SurfaceTestServices {
public:
    SurfaceTestServices() {
        platform::SetBackend(std::make_unique<platform::headless::HeadlessBackend>());
        platform::WindowParams params;
        params.width = 800;
        params.height = 572;
        window_ = CreateVideoWindow(params);
        video_ = CreateVideoService(window_.get(), {});
        CurrentSurfaceServices() = {};
        CurrentSurfaceServices().video = video_.get();
        time_->tick = 1000;
        CreateClock(std::make_unique<FakeClockSource>(time_));
        CreateFileService(FileServiceConfig{});
    }
    ~SurfaceTestServices() {
        CurrentSurfaceServices() = {};
        DestroyFileService();
        DestroyClock();
    }
    SurfaceTestServices(const SurfaceTestServices&) = delete;
    SurfaceTestServices& operator=(const SurfaceTestServices&) = delete;

    CSubsystem_Video& Video() { return *video_; }
    // What the session's clock reads.
    FakeTime& Time() { return *time_; }

    // Moves the clock in steps of `stepMs`, ticking the timers after each.
    void Advance(uint32_t ms, uint32_t stepMs = 10) {
        for (uint32_t done = 0; done < ms; done += stepMs) {
            time_->tick += std::min(stepMs, ms - done);
            ClockService()->TickAll();
        }
    }

    // A name the file service opens to `bytes`.
    std::string AddFile(std::vector<uint8_t> bytes) {
        return FileService()->MemoryBlocks().Register(std::make_shared<const std::vector<uint8_t>>(std::move(bytes)));
    }

private:
    std::shared_ptr<FakeTime> time_ = std::make_shared<FakeTime>();
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<CSubsystem_Video> video_;
};

// One internal reference on a shell object for the length of a test.
template <typename T>
class Held {
public:
    explicit Held(T* object) : object_(object) { object_->AddInternalRef(); }
    ~Held() {
        if (object_ != nullptr) object_->ReleaseInternalRef();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    // Drops the reference now; true when that deleted the object.
    bool Release() { return std::exchange(object_, nullptr)->ReleaseInternalRef() == 0; }

private:
    T* object_;
};
