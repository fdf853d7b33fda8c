#include "model/AdvicePacket.h"

#include "model/MercavoError.h"
#include "platform/core/Archive.h"

void CAdvicePacket::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        for (int value : {m_kind, m_value, m_point.x, m_point.y, m_param1, m_param2, m_param3})
            ar.WriteInt(value);
        ar.WriteByte(m_detailed ? 1 : 0);
        return;
    }
    m_kind = CheckRange(ar.ReadInt(), kNoKind, kLastKind);
    for (int* field : {&m_value, &m_point.x, &m_point.y, &m_param1, &m_param2, &m_param3})
        *field = ar.ReadInt();
    m_detailed = ar.ReadByte() ? 1 : 0;
}
