#include "shell/win32/EmbeddedFont.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>

#include "shell/win32/ShellResources.h"

namespace {

std::unique_ptr<Gdiplus::PrivateFontCollection> privateFonts;
HANDLE gdiFonts[2] = {};

}  // namespace

void registerEmbeddedFont(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_EMBEDDED_FONT), L"Binary");
    if (found == nullptr) return;
    const DWORD size = SizeofResource(instance, found);
    const HGLOBAL loaded = LoadResource(instance, found);
    void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return;
    // The resource stays mapped for the life of the module, as both registrations require.
    privateFonts = std::make_unique<Gdiplus::PrivateFontCollection>();
    privateFonts->AddMemoryFont(bytes, static_cast<INT>(size));
    for (HANDLE& handle : gdiFonts) {
        DWORD count = 0;
        handle = AddFontMemResourceEx(bytes, size, nullptr, &count);
    }
}

void releaseEmbeddedFont() {
    privateFonts.reset();
    for (HANDLE& handle : gdiFonts) {
        if (handle != nullptr) RemoveFontMemResourceEx(handle);
        handle = nullptr;
    }
}
