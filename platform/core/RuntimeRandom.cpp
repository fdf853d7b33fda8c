#include "platform/core/RuntimeRandom.h"

namespace {
// The generator's starting state when nothing seeded it.
uint32_t g_state = 1;
CRuntimeRandom::IDrawSource* g_source = nullptr;
}  // namespace

void CRuntimeRandom::Seed(uint32_t seed) {
    g_state = seed;
}

int CRuntimeRandom::Next() {
    return NextFor(0);
}

int CRuntimeRandom::NextFor(int range) {
    if (g_source) return g_source->Draw(range);
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

uint32_t CRuntimeRandom::State() {
    return g_state;
}
void CRuntimeRandom::SetState(uint32_t state) {
    g_state = state;
}

void CRuntimeRandom::SetDrawSource(IDrawSource* source) {
    g_source = source;
}
