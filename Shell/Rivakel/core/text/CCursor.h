// A mouse cursor of the shell, made from a cursor resource of the shell program.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/base/RefCounted.h"
#include "platform/Platform.h"

class CCursor : public CRefCounted {
public:
    // `cursor` is null when the resource could not be made into a cursor.
    CCursor(std::string_view name, std::unique_ptr<platform::Cursor> cursor)
        : name_(name), cursor_(std::move(cursor)) {}

    const std::string& Name() const { return name_; }
    // The platform cursor, null when loading failed.
    const platform::Cursor* Handle() const { return cursor_.get(); }

private:
    std::string name_;
    std::unique_ptr<platform::Cursor> cursor_;
};
