#include "views/BlockHost.h"

namespace {
IBlockHost*& HostSlot() {
    static IBlockHost* host = nullptr;
    return host;
}
}  // namespace

IBlockHost* IBlockHost::Get() {
    return HostSlot();
}

void IBlockHost::Set(IBlockHost* host) {
    HostSlot() = host;
}
