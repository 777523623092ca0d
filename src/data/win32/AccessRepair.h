#pragma once
// Access repair of the program's own files, folders and registry key. A registry key
// is named as the security API names it: "CURRENT_USER\\Software\\...", "MACHINE\\...",
// "USERS\\..." or "CLASSES_ROOT\\...".
#include <string_view>

#include "data/ErrorCodes.h"

// Gives the current user full control and removes every deny entry. The result is
// the code of writing the access list back (0 when it was written); callers that
// only need a best effort may ignore it.
ErrorCode repairAccess(std::u16string_view path);

// Makes the built-in Administrators group the owner of the object.
ErrorCode takeOwnership(std::u16string_view path);

// True on Windows 6 or later when the user belongs to Administrators (the group is in
// the token, perhaps deny-only) but the process does not run with administrator rights.
bool isAdminUnelevated();
