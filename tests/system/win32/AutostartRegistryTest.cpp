// The logon-start options in the real Run key of the test's Wine prefix: what a save writes,
// what a load reads back, values left by others, and a key that denies the user repaired.
// Each test puts the key back as it found it: its existence, the value and the access list.
#include "system/win32/AutostartRegistry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "data/win32/AccessRepair.h"
#include "winutil/WideText.h"
#include "support/RecordingPrompt.h"
#include "support/Utf16Bytes.h"
#include "support/win32/UserAccess.h"
#include "winutil/UniqueKey.h"

namespace {

constexpr std::u16string_view programPath = u"C:\\Program Files\\岚铃\\lvtx.exe";

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

UniqueKey openRunKey(REGSAM access) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, toWide(autostartRunKey).c_str(), 0, access, &raw) != ERROR_SUCCESS) {
        return nullptr;
    }
    return UniqueKey(raw);
}

std::optional<RawValue> readValue(HKEY key) {
    const std::wstring name = toWide(autostartValueName);
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return {};
    value.data.resize(size);
    if (RegQueryValueExW(key, name.c_str(), nullptr, nullptr, value.data.data(), &size) != ERROR_SUCCESS) return {};
    value.data.resize(size);
    return value;
}

std::optional<RawValue> runValue() {
    const UniqueKey key = openRunKey(KEY_QUERY_VALUE);
    return key ? readValue(key.get()) : std::nullopt;
}

LSTATUS writeRunValue(DWORD type, const std::vector<BYTE>& data) {
    const UniqueKey key = openRunKey(KEY_SET_VALUE);
    if (!key) return ERROR_ACCESS_DENIED;
    return RegSetValueExW(key.get(), toWide(autostartValueName).c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size()));
}

void expectOptions(const AutostartOptions& options, int autostart, int hidden, int lock) {
    EXPECT_EQ(options.autostart, autostart);
    EXPECT_EQ(options.autostartHidden, hidden);
    EXPECT_EQ(options.autostartLock, lock);
}

class AutostartRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const UniqueKey key = openRunKey(KEY_QUERY_VALUE | READ_CONTROL);
        keyExisted_ = key != nullptr;
        if (!keyExisted_) return;
        value_ = readValue(key.get());
        DWORD size = 0;
        RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        security_.resize(size);
        ASSERT_EQ(RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security_.data(), &size), ERROR_SUCCESS);
    }

    void TearDown() override {
        // A test that stopped half-way may have left the user denied.
        repairAccess(autostartRunKeyObject);
        if (!keyExisted_) {
            RegDeleteKeyW(HKEY_CURRENT_USER, toWide(autostartRunKey).c_str());
            return;
        }
        const UniqueKey key = openRunKey(KEY_SET_VALUE | WRITE_DAC);
        ASSERT_TRUE(key != nullptr);
        const std::wstring name = toWide(autostartValueName);
        if (value_) {
            RegSetValueExW(key.get(), name.c_str(), 0, value_->type, value_->data.data(),
                           static_cast<DWORD>(value_->data.size()));
        } else {
            RegDeleteValueW(key.get(), name.c_str());
        }
        EXPECT_EQ(RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security_.data()), ERROR_SUCCESS);
    }

    AutostartOptions load() {
        AutostartOptions options;
        EXPECT_TRUE(loadAutostart(options, programPath, prompt_));
        return options;
    }

    RecordingPrompt prompt_;

private:
    bool keyExisted_ = false;
    std::optional<RawValue> value_;
    std::vector<BYTE> security_;
};

TEST_F(AutostartRegistryTest, EachSaveWritesTheCommandLineThatLoadReadsBackAndOffDeletesIt) {
    for (const AutostartOptions options : {AutostartOptions{1, 0, 0}, AutostartOptions{1, 1, 0},
                                           AutostartOptions{1, 0, 1}, AutostartOptions{1, 1, 1}}) {
        ASSERT_TRUE(saveAutostart(options, programPath, prompt_));
        const std::optional<RawValue> stored = runValue();
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored->data, utf16leWithNul(autostartValueData(programPath, options)));
        expectOptions(load(), 1, options.autostartHidden, options.autostartLock);
    }
    EXPECT_EQ(runValue()->data, utf16leWithNul(u"\"C:\\Program Files\\岚铃\\lvtx.exe\" 3"));

    ASSERT_TRUE(saveAutostart({0, 1, 1}, programPath, prompt_));
    EXPECT_FALSE(runValue().has_value());
    expectOptions(load(), 0, 0, 0);
    EXPECT_TRUE(saveAutostart({}, programPath, prompt_));
    EXPECT_TRUE(prompt_.messages.empty());
}

// Another copy's path reads as off and stays; data with no terminating NUL, of odd length and
// of another type is read within its bytes; off deletes whatever is there.
TEST_F(AutostartRegistryTest, ValuesWrittenByOthersAreReadWithinTheirBytesAndOffDeletesThem) {
    ASSERT_TRUE(saveAutostart({1, 0, 0}, programPath, prompt_));
    std::vector<BYTE> odd = utf16le(u"\"c:\\program files\\岚铃\\LVTX.EXE\" 2");
    odd.push_back('3');
    ASSERT_EQ(writeRunValue(REG_BINARY, odd), ERROR_SUCCESS);
    expectOptions(load(), 1, 0, 1);

    const std::vector<BYTE> other = utf16leWithNul(u"\"D:\\旧版\\lvtx.exe\" 1");
    ASSERT_EQ(writeRunValue(REG_SZ, other), ERROR_SUCCESS);
    expectOptions(load(), 0, 0, 0);
    ASSERT_TRUE(runValue().has_value());
    EXPECT_EQ(runValue()->data, other);

    EXPECT_TRUE(saveAutostart({}, programPath, prompt_));
    EXPECT_FALSE(runValue().has_value());
    EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(AutostartRegistryTest, ARunKeyThatDeniesTheUserIsRepairedAndTheSaveSucceeds) {
    std::vector<BYTE> user = currentUserSid();
    ASSERT_FALSE(user.empty());
    ASSERT_TRUE(saveAutostart({1, 0, 0}, programPath, prompt_));
    ASSERT_EQ(denyUser(autostartRunKeyObject, SE_REGISTRY_KEY, user), ERROR_SUCCESS);
    ASSERT_TRUE(openRunKey(KEY_SET_VALUE) == nullptr);

    EXPECT_TRUE(saveAutostart({1, 1, 1}, programPath, prompt_));
    ASSERT_TRUE(runValue().has_value());
    EXPECT_EQ(runValue()->data, utf16leWithNul(u"\"C:\\Program Files\\岚铃\\lvtx.exe\" 3"));

    ASSERT_EQ(denyUser(autostartRunKeyObject, SE_REGISTRY_KEY, user), ERROR_SUCCESS);
    ASSERT_TRUE(openRunKey(KEY_QUERY_VALUE) == nullptr);
    expectOptions(load(), 1, 1, 1);
    EXPECT_TRUE(prompt_.messages.empty());
}

}  // namespace
