#pragma once
// A short tone as a PCM WAV file, made at test time so that its length is known exactly.
#include <string>

bool writeToneWave(const std::wstring& path, int durationMs);
