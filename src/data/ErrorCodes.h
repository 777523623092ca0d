#pragma once
// The Windows system error codes that the data-file rules tell apart. Every file
// operation reports one of these (or another system code) rather than throwing.
#include <cstdint>

using ErrorCode = std::uint32_t;

inline constexpr ErrorCode errorSuccess = 0;
inline constexpr ErrorCode errorFileNotFound = 2;
inline constexpr ErrorCode errorPathNotFound = 3;
inline constexpr ErrorCode errorAccessDenied = 5;
inline constexpr ErrorCode errorSharingViolation = 32;
inline constexpr ErrorCode errorLockViolation = 33;

// 0, 2 and 3 all mean "nothing is there".
inline bool meansAbsent(ErrorCode code) {
    return code == errorSuccess || code == errorFileNotFound || code == errorPathNotFound;
}
