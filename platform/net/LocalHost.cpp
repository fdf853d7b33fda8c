#include "platform/net/LocalHost.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <unistd.h>

#include <vector>

#include "platform/net/AsyncSocket.h"
#include "platform/net/SocketError.h"

namespace {

bool IsLoopback(in_addr address) {
    return (ntohl(address.s_addr) >> 24) == 127;
}

std::string Dotted(in_addr address) {
    char buffer[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, buffer, sizeof buffer);
    return buffer;
}

std::vector<in_addr> AddressesOfName(const std::string& name) {
    std::vector<in_addr> addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0) {
        CAsyncSocket::SetLastError(CSocketError::FromLookup(result));
        return addresses;
    }
    for (addrinfo* a = found; a; a = a->ai_next) {
        addresses.push_back(reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr);
    }
    freeaddrinfo(found);
    return addresses;
}

bool FirstInterfaceAddress(in_addr& address) {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return false;
    bool found = false;
    for (ifaddrs* i = list; i && !found; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP)) continue;
        const in_addr candidate = reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr;
        if (IsLoopback(candidate)) continue;
        address = candidate;
        found = true;
    }
    freeifaddrs(list);
    return found;
}

}  // namespace

std::string CLocalHost::GetName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return std::string();
    return name;
}

std::string CLocalHost::GetAddress() {
    // Many systems give their own name a loopback address, which no other
    // machine can reach: a real interface is preferred.
    const std::vector<in_addr> named = AddressesOfName(GetName());
    for (const in_addr& address : named) {
        if (!IsLoopback(address)) return Dotted(address);
    }
    in_addr address{};
    if (FirstInterfaceAddress(address)) return Dotted(address);
    if (!named.empty()) return Dotted(named.front());
    CAsyncSocket::SetLastError(WSANO_DATA);
    return std::string();
}
