#include "winutil/WindowsVersion.h"

#include <cstdint>

namespace {

using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);

// The kernel's shared data page, mapped read-only at this address into every process, and the
// offsets of its version numbers.
constexpr std::uintptr_t sharedDataPage = 0x7FFE0000;
constexpr std::uintptr_t buildNumberOffset = 0x260;
constexpr std::uintptr_t majorVersionOffset = 0x26C;
constexpr std::uintptr_t minorVersionOffset = 0x270;

DWORD sharedDataNumber(std::uintptr_t offset) {
    return *reinterpret_cast<const volatile DWORD*>(sharedDataPage + offset);
}

WindowsVersion reportedVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

}  // namespace

WindowsVersion windowsVersion() {
    const WindowsVersion reported = reportedVersion();
    if (reported.major < 6 || (reported.major == 6 && reported.minor < 2)) return reported;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll ? reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
              : nullptr;
    if (!rtlGetVersion) {
        return {sharedDataNumber(majorVersionOffset), sharedDataNumber(minorVersionOffset),
                sharedDataNumber(buildNumberOffset)};
    }
    OSVERSIONINFOW real{};
    real.dwOSVersionInfoSize = sizeof real;
    if (rtlGetVersion(&real) != 0) return reported;
    return {real.dwMajorVersion, real.dwMinorVersion, real.dwBuildNumber};
}
