#pragma once
// The current user's SID and a deny entry for it, to set up access-denied objects in the
// Windows tests without going through the code under test.
#include <windows.h>
#include <aclapi.h>

#include <string>
#include <string_view>
#include <vector>

#include "winutil/WideText.h"
#include "winutil/SystemMemory.h"
#include "winutil/UniqueHandle.h"

inline std::vector<BYTE> currentUserSid() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return {};
    const UniqueHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) return {};
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
    const auto* first = static_cast<const BYTE*>(sid);
    return std::vector<BYTE>(first, first + GetLengthSid(sid));
}

// Puts a deny-everything entry for the user in front of the object's access list.
inline DWORD denyUser(std::u16string_view name, SE_OBJECT_TYPE type, std::vector<BYTE>& user) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR raw = nullptr;
    DWORD error = GetNamedSecurityInfoW(toWide(name).c_str(), type, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                        &dacl, nullptr, &raw);
    const UniqueLocalMemory<void> descriptor(raw);
    if (error != ERROR_SUCCESS) return error;
    EXPLICIT_ACCESSW deny{};
    deny.grfAccessPermissions = GENERIC_ALL;
    deny.grfAccessMode = DENY_ACCESS;
    deny.grfInheritance = NO_INHERITANCE;
    BuildTrusteeWithSidW(&deny.Trustee, user.data());
    PACL merged = nullptr;
    error = SetEntriesInAclW(1, &deny, dacl, &merged);
    const UniqueLocalMemory<void> owned(merged);
    if (error != ERROR_SUCCESS) return error;
    std::wstring wide = toWide(name);
    return SetNamedSecurityInfoW(wide.data(), type, DACL_SECURITY_INFORMATION, nullptr, nullptr, merged, nullptr);
}
