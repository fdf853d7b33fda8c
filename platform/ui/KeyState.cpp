#include "platform/ui/KeyState.h"

#include <array>
#include <cstddef>

namespace {

struct Key {
    bool down = false;
    bool pressedSinceQuery = false;
};

std::array<Key, 256>& Keys() {
    static std::array<Key, 256> keys;
    return keys;
}

bool Valid(int vk) {
    return vk >= 0 && vk < 256;
}

}  // namespace

short CKeyState::GetAsyncKeyState(int vk) {
    if (!Valid(vk)) return 0;
    Key& key = Keys()[static_cast<size_t>(vk)];
    int result = (key.down ? 0x8000 : 0) | (key.pressedSinceQuery ? 1 : 0);
    key.pressedSinceQuery = false;
    return static_cast<short>(result);
}

short CKeyState::GetKeyState(int vk) {
    if (!Valid(vk)) return 0;
    return static_cast<short>(Keys()[static_cast<size_t>(vk)].down ? 0x8000 : 0);
}

void CKeyState::Press(int vk) {
    if (!Valid(vk)) return;
    Keys()[static_cast<size_t>(vk)] = Key{true, true};
}

void CKeyState::Release(int vk) {
    if (Valid(vk)) Keys()[static_cast<size_t>(vk)].down = false;
}

void CKeyState::SetDown(int vk, bool down) {
    if (Valid(vk)) Keys()[static_cast<size_t>(vk)].down = down;
}

void CKeyState::Clear() {
    Keys().fill(Key{});
}
