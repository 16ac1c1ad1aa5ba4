// The crash record: what a crashing process writes about itself, in a fixed binary layout, for
// a fresh process to turn into the error report. Written only with write() from the fatal-signal
// handler, so nothing in it needs allocation or formatting.
//
// Layout, all little-endian: a CrashRecordHeader, then sections, each a CrashSectionHeader and
// `length` bytes, and last an End section (length 0). A record without the End section was cut
// short (the writer died or the disk filled); what came before it still counts.
#pragma once

#include <cstdint>

namespace platform::crash {

inline constexpr char kRecordMagic[8] = {'R', 'V', 'K', 'C', 'R', 'S', 'H', '1'};
inline constexpr uint32_t kRecordVersion = 1;
inline constexpr uint32_t kMachineX86_64 = 62;  // the ELF machine number

// The registers of the x86-64 context, in record order.
enum Register : uint32_t {
    Rax, Rbx, Rcx, Rdx, Rsi, Rdi, Rbp, Rsp, R8, R9, R10, R11, R12, R13, R14, R15,
    Rip, Eflags, Cs, Ss, Ds, Es, Fs, Gs, RegisterCount
};
inline constexpr uint32_t kMaxRegisters = 32;

struct CrashRecordHeader {
    char magic[8];
    uint32_t version;
    uint32_t machine;
    uint32_t signal;
    int32_t code;            // si_code: how the signal came about
    uint64_t faultAddress;   // the address the signal names (the memory touched, for SIGSEGV)
    uint64_t processId;
    uint64_t timeSeconds;    // since 1970, UTC
    uint32_t registerCount;  // at most kMaxRegisters
    uint32_t reserved;
    uint64_t registers[kMaxRegisters];
};
static_assert(sizeof(CrashRecordHeader) == 56 + 8 * kMaxRegisters);

enum SectionTag : uint32_t {
    Maps = 1,    // the text of /proc/self/maps
    Stack = 2,   // 8 bytes: the address of the first byte that follows; then the stack's bytes
    Errors = 3,  // the tracked error lines, each ended by a NUL
    End = 0xFFFF,
};

struct CrashSectionHeader {
    uint32_t tag;
    uint32_t reserved;
    uint64_t length;
};
static_assert(sizeof(CrashSectionHeader) == 16);

// The length of a section whose writer died before it was done: it runs to the end of the file.
inline constexpr uint64_t kUnfinished = ~uint64_t{0};

// Bounds the writer keeps and the reader may rely on.
inline constexpr uint64_t kMaxMapsBytes = 4u << 20;
inline constexpr uint64_t kMaxStackBytes = 256u << 10;
inline constexpr uint64_t kMaxErrorBytes = 1u << 20;

}  // namespace platform::crash
