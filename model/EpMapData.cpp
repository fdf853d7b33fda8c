#include "model/EpMapData.h"

#include <climits>

#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "platform/core/Archive.h"

namespace {}  // namespace

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
        *field = ReadAtLeast(ar, 0);
    for (int& effect : m_effects) effect = CheckRange(ar.ReadInt(), -kEffectLimit, kEffectLimit);
    for (int kind = 0; kind < kInvestmentKinds; ++kind) {
        m_investments[kind] = ReadAtLeast(ar, 0);
        m_ratings[kind] = ReadAtLeast(ar, 0);
        m_monthFigures[kind] = ReadAtLeast(ar, 0);
    }
}
