#include "platform/core/RuntimeRandom.h"

namespace {
// The generator's starting state when nothing seeded it.
uint32_t g_state = 1;
}  // namespace

void CRuntimeRandom::Seed(uint32_t seed) {
    g_state = seed;
}

int CRuntimeRandom::Next() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

uint32_t CRuntimeRandom::State() {
    return g_state;
}
void CRuntimeRandom::SetState(uint32_t state) {
    g_state = state;
}
