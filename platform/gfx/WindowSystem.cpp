#include "platform/gfx/WindowSystem.h"

#include <atomic>

namespace {

std::atomic<IWindowSystem*> g_system{nullptr};

}  // namespace

IWindowSystem* IWindowSystem::Get() {
    return g_system.load();
}

IWindowSystem* IWindowSystem::Register(IWindowSystem* system) {
    return g_system.exchange(system);
}
