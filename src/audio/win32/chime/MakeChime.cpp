// Writes the tools folder's test sound: a 0.4 s two-tone chime, 44.1 kHz 16-bit stereo WAV.
// Runs on the build machine, so it uses only the standard library.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<unsigned char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
        return 2;
    }
    constexpr std::uint32_t rate = 44100;
    constexpr std::uint16_t channels = 2;
    constexpr std::uint32_t frames = rate * 2 / 5;
    constexpr double pi = 3.14159265358979323846;

    std::vector<unsigned char> wav;
    putTag(wav, "RIFF");
    put32(wav, 36 + frames * channels * 2);
    putTag(wav, "WAVE");
    putTag(wav, "fmt ");
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, channels);
    put32(wav, rate);
    put32(wav, rate * channels * 2);
    put16(wav, channels * 2);
    put16(wav, 16);
    putTag(wav, "data");
    put32(wav, frames * channels * 2);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        // A soft attack avoids a click; the decay fades to silence by the end.
        const double envelope = std::fmin(t / 0.005, 1.0) * std::exp(-t * 9.0);
        const double tone = 0.6 * std::sin(2 * pi * 880.0 * t) + 0.4 * std::sin(2 * pi * 1320.0 * t);
        const auto sample = static_cast<std::int16_t>(std::lround(tone * envelope * 0.5 * 32767));
        for (std::uint16_t c = 0; c < channels; ++c) put16(wav, static_cast<std::uint16_t>(sample));
    }

    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    const bool written = std::fwrite(wav.data(), 1, wav.size(), file) == wav.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
