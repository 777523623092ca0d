#include "web/win32/CngCrypto.h"

#include <windows.h>

#include <bcrypt.h>

#include "web/Pbkdf2.h"

namespace {

// An algorithm provider for the derivation, closed when the derivation is done.
class HmacSha256Provider {
public:
    HmacSha256Provider() {
        if (BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG) < 0) {
            handle_ = nullptr;
        }
    }
    ~HmacSha256Provider() {
        if (handle_ != nullptr) BCryptCloseAlgorithmProvider(handle_, 0);
    }
    HmacSha256Provider(const HmacSha256Provider&) = delete;
    HmacSha256Provider& operator=(const HmacSha256Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

}  // namespace

DerivedKey CngPasswordKdf::derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) {
    DerivedKey key{};
    const HmacSha256Provider provider;
    if (provider.get() == nullptr) return PortablePasswordKdf().derive(passwordUtf8, salt, iterations);
    // The API takes non-const buffers but only reads the password and the salt.
    auto* password = reinterpret_cast<PUCHAR>(const_cast<char*>(passwordUtf8.data()));
    auto* saltBytes = const_cast<PUCHAR>(salt.data());
    if (BCryptDeriveKeyPBKDF2(provider.get(), password, static_cast<ULONG>(passwordUtf8.size()), saltBytes,
                              static_cast<ULONG>(salt.size()), iterations, key.data(), static_cast<ULONG>(key.size()),
                              0) < 0) {
        return PortablePasswordKdf().derive(passwordUtf8, salt, iterations);
    }
    return key;
}

bool CngRandomBytes::fill(std::span<std::uint8_t> bytes) {
    return BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()), BCRYPT_USE_SYSTEM_PREFERRED_RNG) >= 0;
}
