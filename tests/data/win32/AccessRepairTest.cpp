// Access repair on registry keys and files, and the administrator test. Wine enforces
// registry ACLs even for root, so a denied key shows the repair working end to end.
#include "data/win32/AccessRepair.h"

#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/win32/Win32TestFiles.h"
#include "winutil/WideText.h"
#include "support/TempFolder.h"
#include "support/win32/UserAccess.h"
#include "winutil/SystemMemory.h"
#include "winutil/UniqueHandle.h"

namespace {

struct AclSummary {
    int denyEntries = 0;
    bool userAllowedAll = false;    // an allow entry for the user with full access
    bool userAllowInherits = false;  // ... inherited by sub-folders and files
};

AclSummary summarize(PACL acl, std::vector<BYTE>& user) {
    AclSummary summary;
    for (DWORD i = 0; acl != nullptr && i < acl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(acl, i, &ace)) continue;
        const auto* header = static_cast<const ACE_HEADER*>(ace);
        if (header->AceType == ACCESS_DENIED_ACE_TYPE || header->AceType == ACCESS_DENIED_OBJECT_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_CALLBACK_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE) {
            ++summary.denyEntries;
        }
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
        if (!EqualSid(const_cast<DWORD*>(&allowed->SidStart), user.data())) continue;
        // Windows may store the grant mapped to the object's rights; Wine keeps GENERIC_ALL.
        if ((allowed->Mask & GENERIC_ALL) != 0 || (allowed->Mask & 0x1F01FF) == 0x1F01FF ||
            (allowed->Mask & KEY_ALL_ACCESS) == KEY_ALL_ACCESS) {
            summary.userAllowedAll = true;
        }
        constexpr BYTE inherits = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
        if ((header->AceFlags & inherits) == inherits) summary.userAllowInherits = true;
    }
    return summary;
}

// Reads the access list of a named object, as repairAccess names it.
AclSummary summarizeObject(std::u16string_view name, SE_OBJECT_TYPE type, std::vector<BYTE>& user) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR raw = nullptr;
    const DWORD error = GetNamedSecurityInfoW(toWide(name).c_str(), type, DACL_SECURITY_INFORMATION, nullptr,
                                              nullptr, &dacl, nullptr, &raw);
    const UniqueLocalMemory<void> descriptor(raw);
    if (error != ERROR_SUCCESS) {
        ADD_FAILURE() << "reading the access list failed with " << error;
        return {};
    }
    return summarize(dacl, user);
}

// A key under HKCU\Software for one test, deleted afterwards.
class TestKey {
public:
    explicit TestKey(std::u16string_view name)
        : subKey_(u"Software\\lvtx-test-" + std::u16string(name) + u"-" +
                  fromWide(std::to_wstring(GetCurrentProcessId()))) {
        HKEY key = nullptr;
        created_ = RegCreateKeyExW(HKEY_CURRENT_USER, toWide(subKey_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                   &key, nullptr) == ERROR_SUCCESS;
        if (created_) RegCloseKey(key);
    }
    ~TestKey() {
        repairAccess(u"CURRENT_USER\\" + subKey_);
        RegDeleteKeyW(HKEY_CURRENT_USER, toWide(subKey_).c_str());
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    bool created() const { return created_; }
    const std::u16string& subKey() const { return subKey_; }

    LSTATUS open(REGSAM access) const {
        HKEY key = nullptr;
        const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, toWide(subKey_).c_str(), 0, access, &key);
        if (status == ERROR_SUCCESS) RegCloseKey(key);
        return status;
    }

private:
    std::u16string subKey_;
    bool created_ = false;
};

TEST(AccessRepairTest, ADeniedRegistryKeyOpensAgainAfterRepair) {
    std::vector<BYTE> user = currentUserSid();
    ASSERT_FALSE(user.empty());
    TestKey key(u"denied");
    ASSERT_TRUE(key.created());
    const std::u16string name = u"CURRENT_USER\\" + key.subKey();
    ASSERT_EQ(denyUser(name, SE_REGISTRY_KEY, user), ERROR_SUCCESS);
    ASSERT_EQ(key.open(KEY_READ), ERROR_ACCESS_DENIED);

    // The root in any case names the key.
    EXPECT_EQ(repairAccess(u"current_user\\" + key.subKey()), errorSuccess);

    EXPECT_EQ(key.open(KEY_READ | KEY_WRITE), ERROR_SUCCESS);
    const AclSummary summary = summarizeObject(name, SE_REGISTRY_KEY, user);
    EXPECT_EQ(summary.denyEntries, 0);
    EXPECT_TRUE(summary.userAllowedAll);
    EXPECT_TRUE(summary.userAllowInherits);
}

TEST(AccessRepairTest, AFileGetsNormalAttributesAndAListWithoutDenyEntries) {
    std::vector<BYTE> user = currentUserSid();
    TempFolder temp;
    const std::u16string path = temp / u"定时播t";
    ASSERT_TRUE(writeRaw(path, "x"));
    ASSERT_EQ(denyUser(path, SE_FILE_OBJECT, user), ERROR_SUCCESS);
    ASSERT_GT(summarizeObject(path, SE_FILE_OBJECT, user).denyEntries, 0);
    ASSERT_TRUE(SetFileAttributesW(toWide(path).c_str(),
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    EXPECT_EQ(repairAccess(path), errorSuccess);

    EXPECT_EQ(attributesOf(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
    const AclSummary summary = summarizeObject(path, SE_FILE_OBJECT, user);
    EXPECT_EQ(summary.denyEntries, 0);
    EXPECT_TRUE(summary.userAllowedAll);
    EXPECT_EQ(readRaw(path), "x");
}

TEST(AccessRepairTest, AFolderGrantIsInheritedBySubFoldersAndFiles) {
    std::vector<BYTE> user = currentUserSid();
    TempFolder temp;
    const std::u16string folder = temp / u"lvtx.10";
    ASSERT_TRUE(CreateDirectoryW(toWide(folder).c_str(), nullptr));

    EXPECT_EQ(repairAccess(folder), errorSuccess);

    const AclSummary summary = summarizeObject(folder, SE_FILE_OBJECT, user);
    EXPECT_TRUE(summary.userAllowedAll);
    EXPECT_TRUE(summary.userAllowInherits);
    EXPECT_TRUE(attributesOf(folder) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(AccessRepairTest, AMissingObjectIsReportedNotCreated) {
    TempFolder temp;
    const std::u16string path = temp / u"没有";
    EXPECT_NE(repairAccess(path), errorSuccess);
    EXPECT_EQ(attributesOf(path), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(repairAccess(u"CURRENT_USER\\Software\\lvtx-test-no-such-key"), errorSuccess);
}

// On a registry key: Wine keeps a file's owner as the Unix owner, whatever is set.
TEST(AccessRepairTest, TakingOwnershipMakesAdministratorsTheOwner) {
    std::vector<BYTE> user = currentUserSid();
    TestKey key(u"owner");
    ASSERT_TRUE(key.created());
    std::wstring name = toWide(u"CURRENT_USER\\" + key.subKey());
    ASSERT_EQ(SetNamedSecurityInfoW(name.data(), SE_REGISTRY_KEY, OWNER_SECURITY_INFORMATION, user.data(), nullptr,
                                    nullptr, nullptr),
              ERROR_SUCCESS);

    ASSERT_EQ(takeOwnership(u"Current_User\\" + key.subKey()), errorSuccess);

    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR raw = nullptr;
    ASSERT_EQ(GetNamedSecurityInfoW(name.c_str(), SE_REGISTRY_KEY, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                                    nullptr, nullptr, &raw),
              ERROR_SUCCESS);
    const UniqueLocalMemory<void> descriptor(raw);
    BYTE admins[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof admins;
    ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size));
    EXPECT_TRUE(EqualSid(owner, admins));
}

// Checked against the token's elevation type, a separate account of the same fact: a
// limited token is the unelevated half of an administrator's split token.
TEST(AccessRepairTest, AdminUnelevatedMatchesALimitedToken) {
    HANDLE raw = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw));
    const UniqueHandle token(raw);
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    ASSERT_TRUE(GetTokenInformation(token.get(), TokenElevationType, &type, sizeof type, &size));
    EXPECT_EQ(isAdminUnelevated(), type == TokenElevationTypeLimited);
}

}  // namespace
