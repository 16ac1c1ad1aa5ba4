// A read-only stream over one named file, opened by IShellFactory::OpenFile. Reads stop at
// the end of the data; missing bytes read as zero.
#pragma once

#include "frame/api/ShellObject.h"

class IFile : public IShellObject {
public:
    // Lets go of the data behind the stream. 0.
    virtual int Close() = 0;                                                              // 2
    // The next byte; past the end 0 with *more = 0. `more` may be null.
    virtual char ReadChar(int* more) = 0;                                                 // 3
    // Skips past the next '"' and copies up to max characters until the next '"', then NUL
    // (max + 1 bytes of room). max < 0 writes nothing. 0.
    virtual int ReadQuoted(char* buffer, int max) = 0;                                    // 4
    // Skips blanks and lines beginning with '/', then an optional '-' and digits. 0.
    virtual int ReadInt(int* out) = 0;                                                    // 5
    // count -1: bytes up to a NUL or the end, cut to bufferSize and terminated; otherwise
    // exactly count bytes (at most bufferSize). Returns buffer.
    virtual char* ReadString(char* buffer, int count, int bufferSize) = 0;                // 6
    // b0 + b1 x 256 + b2 x 65536 of four bytes; stored and returned.
    virtual int ReadColour(int* out) = 0;                                                 // 7
    // Little-endian.
    virtual void ReadShort(short* out) = 0;                                               // 8
    virtual char ReadByte(char* out) = 0;                                                 // 9
    // Moves the position by count, kept within the data. 0.
    virtual int Skip(int count) = 0;                                                      // 10

protected:
    IFile() = default;
    ~IFile() override = default;
};
