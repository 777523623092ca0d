#pragma once
// The class the program asks this DLL's DllGetClassObject for.
#include <windows.h>

// {ABE7B1D9-4B3E-4ACD-A0D1-92611D3A4492}
inline constexpr CLSID sourceFilterClassId = {
    0xABE7B1D9, 0x4B3E, 0x4ACD, {0xA0, 0xD1, 0x92, 0x61, 0x1D, 0x3A, 0x44, 0x92}};
