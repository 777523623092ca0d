#include "e2e/driver/Wait.h"

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(pollMs);
    }
}
