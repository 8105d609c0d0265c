#pragma once

#include <malloc.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace tarvanel::bench {

// The process's resident set in kB, from /proc/self/status (VmRSS).
inline std::int64_t residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            std::int64_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// Bytes the heap has handed out and not had back (glibc's count).
inline std::int64_t heapBytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

} // namespace tarvanel::bench
