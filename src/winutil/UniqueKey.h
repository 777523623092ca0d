#pragma once
// Single owner of an open registry key (never one of the predefined roots).
#include <windows.h>

#include <memory>
#include <type_traits>

#include "winutil/FreedWith.h"

using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, FreedWith<&RegCloseKey>>;
