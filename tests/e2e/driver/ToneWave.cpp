#include "e2e/driver/ToneWave.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "e2e/driver/DataFolder.h"

namespace {

constexpr std::uint32_t sampleRate = 22050;

void append(std::string& bytes, const void* data, size_t size) {
    bytes.append(static_cast<const char*>(data), size);
}

template <typename T>
void appendValue(std::string& bytes, T value) {
    append(bytes, &value, sizeof value);
}

}  // namespace

bool writeToneWave(const std::wstring& path, int durationMs) {
    const std::uint32_t samples = sampleRate * static_cast<std::uint32_t>(durationMs) / 1000;
    const std::uint32_t dataSize = samples * 2;
    std::string bytes;
    append(bytes, "RIFF", 4);
    appendValue<std::uint32_t>(bytes, 36 + dataSize);
    append(bytes, "WAVEfmt ", 8);
    appendValue<std::uint32_t>(bytes, 16);
    appendValue<std::uint16_t>(bytes, 1);  // PCM
    appendValue<std::uint16_t>(bytes, 1);  // mono
    appendValue<std::uint32_t>(bytes, sampleRate);
    appendValue<std::uint32_t>(bytes, sampleRate * 2);
    appendValue<std::uint16_t>(bytes, 2);
    appendValue<std::uint16_t>(bytes, 16);
    append(bytes, "data", 4);
    appendValue<std::uint32_t>(bytes, dataSize);
    for (std::uint32_t i = 0; i < samples; ++i) {
        appendValue<std::int16_t>(bytes, static_cast<std::int16_t>(4000 * std::sin(i * 2 * 3.14159265 * 440 / sampleRate)));
    }
    return writeFileBytes(path, bytes);
}
