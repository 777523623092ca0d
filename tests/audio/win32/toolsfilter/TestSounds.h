#pragma once
// The sounds make-test-sounds.sh writes: a 2-second tone in each format to play.
#include <string>
#include <vector>

constexpr long toneLengthMs = 2000;

inline const std::vector<std::wstring>& toneFiles() {
    static const std::vector<std::wstring> files = {L"tone.wav", L"tone.mp3", L"tone.flac", L"tone.ogg",
                                                    L"tone.m4a", L"tone.aac", L"tone.wma",  L"tone.mp2"};
    return files;
}

// For gtest's parameter names: "tone.mp3" gives "mp3".
inline std::string extensionOf(const std::wstring& file) {
    const std::wstring extension = file.substr(file.find_last_of(L'.') + 1);
    return std::string(extension.begin(), extension.end());
}
