#pragma once
// The single owner of a mapped view of a file mapping.
#include <windows.h>

#include <utility>

class MappedView {
public:
    MappedView() = default;
    // A view of the first `size` bytes of `mapping`, readable and writable; empty on failure.
    MappedView(HANDLE mapping, SIZE_T size) : view_(MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size)) {}
    ~MappedView() { reset(); }
    MappedView(MappedView&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
    MappedView& operator=(MappedView&& other) noexcept {
        if (this != &other) {
            reset();
            view_ = std::exchange(other.view_, nullptr);
        }
        return *this;
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;

    void* get() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }
    void reset() {
        if (view_ != nullptr) UnmapViewOfFile(view_);
        view_ = nullptr;
    }

private:
    void* view_ = nullptr;
};
