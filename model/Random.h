#pragma once
// The random helpers the whole simulation rests on, all drawn from the
// runtime generator (platform/core/RuntimeRandom.h).

#include <vector>

class CTempMem;

// Seeds the generator from the tick count modulo 65535.
void SeedRandom();

// One draw scaled to n: ((x - 1) x n) / 32767, truncated toward zero, except
// that for positive n the draw x = 0 gives 0 (never -1). 1 <= n gives
// 0..n-1; n = 0 gives 0; a negative n gives n + 1..0.
int Random(int n);

// The scaling of Random: what Random(n) gives for the raw draw x (0..32767).
int ScaleDraw(int x, int n);

// v moved up or down by Random(Random(spread + 1)), which leans towards
// small amounts.
int RandomVary(int v, int spread);

// Puts the entries into a random order: repeatedly draws one of the entries
// left. An array that is empty is left alone.
void ShuffleArray(std::vector<int>& entries);

// Fills the block with a random order of 0..n-1 (n 32-bit entries); returns 0
// when n < 1 or the block cannot be allocated.
int RandomPermutation(int n, CTempMem& result);
