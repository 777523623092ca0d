#pragma once
// Single owners of GDI objects and memory device contexts.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "winutil/FreedWith.h"

template <typename Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, FreedWith<&DeleteObject>>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

// From CreateCompatibleDC.
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, FreedWith<&DeleteDC>>;
