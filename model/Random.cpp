#include "model/Random.h"

#include <new>

#include "model/TempMem.h"
#include "platform/core/Clock.h"
#include "platform/core/RuntimeRandom.h"

void SeedRandom() {
    CRuntimeRandom::Seed(CClock::GetTickCount() % 65535u);
}

int Random(int n) {
    return ScaleDraw(CRuntimeRandom::NextFor(n), n);
}

int ScaleDraw(int x, int n) {
    // 64-bit product: identical to the 32-bit one wherever that did not
    // overflow, and defined for the large n some callers pass.
    int64_t scaled = (static_cast<int64_t>(x) - 1) * n / CRuntimeRandom::kMax;
    if (n > 0 && scaled < 0) return 0;
    return static_cast<int>(scaled);
}

int RandomVary(int v, int spread) {
    int d = Random(Random(spread + 1));
    int e = Random(2);
    return e < 1 ? v - d : v + d;
}

namespace {
// Draws entries from the pool one at a time; the pool shrinks as it goes.
template <typename Out>
void DrawInRandomOrder(std::vector<int>& pool, Out out) {
    int left = static_cast<int>(pool.size());
    for (int i = 0; left > 0; ++i, --left) {
        int j = Random(left);
        out(i, pool[static_cast<size_t>(j)]);
        pool.erase(pool.begin() + j);
    }
}
}  // namespace

void ShuffleArray(std::vector<int>& entries) {
    if (entries.empty()) return;
    try {
        std::vector<int> pool = entries;
        DrawInRandomOrder(pool, [&](int i, int value) { entries[static_cast<size_t>(i)] = value; });
    } catch (const std::bad_alloc&) {
        // No room for the pool: the array keeps its order.
    }
}

int RandomPermutation(int n, CTempMem& result) {
    if (n < 1 || n > (1 << 28)) return 0;
    if (!result.Alloc(n * static_cast<int>(sizeof(int32_t)))) return 0;
    std::vector<int> pool;
    try {
        pool.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) pool.push_back(i);
    } catch (const std::bad_alloc&) {
        result.Free();
        return 0;
    }
    int32_t* out = result.GetInts();
    DrawInRandomOrder(pool, [&](int i, int value) { out[i] = value; });
    return 1;
}
