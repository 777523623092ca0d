#include "e2e/driver/Md5Digest.h"

#include <windows.h>

#include <wincrypt.h>

std::optional<std::string> md5Digest(const std::string& data) {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) return std::nullopt;
    std::optional<std::string> digest;
    HCRYPTHASH hash = 0;
    if (CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) {
        std::string value(16, '\0');
        DWORD size = 16;
        if (CryptHashData(hash, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()), 0) &&
            CryptGetHashParam(hash, HP_HASHVAL, reinterpret_cast<BYTE*>(value.data()), &size, 0) && size == 16) {
            digest = value;
        }
        CryptDestroyHash(hash);
    }
    CryptReleaseContext(provider, 0);
    return digest;
}
