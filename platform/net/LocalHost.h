#pragma once
// This machine's name and IPv4 address, as shown to other players so that
// they can connect.

#include <string>

class CLocalHost {
public:
    static std::string GetName();
    // The dotted address under which the machine is reached from others:
    // the first address of its name that is not a loopback address, else the
    // first address of a network interface that is up, else the loopback
    // address of its name. Empty (last socket error WSANO_DATA) when there is
    // none.
    static std::string GetAddress();
};
