#include "model/EpMapData.h"

#include <climits>

#include "model/MercavoError.h"
#include "platform/core/Archive.h"

namespace {

int ReadCount(CArchive& ar) {
    return CheckRange(ar.ReadInt(), 0, INT_MAX);
}

}  // namespace

void CEpMapData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        for (int value : {m_grade, m_level, m_land, m_buildings, m_contracts, m_contribution})
            ar.WriteInt(value);
        for (int effect : m_effects) ar.WriteInt(effect);
        for (int kind = 0; kind < kInvestmentKinds; ++kind) {
            ar.WriteInt(m_investments[kind]);
            ar.WriteInt(m_ratings[kind]);
            ar.WriteInt(m_monthFigures[kind]);
        }
        return;
    }
    for (int* field : {&m_grade, &m_level, &m_land, &m_buildings, &m_contracts, &m_contribution})
        *field = ReadCount(ar);
    for (int& effect : m_effects) effect = CheckRange(ar.ReadInt(), -kEffectLimit, kEffectLimit);
    for (int kind = 0; kind < kInvestmentKinds; ++kind) {
        m_investments[kind] = ReadCount(ar);
        m_ratings[kind] = ReadCount(ar);
        m_monthFigures[kind] = ReadCount(ar);
    }
}
