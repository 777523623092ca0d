#pragma once
// One file of the immediate-play list, stored byte for byte in "立即播t", and the page's
// playing options kept with the list.
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr int instantTextCapacity = 260;  // 259 characters + NUL
inline constexpr std::size_t maxInstantItems = 300;
inline constexpr std::int32_t maxInstantDurationMs = 360000000;  // 100 hours

struct InstantItem {
    char16_t name[instantTextCapacity];  // file name with extension, derived from path
    char16_t path[instantTextCapacity];
    char16_t ext[instantTextCapacity];   // extension of name with its dot, derived from name
    std::int32_t durationMs;             // -1: the length is unknown or the last start failed
    std::int32_t isCurrent;              // 1 for the one item that plays or plays next
    std::int32_t playedInCycle;          // already played in the current random cycle
};
static_assert(sizeof(InstantItem) == 1572);
static_assert(offsetof(InstantItem, name) == 0);
static_assert(offsetof(InstantItem, path) == 520);
static_assert(offsetof(InstantItem, ext) == 1040);
static_assert(offsetof(InstantItem, durationMs) == 1560);
static_assert(offsetof(InstantItem, isCurrent) == 1564);
static_assert(offsetof(InstantItem, playedInCycle) == 1568);

enum InstantMode : std::int32_t { singleLoop = 0, listLoop = 1, randomOrder = 2 };

struct InstantOptions {
    std::int32_t volume = 80;     // 25..100
    std::int32_t mode = listLoop;
    std::int32_t countMode = 1;   // 1 "播 n 首", 0 "播 n 秒"
    std::int32_t songCount = 3;   // >= 0
    std::int32_t seconds = 300;   // >= 0
};

// An item for `path`: name and extension derived from it, not current, not played.
InstantItem makeInstantItem(std::u16string_view path, std::int32_t durationMs);
// The extension of a file name with its dot ("" when there is none).
std::u16string_view extensionOf(std::u16string_view name);
