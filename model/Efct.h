#pragma once
// One entry of a land or structure type's effect list: how strongly a
// neighbouring structure of another type acts on the owning type.

#include <cstdint>

class CArchive;

class CEfct {
public:
    CEfct() = default;
    CEfct(int32_t typeIndex, double factor) : m_typeIndex(typeIndex), m_factor(factor) {}

    // Integer type index, then the double factor. Loading feeds both to the
    // data checksum (the factor truncated).
    void Serialize(CArchive& ar);

    // 0-based index of the neighbouring structure type; -1 = none.
    int32_t GetTypeIndex() const { return m_typeIndex; }
    double GetFactor() const { return m_factor; }
    void SetTypeIndex(int32_t typeIndex) { m_typeIndex = typeIndex; }
    void SetFactor(double factor) { m_factor = factor; }

private:
    int32_t m_typeIndex = -1;
    double m_factor = 0.0;
};
