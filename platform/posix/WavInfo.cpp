#include "platform/posix/WavInfo.h"

#include <algorithm>

#include "platform/posix/BinaryFile.h"

std::optional<std::int64_t> WavDurationMs(const std::string& path) {
    const BinaryFile file(path);
    std::string riff;
    if (!file.Read(0, 12, riff) || riff.compare(0, 4, "RIFF") != 0 ||
        riff.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    std::uint32_t byteRate = 0;
    std::uint64_t at = 12;
    std::string chunk;
    while (file.Read(at, 8, chunk)) {
        const std::uint64_t size = LittleU32(chunk, 4);
        const std::uint64_t body = at + 8;
        if (chunk.compare(0, 4, "fmt ") == 0) {
            std::string format;
            if (size < 16 || !file.Read(body, 16, format))
                return std::nullopt;
            byteRate = LittleU32(format, 8);
        } else if (chunk.compare(0, 4, "data") == 0) {
            if (byteRate == 0)
                return std::nullopt;
            // Streamed files leave the length at its maximum; count what is there.
            const std::uint64_t present = std::min<std::uint64_t>(size, file.Size() - body);
            return static_cast<std::int64_t>(present * 1000 / byteRate);
        }
        at = body + size + (size & 1); // chunks are padded to even lengths
    }
    return std::nullopt;
}
