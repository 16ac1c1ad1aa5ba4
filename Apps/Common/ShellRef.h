// Owners of what a game gets from the shell: one reference each, released when the owner goes.
#pragma once

#include <utility>

#include "frame/api/ISurface.h"

// One reference on a shell object (an image, a sound, a timer, a listener, a font, a surface).
template <class T>
class ShellRef {
public:
    ShellRef() = default;
    explicit ShellRef(T* object) : object_(object) {}
    ~ShellRef() { Reset(); }
    ShellRef(ShellRef&& other) noexcept : object_(other.Take()) {}
    ShellRef& operator=(ShellRef&& other) noexcept {
        if (this != &other) Reset(other.Take());
        return *this;
    }
    ShellRef(const ShellRef&) = delete;
    ShellRef& operator=(const ShellRef&) = delete;

    void Reset(T* object = nullptr) {
        if (T* old = std::exchange(object_, object)) old->Release();
    }
    T* Take() { return std::exchange(object_, nullptr); }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For the shell's "get" slots that write a new reference: drops the one held first.
    T** Out() {
        Reset();
        return &object_;
    }

private:
    T* object_ = nullptr;
};

// A surface the game put on a parent surface: detached from it before its reference goes, so the
// parent never draws a child that is gone.
class AttachedSurface {
public:
    AttachedSurface() = default;
    AttachedSurface(ISurface* parent, ISurface* child) : parent_(parent), child_(child) {}
    ~AttachedSurface() { Reset(); }
    AttachedSurface(AttachedSurface&& other) noexcept
        : parent_(std::exchange(other.parent_, nullptr)), child_(std::move(other.child_)) {}
    AttachedSurface& operator=(AttachedSurface&& other) noexcept {
        if (this != &other) {
            Reset();
            parent_ = std::exchange(other.parent_, nullptr);
            child_ = std::move(other.child_);
        }
        return *this;
    }
    AttachedSurface(const AttachedSurface&) = delete;
    AttachedSurface& operator=(const AttachedSurface&) = delete;

    void Reset() {
        if (child_ && parent_ != nullptr) parent_->DetachSurface(child_.Get());
        child_.Reset();
        parent_ = nullptr;
    }
    ISurface* Get() const { return child_.Get(); }
    ISurface* operator->() const { return child_.Get(); }
    explicit operator bool() const { return static_cast<bool>(child_); }

private:
    ISurface* parent_ = nullptr;
    ShellRef<ISurface> child_;
};
