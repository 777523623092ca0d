#pragma once
// Single owners of memory a system call allocates and the caller frees.
#include <windows.h>
#include <objbase.h>

#include <memory>

#include "winutil/FreedWith.h"

// Freed with LocalFree: security descriptors and lists, FormatMessage buffers.
template <typename T>
using UniqueLocalMemory = std::unique_ptr<T, FreedWith<&LocalFree>>;

// Freed with CoTaskMemFree: item lists, strings and buffers from COM calls.
template <typename T>
using UniqueCoTaskMemory = std::unique_ptr<T, FreedWith<&CoTaskMemFree>>;
