#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The playing time of a RIFF/WAVE file in milliseconds, from its fmt chunk's
// byte rate and its data chunk's length (cut to the bytes really present);
// nullopt when the file is not a readable WAVE file.
std::optional<std::int64_t> WavDurationMs(const std::string& path);
