// Writes the program's default action sounds as 16-bit mono PCM WAV files.
// Each sound is a short sequence of synthesized tones, so the files are made
// the same way on every build.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

struct Tone {
    double freq;  // Hz; 0 is silence
    int ms;       // duration
    double level; // 0..1
    double glide; // frequency at the end (0: no glide)
    bool bell;    // decaying partials instead of a flat tone
};

struct Sound {
    const char* file;
    std::vector<Tone> tones;
};

void AppendTone(std::vector<int16_t>& out, const Tone& t) {
    const int n = kRate * t.ms / 1000;
    const int ramp = std::min(n / 4, kRate / 200); // 5 ms fade to avoid clicks
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double pos = static_cast<double>(i) / n;
        const double f = t.glide > 0 ? t.freq + (t.glide - t.freq) * pos : t.freq;
        phase += 2 * kPi * f / kRate;
        double v = 0;
        if (t.freq > 0) {
            if (t.bell) {
                const double decay = std::exp(-4.0 * pos);
                v = decay *
                    (std::sin(phase) + 0.5 * std::sin(2.76 * phase) +
                     0.25 * std::sin(5.4 * phase)) /
                    1.75;
            } else {
                v = std::sin(phase) * 0.8 + std::sin(3 * phase) * 0.2;
            }
        }
        double env = 1.0;
        if (i < ramp)
            env = static_cast<double>(i) / ramp;
        else if (i > n - ramp)
            env = static_cast<double>(n - i) / ramp;
        out.push_back(static_cast<int16_t>(std::lround(v * env * t.level * 30000)));
    }
}

void Put32(std::FILE* f, uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    std::fwrite(b, 1, 4, f);
}

void Put16(std::FILE* f, uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    std::fwrite("data", 1, 4, f);
    Put32(f, dataBytes);
    for (int16_t s : samples)
        Put16(f, static_cast<uint16_t>(s));
    return std::fclose(f) == 0;
}

const std::vector<Sound>& Sounds() {
    static const std::vector<Sound> sounds = {
        {"DV_Launch_App.wav", {{523, 60, 0.5, 0, false}, {784, 90, 0.5, 0, false}}},
        {"DV_Button_Click.wav", {{1800, 18, 0.4, 900, false}}},
        {"DV_Beep_High.wav", {{1320, 80, 0.4, 0, false}}},
        {"DV_Beep_Low.wav", {{440, 80, 0.4, 0, false}}},
        {"DV_Add.wav",
         {{660, 60, 0.5, 0, false}, {880, 60, 0.5, 0, false}, {1100, 80, 0.5, 0, false}}},
        {"DV_Delete.wav", {{700, 120, 0.5, 300, false}}},
        {"DV_Copy_1.wav", {{988, 70, 0.45, 0, false}}},
        {"DV_Copy_2.wav",
         {{988, 50, 0.45, 0, false}, {0, 30, 0, 0, false}, {1319, 80, 0.45, 0, false}}},
        {"DV_Move_1.wav", {{600, 90, 0.45, 800, false}}},
        {"DV_Move_2.wav", {{800, 90, 0.45, 600, false}}},
        {"DV_Copy_Icon_1.wav", {{1568, 50, 0.35, 0, false}}},
        {"DV_Copy_Icon_2.wav", {{1568, 40, 0.35, 0, false}, {2093, 60, 0.35, 0, false}}},
        {"DV_Shift_Right.wav",
         {{500, 40, 0.4, 0, false}, {630, 40, 0.4, 0, false}, {750, 60, 0.4, 0, false}}},
        {"DV_Shift_Left.wav",
         {{750, 40, 0.4, 0, false}, {630, 40, 0.4, 0, false}, {500, 60, 0.4, 0, false}}},
        {"DV_Add_To_Favorites.wav", {{880, 70, 0.45, 0, true}, {1175, 160, 0.45, 0, true}}},
        {"DV_Properties.wav", {{1047, 50, 0.35, 0, false}, {784, 60, 0.35, 0, false}}},
        {"DV_Pop.wav", {{400, 40, 0.6, 1400, false}}},
        {"DV_Alarm.wav",
         {{1760, 120, 0.5, 0, false},
          {0, 60, 0, 0, false},
          {1760, 120, 0.5, 0, false},
          {0, 60, 0, 0, false},
          {1760, 120, 0.5, 0, false},
          {0, 200, 0, 0, false},
          {1760, 120, 0.5, 0, false},
          {0, 60, 0, 0, false},
          {1760, 120, 0.5, 0, false}}},
        {"DV_Quarter_Hour_Chime.wav",
         {{659, 350, 0.5, 0, true},
          {523, 350, 0.5, 0, true},
          {587, 350, 0.5, 0, true},
          {392, 700, 0.5, 0, true}}},
        {"DV_Hour_Chime.wav",
         {{392, 900, 0.6, 0, true}, {392, 900, 0.6, 0, true}, {392, 1200, 0.6, 0, true}}},
    };
    return sounds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const Sound& s : Sounds()) {
        std::vector<int16_t> samples;
        for (const Tone& t : s.tones)
            AppendTone(samples, t);
        if (!WriteWav(folder + "/" + s.file, samples)) {
            std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), s.file);
            return 1;
        }
    }
    return 0;
}
