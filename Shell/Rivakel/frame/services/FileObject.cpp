#include <algorithm>
#include <cstring>

#include "core/files/File.h"
#include "frame/boundary/InterfaceObject.h"
#include "frame/services/AppletText.h"
#include "frame/services/ServiceObjects.h"

namespace {

class FileObject final : public InterfaceObject<IFile, CFile> {
public:
    using InterfaceObject::InterfaceObject;

    int Close() override { return inner()->Close(); }

    char ReadChar(int* more) override {
        bool stillMore = true;
        const char c = inner()->ReadChar(&stillMore);
        if (more != nullptr) *more = stillMore ? 1 : 0;
        return c;
    }

    int ReadQuoted(char* buffer, int max) override {
        if (buffer == nullptr || max < 0) return 0;
        return inner()->ReadQuotedString({buffer, static_cast<size_t>(max) + 1});
    }

    int ReadInt(int* out) override {
        int32_t value = 0;
        inner()->ReadInt(value);
        if (out != nullptr) *out = value;
        return 0;
    }

    char* ReadString(char* buffer, int count, int bufferSize) override {
        const std::span<char> out = AppletBuffer(buffer, bufferSize);
        if (count == -1) {
            if (out.empty()) {
                // Still consume the string so the stream stays in step.
                char ignored[1];
                inner()->ReadBytesToNul(ignored);
            } else {
                inner()->ReadBytesToNul(out);
            }
            return buffer;
        }
        if (count <= 0) return buffer;
        const size_t wanted = static_cast<size_t>(count);
        const size_t fits = std::min(wanted, out.size());
        const size_t read = inner()->ReadBytes({reinterpret_cast<uint8_t*>(out.data()), fits});
        // Missing bytes read as zero; bytes beyond the buffer (all of them without one) are passed over.
        if (fits > read) std::memset(out.data() + read, 0, fits - read);
        if (wanted > fits) inner()->Skip(static_cast<int64_t>(wanted - fits));
        return buffer;
    }

    int ReadColour(int* out) override {
        int32_t value = 0;
        inner()->ReadColour(value);
        if (out != nullptr) *out = value;
        return value;
    }

    void ReadShort(short* out) override {
        int16_t value = 0;
        inner()->ReadShort(value);
        if (out != nullptr) *out = value;
    }

    char ReadByte(char* out) override {
        uint8_t value = 0;
        inner()->ReadByte(value);
        if (out != nullptr) *out = static_cast<char>(value);
        return static_cast<char>(value);
    }

    int Skip(int count) override { return inner()->Skip(count); }
};

}  // namespace

IFile* MakeFileObject(CFile* file) { return file != nullptr ? new FileObject(file) : nullptr; }
