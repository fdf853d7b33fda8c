#pragma once
// Scripted draws for the rules' tests: while a CScriptedDraws lives, every
// draw of the runtime generator comes from its script, in order. An entry
// {n, k} stands for a rule calling Random(n) and getting k: the raw draw is
// chosen so that the real scaling gives k, and the draw fails the test when
// the rule asks for another n. The test also fails when the rule draws more
// often than scripted (further draws then come from the generator, so that
// a loop cannot hang) or, at the end of the script's life, less often.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/core/RuntimeRandom.h"

struct SScriptedDraw {
    int range = 0;
    int value = 0;
    bool raw = false;  // value is the raw draw itself; the range is not checked

    static SScriptedDraw Raw(int x) { return {0, x, true}; }
};

class CScriptedDraws : public CRuntimeRandom::IDrawSource {
public:
    CScriptedDraws(std::initializer_list<SScriptedDraw> draws = {});
    explicit CScriptedDraws(const std::vector<SScriptedDraw>& draws);
    ~CScriptedDraws() override;
    CScriptedDraws(const CScriptedDraws&) = delete;
    CScriptedDraws& operator=(const CScriptedDraws&) = delete;

    // More entries at the end of the script.
    void Add(const std::vector<SScriptedDraw>& draws);
    void Add(int range, int value) { Add({{range, value}}); }
    // After the script the generator takes over without failing the test:
    // for a rule whose first draws alone are the point.
    void ThenGenerator() { m_thenGenerator = true; }
    // Fails the test unless every entry has been drawn.
    void ExpectAllDrawn() const;
    size_t Drawn() const { return m_next; }
    // The ranges asked so far (0 for a raw draw).
    const std::vector<int>& AskedRanges() const { return m_asked; }
    std::string Asked() const;

    int Draw(int range) override;

private:
    std::vector<SScriptedDraw> m_draws;
    std::vector<int> m_asked;
    size_t m_next = 0;
    bool m_overrun = false;
    bool m_thenGenerator = false;
};

// The raw draw for which Random(n) gives k; -1 when there is none.
int RawDrawFor(int n, int k);

using CDraws = std::vector<SScriptedDraw>;

// The draws of RandomVary(v, spread) moving v by amount: Random(spread + 1)
// gives first, Random(first) the amount, Random(2) the sign (0: minus).
CDraws VaryDraws(int spread, int first, int amount, int sign);

// The parts one after the other.
CDraws JoinDraws(std::initializer_list<CDraws> parts);
