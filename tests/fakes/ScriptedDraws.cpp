#include "fakes/ScriptedDraws.h"

#include <gtest/gtest.h>

#include "model/Random.h"

int RawDrawFor(int n, int k) {
    // The scaling is monotonic in x: a binary search finds the first raw
    // draw that reaches k (from below for n > 0, from above for n < 0).
    int lo = 0, hi = CRuntimeRandom::kMax;
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        bool reached = n >= 0 ? ScaleDraw(mid, n) >= k : ScaleDraw(mid, n) <= k;
        if (reached)
            hi = mid;
        else
            lo = mid + 1;
    }
    return ScaleDraw(lo, n) == k ? lo : -1;
}

CScriptedDraws::CScriptedDraws(std::initializer_list<SScriptedDraw> draws)
    : CScriptedDraws(std::vector<SScriptedDraw>(draws)) {}

CScriptedDraws::CScriptedDraws(const std::vector<SScriptedDraw>& draws) {
    Add(draws);
    CRuntimeRandom::SetDrawSource(this);
}

CScriptedDraws::~CScriptedDraws() {
    CRuntimeRandom::SetDrawSource(nullptr);
    if (!m_overrun) ExpectAllDrawn();
}

void CScriptedDraws::Add(const std::vector<SScriptedDraw>& draws) {
    for (const SScriptedDraw& d : draws) {
        if (!d.raw && RawDrawFor(d.range, d.value) < 0)
            ADD_FAILURE() << "script entry " << m_draws.size() << ": Random(" << d.range
                          << ") never gives " << d.value;
        m_draws.push_back(d);
    }
}

void CScriptedDraws::ExpectAllDrawn() const {
    EXPECT_EQ(m_next, m_draws.size()) << "the rule drew " << m_next << " of " << m_draws.size()
                                      << " scripted draws; asked: " << Asked();
}

std::string CScriptedDraws::Asked() const {
    std::string text;
    for (int n : m_asked) text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

int CScriptedDraws::Draw(int range) {
    m_asked.push_back(range);
    if (m_next >= m_draws.size()) {
        if (!m_overrun && !m_thenGenerator)
            ADD_FAILURE() << "the rule drew more than the " << m_draws.size()
                          << " scripted draws; asked: " << Asked();
        m_overrun = true;
        // Out of script: the generator goes on, so that a drawing loop ends.
        CRuntimeRandom::SetDrawSource(nullptr);
        int x = CRuntimeRandom::Next();
        CRuntimeRandom::SetDrawSource(this);
        return x;
    }
    const SScriptedDraw& d = m_draws[m_next++];
    if (d.raw) return d.value;
    EXPECT_EQ(range, d.range) << "draw " << (m_next - 1) << " asked Random(" << range
                              << "), the script has Random(" << d.range << ")";
    int x = RawDrawFor(d.range, d.value);
    return x < 0 ? 0 : x;
}

CDraws VaryDraws(int spread, int first, int amount, int sign) {
    return {{spread + 1, first}, {first, amount}, {2, sign}};
}

CDraws JoinDraws(std::initializer_list<CDraws> parts) {
    CDraws all;
    for (const CDraws& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
