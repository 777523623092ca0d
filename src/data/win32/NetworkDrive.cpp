#include "data/win32/NetworkDrive.h"

#include <windows.h>

bool isNetworkDrive(char16_t drive) {
    const wchar_t root[] = {static_cast<wchar_t>(drive), L':', L'\\', L'\0'};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}
