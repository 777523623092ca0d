#include "support/MemoryRegistry.h"

#include <memory>
#include <utility>

#include "data/Text.h"
#include "support/Utf16Bytes.h"

namespace {

constexpr ErrorCode errorMoreData = 234;

class MemoryKey : public RegistryKey {
public:
    MemoryKey(MemoryRegistry& registry, std::u16string subKey) : registry_(registry), subKey_(std::move(subKey)) {}

    ErrorCode valueSize(std::u16string_view name, std::uint32_t& bytes) override {
        if (const ErrorCode code = registry_.takeFailure(MemoryRegistry::Op::valueSize)) return code;
        const auto* value = registry_.find(subKey_, std::u16string(name));
        if (value == nullptr) return errorFileNotFound;
        bytes = static_cast<std::uint32_t>(value->size());
        return errorSuccess;
    }

    ErrorCode readValue(std::u16string_view name, std::vector<std::uint8_t>& data) override {
        if (const ErrorCode code = registry_.takeFailure(MemoryRegistry::Op::readValue)) return code;
        const auto* value = registry_.find(subKey_, std::u16string(name));
        if (value == nullptr) return errorFileNotFound;
        if (value->size() > data.size()) return errorMoreData;
        data = *value;
        return errorSuccess;
    }

    ErrorCode setText(std::u16string_view name, std::u16string_view text) override {
        if (const ErrorCode code = registry_.takeFailure(MemoryRegistry::Op::setText)) return code;
        registry_.keys[subKey_][std::u16string(name)] = utf16leWithNul(text);
        return errorSuccess;
    }

    ErrorCode deleteValue(std::u16string_view name) override {
        if (const ErrorCode code = registry_.takeFailure(MemoryRegistry::Op::deleteValue)) return code;
        return registry_.keys[subKey_].erase(std::u16string(name)) == 1 ? errorSuccess : errorFileNotFound;
    }

    ErrorCode flush() override {
        registry_.flushed.push_back(subKey_);
        return errorSuccess;
    }

private:
    MemoryRegistry& registry_;
    std::u16string subKey_;
};

}  // namespace

void MemoryRegistry::failNext(Op op, ErrorCode code, int times) {
    injected_[op] = {code, times};
}

ErrorCode MemoryRegistry::takeFailure(Op op) {
    const auto found = injected_.find(op);
    if (found == injected_.end() || found->second.second <= 0) return errorSuccess;
    --found->second.second;
    return found->second.first;
}

const MemoryRegistry::Value* MemoryRegistry::find(const std::u16string& subKey, const std::u16string& name) const {
    const auto key = keys.find(subKey);
    if (key == keys.end()) return nullptr;
    const auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}

std::unique_ptr<RegistryKey> MemoryRegistry::openUserKey(std::u16string_view subKey, KeyAccess access,
                                                         ErrorCode& error) {
    const std::u16string path(subKey);
    const bool creating = access == KeyAccess::setValues;
    error = takeFailure(creating ? Op::openSet : Op::openQuery);
    if (error == errorSuccess && denied.count(path) != 0) error = errorAccessDenied;
    if (error == errorSuccess && !creating && keys.count(path) == 0) error = errorFileNotFound;
    if (error != errorSuccess) return nullptr;
    keys[path];
    return std::make_unique<MemoryKey>(*this, path);
}

void MemoryRegistry::repairAccess(std::u16string_view objectName) {
    repaired.emplace_back(objectName);
    constexpr std::u16string_view root = u"CURRENT_USER\\";
    if (startsWithNoCase(objectName, root)) denied.erase(std::u16string(objectName.substr(root.size())));
}

std::u16string MemoryRegistry::systemMessage(ErrorCode code) {
    return u"\r\nregistry text " + formatNumber(code) + u"\r\n";
}
