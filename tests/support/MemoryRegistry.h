#pragma once
// An in-memory current-user hive for the logon-start tests: keys with their values' bytes,
// keys denied until repairAccess names them, and injected failures per operation.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "system/Registry.h"

class MemoryRegistry : public Registry {
public:
    enum class Op { openQuery, openSet, valueSize, readValue, setText, deleteValue };

    using Value = std::vector<std::uint8_t>;

    // Sub-key path → value name → the value's bytes.
    std::map<std::u16string, std::map<std::u16string, Value>> keys;
    std::set<std::u16string> denied;          // sub-keys that give 5 on open until repaired
    std::vector<std::u16string> repaired;     // object names, in call order
    std::vector<std::u16string> flushed;      // sub-keys, in call order
    bool adminUnelevated = false;

    // The next `times` calls of `op` fail with `code`.
    void failNext(Op op, ErrorCode code, int times = 1);
    ErrorCode takeFailure(Op op);

    // The value, or null when the key or the value is missing.
    const Value* find(const std::u16string& subKey, const std::u16string& name) const;

    std::unique_ptr<RegistryKey> openUserKey(std::u16string_view subKey, KeyAccess access, ErrorCode& error) override;
    void repairAccess(std::u16string_view objectName) override;
    bool isAdminUnelevated() override { return adminUnelevated; }
    // "registry text N", wrapped in line breaks as the system's texts are.
    std::u16string systemMessage(ErrorCode code) override;

private:
    std::map<Op, std::pair<ErrorCode, int>> injected_;
};
