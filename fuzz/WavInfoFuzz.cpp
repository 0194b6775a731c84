// Feeds arbitrary bytes to the WAVE header reader, which tells how long a
// sound plays: no crash, and never a negative length.

#include "fuzz/MemoryFile.h"
#include "platform/posix/WavInfo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    const std::string path = file.Hold(data, size);
    if (path.empty())
        return 0;
    if (const auto ms = WavDurationMs(path); ms && *ms < 0)
        std::abort();
    return 0;
}
