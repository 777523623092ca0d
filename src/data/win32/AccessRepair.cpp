#include "data/win32/AccessRepair.h"

#include <windows.h>
#include <aclapi.h>
#include <lmcons.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "data/Text.h"
#include "winutil/WideText.h"
#include "winutil/SystemMemory.h"
#include "winutil/UniqueHandle.h"
#include "winutil/WindowsVersion.h"

namespace {

using SidBuffer = std::array<BYTE, SECURITY_MAX_SID_SIZE>;

bool administratorsSid(SidBuffer& sid) {
    DWORD size = static_cast<DWORD>(sid.size());
    return CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid.data(), &size) != FALSE;
}

struct AdminMembership {
    bool listed = false;     // Administrators is in the token's groups, enabled or deny-only
    bool effective = false;  // the token's access checks count the group: running elevated
};

AdminMembership adminMembership() {
    AdminMembership result;
    SidBuffer admins{};
    if (!administratorsSid(admins)) return result;
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &raw)) return result;
    const UniqueHandle token(raw);

    DWORD size = 0;
    GetTokenInformation(token.get(), TokenGroups, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size != 0 && GetTokenInformation(token.get(), TokenGroups, buffer.data(), size, &size)) {
        const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
        for (DWORD i = 0; i < groups->GroupCount && !result.listed; ++i) {
            result.listed = EqualSid(groups->Groups[i].Sid, admins.data()) != FALSE;
        }
    }

    // An explicit identification token: CheckTokenMembership with a null token
    // answers "not a member" under Wine even when the process is elevated.
    HANDLE rawCopy = nullptr;
    if (DuplicateToken(token.get(), SecurityIdentification, &rawCopy)) {
        const UniqueHandle identification(rawCopy);
        BOOL member = FALSE;
        result.effective = CheckTokenMembership(identification.get(), admins.data(), &member) && member;
    }
    return result;
}

bool belongsToAdministrators() {
    const AdminMembership membership = adminMembership();
    return membership.listed || membership.effective;
}

struct SecurityObject {
    std::wstring name;
    SE_OBJECT_TYPE type;
};

SecurityObject securityObjectOf(std::u16string_view path) {
    for (const std::u16string_view root : {u"USERS", u"MACHINE", u"CURRENT_USER", u"CLASSES_ROOT"}) {
        if (startsWithNoCase(path, root)) {
            // The root spelled as documented: not every implementation compares it case-insensitively.
            return {toWide(root) + toWide(path.substr(root.size())), SE_REGISTRY_KEY};
        }
    }
    return {toWide(path), SE_FILE_OBJECT};
}

void enablePrivilege(const wchar_t* name) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return;
    const UniqueHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
}

// The DACL of the object; `dacl` points into the returned descriptor.
UniqueLocalMemory<void> readDacl(const SecurityObject& object, PACL& dacl, ErrorCode& error) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    dacl = nullptr;
    error = GetNamedSecurityInfoW(object.name.c_str(), object.type, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                                  nullptr, &descriptor);
    return UniqueLocalMemory<void>(error == ERROR_SUCCESS ? descriptor : nullptr);
}

ErrorCode writeDacl(SecurityObject& object, PACL dacl) {
    return SetNamedSecurityInfoW(object.name.data(), object.type, DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl,
                                 nullptr);
}

// `old` merged with full control for the current user, inherited by sub-folders and files.
UniqueLocalMemory<ACL> withUserFullControl(PACL old) {
    std::array<wchar_t, UNLEN + 1> user{};
    DWORD size = static_cast<DWORD>(user.size());
    if (!GetUserNameW(user.data(), &size)) return nullptr;
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = GENERIC_ALL;
    access.grfAccessMode = GRANT_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    BuildTrusteeWithNameW(&access.Trustee, user.data());
    PACL merged = nullptr;
    if (SetEntriesInAclW(1, &access, old, &merged) != ERROR_SUCCESS) return nullptr;
    return UniqueLocalMemory<ACL>(merged);
}

UniqueLocalMemory<ACL> copyOf(const ACL& old) {
    auto* copy = static_cast<ACL*>(LocalAlloc(LMEM_FIXED, old.AclSize));
    if (copy != nullptr) std::memcpy(copy, &old, old.AclSize);
    return UniqueLocalMemory<ACL>(copy);
}

bool isDenyEntry(BYTE type) {
    return type == ACCESS_DENIED_ACE_TYPE || type == ACCESS_DENIED_OBJECT_ACE_TYPE ||
           type == ACCESS_DENIED_CALLBACK_ACE_TYPE || type == ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE;
}

void removeDenyEntries(ACL& acl) {
    for (DWORD index = acl.AceCount; index-- > 0;) {
        void* ace = nullptr;
        if (GetAce(&acl, index, &ace) && isDenyEntry(static_cast<const ACE_HEADER*>(ace)->AceType)) {
            DeleteAce(&acl, index);
        }
    }
}

}  // namespace

ErrorCode takeOwnership(std::u16string_view path) {
    // Without the privilege the owner change below fails and reports why.
    enablePrivilege(SE_TAKE_OWNERSHIP_NAME);
    SidBuffer admins{};
    if (!administratorsSid(admins)) return GetLastError();
    SecurityObject object = securityObjectOf(path);
    return SetNamedSecurityInfoW(object.name.data(), object.type, OWNER_SECURITY_INFORMATION, admins.data(), nullptr,
                                 nullptr, nullptr);
}

ErrorCode repairAccess(std::u16string_view path) {
    SecurityObject object = securityObjectOf(path);
    if (object.type == SE_FILE_OBJECT) SetFileAttributesW(object.name.c_str(), FILE_ATTRIBUTE_NORMAL);

    PACL oldDacl = nullptr;
    ErrorCode error = errorSuccess;
    UniqueLocalMemory<void> descriptor = readDacl(object, oldDacl, error);
    if (error != errorSuccess && belongsToAdministrators()) {
        takeOwnership(path);
        descriptor = readDacl(object, oldDacl, error);
    }
    if (error != errorSuccess) return error;

    UniqueLocalMemory<ACL> dacl = withUserFullControl(oldDacl);
    if (!dacl) {
        // A null list already grants everyone everything: nothing to repair.
        if (oldDacl == nullptr) return errorSuccess;
        dacl = copyOf(*oldDacl);
        if (!dacl) return ERROR_NOT_ENOUGH_MEMORY;
    }
    removeDenyEntries(*dacl);

    error = writeDacl(object, dacl.get());
    if (error != errorSuccess && belongsToAdministrators()) {
        takeOwnership(path);
        error = writeDacl(object, dacl.get());
    }
    return error;
}

bool isAdminUnelevated() {
    if (windowsVersion().major < 6) return false;
    const AdminMembership membership = adminMembership();
    return membership.listed && !membership.effective;
}
