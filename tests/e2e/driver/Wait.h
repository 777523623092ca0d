#pragma once
// Bounded polling: every wait of the end-to-end tests has a deadline.
#include <windows.h>

#include <functional>

// Polls `done` every `pollMs` until it holds or `timeoutMs` have passed; returns its last answer.
bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 50);
