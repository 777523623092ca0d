// winsock2.h before windows.h, as iphlpapi.h needs it.
#include <winsock2.h>

#include <iphlpapi.h>

#include "system/win32/LocalAddresses.h"

#include <vector>

std::vector<std::array<std::uint8_t, 4>> localIpv4Addresses() {
    constexpr ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    // 15 KB is Microsoft's advice for the first try; an adapter may appear between two calls.
    ULONG size = 15 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result = GetAdaptersAddresses(AF_INET, flags, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    std::vector<std::array<std::uint8_t, 4>> addresses;
    if (result != NO_ERROR) return addresses;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter;
         adapter = adapter->Next) {
        if (adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK || adapter->OperStatus != IfOperStatusUp) continue;
        for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter->FirstUnicastAddress; unicast;
             unicast = unicast->Next) {
            const SOCKADDR* socketAddress = unicast->Address.lpSockaddr;
            if (!socketAddress || socketAddress->sa_family != AF_INET) continue;
            const auto& in = reinterpret_cast<const sockaddr_in*>(socketAddress)->sin_addr;
            addresses.push_back({in.S_un.S_un_b.s_b1, in.S_un.S_un_b.s_b2, in.S_un.S_un_b.s_b3, in.S_un.S_un_b.s_b4});
        }
    }
    return addresses;
}
