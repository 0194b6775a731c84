#include "platform/posix/WavInfo.h"

#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace {

std::string U32(std::uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
}

std::string Chunk(const std::string& id, const std::string& body, std::uint32_t size) {
    std::string s = id + U32(size) + body;
    if (body.size() % 2)
        s += '\0';
    return s;
}

// A format chunk body: PCM, `channels`, `rate` samples per second, 16 bits.
std::string Format(std::uint32_t rate, std::uint16_t channels) {
    const std::uint32_t byteRate = rate * channels * 2;
    std::string s = std::string("\1\0", 2) + static_cast<char>(channels) + '\0' + U32(rate) +
                    U32(byteRate) + static_cast<char>(channels * 2) + '\0' + "\x10" + '\0';
    return s;
}

std::string Wave(const std::string& chunks) {
    return "RIFF" + U32(static_cast<std::uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

TEST(WavInfoTest, LengthComesFromByteRateAndTheDataReallyPresent) {
    TempDir dir;
    const std::string fmt = Chunk("fmt ", Format(8000, 1), 16); // 16000 bytes a second
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<std::int64_t> ms;
    };
    const std::vector<Case> cases = {
        {"plain", Wave(fmt + Chunk("data", std::string(8000, '\0'), 8000)), 500},
        {"odd chunk before data",
         Wave(fmt + Chunk("LIST", "abc", 3) + Chunk("data", std::string(16000, '\0'), 16000)),
         1000},
        {"streamed length", Wave(fmt + Chunk("data", std::string(1600, '\0'), 0xffffffffu)), 100},
        {"data before fmt", Wave(Chunk("data", std::string(16, '\0'), 16) + fmt), std::nullopt},
        {"zero byte rate", Wave(Chunk("fmt ", std::string(16, '\0'), 16) + Chunk("data", "xx", 2)),
         std::nullopt},
        {"no data chunk", Wave(fmt), std::nullopt},
        {"short fmt", Wave(Chunk("fmt ", "abcd", 4)), std::nullopt},
        {"not riff", "RIFX" + U32(4) + "WAVE", std::nullopt},
        {"not wave", "RIFF" + U32(4) + "AVI ", std::nullopt},
        {"truncated", "RIFF", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WavDurationMs(dir.Write("s.wav", c.bytes)), c.ms) << c.name;
    EXPECT_EQ(WavDurationMs(dir.File("missing.wav")), std::nullopt);
}

} // namespace
