#pragma once
// Single owners of kernel handles. Calls mark a missing handle in one of two ways: most give
// null, CreateFile and FindFirstFile give INVALID_HANDLE_VALUE; each owner knows its own.
#include <windows.h>

#include <utility>

enum class NoHandle { null, invalidValue };

template <NoHandle none, auto close = &CloseHandle>
class UniqueHandleOf {
public:
    UniqueHandleOf() = default;
    explicit UniqueHandleOf(HANDLE handle) : handle_(handle) {}
    ~UniqueHandleOf() { reset(); }
    UniqueHandleOf(UniqueHandleOf&& other) noexcept : handle_(other.release()) {}
    UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.release();
        }
        return *this;
    }
    UniqueHandleOf(const UniqueHandleOf&) = delete;
    UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != missing(); }
    void reset() {
        if (*this) close(handle_);
        handle_ = missing();
    }

private:
    static HANDLE missing() { return none == NoHandle::null ? nullptr : INVALID_HANDLE_VALUE; }
    HANDLE release() { return std::exchange(handle_, missing()); }

    HANDLE handle_ = missing();
};

// Threads, processes, tokens, events, mutexes.
using UniqueHandle = UniqueHandleOf<NoHandle::null>;
// From CreateFile.
using UniqueFileHandle = UniqueHandleOf<NoHandle::invalidValue>;
// From FindFirstFile.
using UniqueFindHandle = UniqueHandleOf<NoHandle::invalidValue, &FindClose>;
