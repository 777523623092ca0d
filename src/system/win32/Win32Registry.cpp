#include "system/win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "data/win32/AccessRepair.h"
#include "data/win32/SystemMessage.h"
#include "winutil/WideText.h"
#include "winutil/UniqueKey.h"

namespace {

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(UniqueKey key) : key_(std::move(key)) {}

    ErrorCode valueSize(std::u16string_view name, std::uint32_t& bytes) override {
        DWORD size = 0;
        const LSTATUS status = RegQueryValueExW(key_.get(), toWide(name).c_str(), nullptr, nullptr, nullptr, &size);
        bytes = status == ERROR_SUCCESS ? size : 0;
        return static_cast<ErrorCode>(status);
    }

    ErrorCode readValue(std::u16string_view name, std::vector<std::uint8_t>& data) override {
        DWORD size = static_cast<DWORD>(data.size());
        const LSTATUS status =
            RegQueryValueExW(key_.get(), toWide(name).c_str(), nullptr, nullptr, data.data(), &size);
        data.resize(status == ERROR_SUCCESS ? std::min<std::size_t>(size, data.size()) : 0);
        return static_cast<ErrorCode>(status);
    }

    ErrorCode setText(std::u16string_view name, std::u16string_view text) override {
        const std::wstring data = toWide(text);
        const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        return static_cast<ErrorCode>(RegSetValueExW(key_.get(), toWide(name).c_str(), 0, REG_SZ,
                                                     reinterpret_cast<const BYTE*>(data.c_str()), bytes));
    }

    ErrorCode deleteValue(std::u16string_view name) override {
        return static_cast<ErrorCode>(RegDeleteValueW(key_.get(), toWide(name).c_str()));
    }

    ErrorCode flush() override { return static_cast<ErrorCode>(RegFlushKey(key_.get())); }

private:
    UniqueKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::openUserKey(std::u16string_view subKey, KeyAccess access,
                                                        ErrorCode& error) {
    HKEY raw = nullptr;
    const std::wstring path = toWide(subKey);
    const LSTATUS status =
        access == KeyAccess::queryValues
            ? RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &raw)
            : RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                              nullptr, &raw, nullptr);
    error = static_cast<ErrorCode>(status);
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(UniqueKey(raw));
}

void Win32Registry::repairAccess(std::u16string_view objectName) {
    ::repairAccess(objectName);
}

bool Win32Registry::isAdminUnelevated() {
    return ::isAdminUnelevated();
}

std::u16string Win32Registry::systemMessage(ErrorCode code) {
    return systemMessageText(code);
}
