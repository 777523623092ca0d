#pragma once
// The registry operations of the logon-start options on the wide Win32 API. Every failure is
// the status the registry call returned.
#include "system/Registry.h"

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> openUserKey(std::u16string_view subKey, KeyAccess access, ErrorCode& error) override;
    void repairAccess(std::u16string_view objectName) override;
    bool isAdminUnelevated() override;
    std::u16string systemMessage(ErrorCode code) override;
};
