#pragma once
// The deleter of a std::unique_ptr that owns what a Win32 call hands out: `free` is the call
// that gives it back (DeleteObject, DestroyMenu, LocalFree, ...).
template <auto free>
struct FreedWith {
    template <typename T>
    void operator()(T* owned) const {
        free(owned);
    }
};
