#pragma once
// Single owner of a menu loaded or created by the program (not one a window holds).
#include <windows.h>

#include <memory>
#include <type_traits>

#include "winutil/FreedWith.h"

using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, FreedWith<&DestroyMenu>>;
