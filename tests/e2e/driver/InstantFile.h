#pragma once
// The immediate-play list "立即播t" from its byte layout alone, independently of the program's
// reader and writer: volume, mode, count, items of 1572 bytes (name, path and extension of
// 260 UTF-16 units each, then length, current mark and played mark), count mode, song count,
// seconds, then the MD5 of everything before it.
#include <optional>
#include <string>
#include <vector>

struct TestInstantItem {
    std::wstring path;  // the name and the extension are derived from it
    int durationMs = -1;
    bool isCurrent = false;
    bool playedInCycle = false;
};

struct TestInstantList {
    int volume = 80;
    int mode = 1;  // 0 single loop, 1 list loop, 2 random
    std::vector<TestInstantItem> items;
    int countMode = 1;  // 1 songs, 0 seconds
    int songCount = 3;
    int seconds = 300;
};

// An item as stored, with the name and extension the file holds.
struct StoredInstantItem {
    std::wstring name;
    std::wstring path;
    std::wstring ext;
    int durationMs = 0;
    bool isCurrent = false;
    bool playedInCycle = false;
};

struct StoredInstantList {
    int volume = 0;
    int mode = 0;
    std::vector<StoredInstantItem> items;
    int countMode = 0;
    int songCount = 0;
    int seconds = 0;
};

// The whole file; none when the system's MD5 is unavailable.
std::optional<std::string> instantFileBytes(const TestInstantList& list);
// The list the program wrote; none when the bytes lack the file's shape or its digest.
std::optional<StoredInstantList> readStoredInstant(const std::string& bytes);
