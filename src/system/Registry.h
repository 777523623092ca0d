#pragma once
// The registry operations the logon-start options need, behind one small interface: the
// Win32 implementation serves the program, an in-memory one the tests. Every failure is a
// Windows error code (2 = no such key or value).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/ErrorCodes.h"

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // The size in bytes of the value's data.
    virtual ErrorCode valueSize(std::u16string_view name, std::uint32_t& bytes) = 0;
    // Reads at most `data.size()` bytes of the value's data, whatever its type; `data`
    // shrinks to the bytes read.
    virtual ErrorCode readValue(std::u16string_view name, std::vector<std::uint8_t>& data) = 0;
    // Stores `text` as a REG_SZ value; the stored bytes include its terminating NUL.
    virtual ErrorCode setText(std::u16string_view name, std::u16string_view text) = 0;
    virtual ErrorCode deleteValue(std::u16string_view name) = 0;
    virtual ErrorCode flush() = 0;
};

enum class KeyAccess {
    queryValues,  // opens an existing key
    setValues,    // creates the key when it is missing
};

class Registry {
public:
    virtual ~Registry() = default;
    // A sub-key of the current user's hive; none with `error` set when it cannot be opened.
    virtual std::unique_ptr<RegistryKey> openUserKey(std::u16string_view subKey, KeyAccess access,
                                                     ErrorCode& error) = 0;
    // Gives the current user full control over the key named as the security API names it
    // ("CURRENT_USER\\...").
    virtual void repairAccess(std::u16string_view objectName) = 0;
    // Chooses between the two wordings of a failure.
    virtual bool isAdminUnelevated() = 0;
    // The system's own text for an error code, in its default language.
    virtual std::u16string systemMessage(ErrorCode code) = 0;
};
