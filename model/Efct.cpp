#include "model/Efct.h"

#include "model/services/Services.h"
#include "platform/core/Archive.h"

void CEfct::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteInt(m_typeIndex);
        ar.WriteDouble(m_factor);
        return;
    }
    CDataChecksum& checksum = Services::App().DataChecksum();
    m_typeIndex = ar.ReadInt();
    checksum.Add(m_typeIndex);
    m_factor = ar.ReadDouble();
    checksum.AddDouble(m_factor);
}
