#include "model/BasePerson.h"

#include <algorithm>

#include "model/DataChecksum.h"
#include "model/MercavoError.h"
#include "model/RawText.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"

void CBasePerson::Serialize(CArchive& ar) {
    if (ar.IsStoring()) return;
    CDataChecksum& checksum = Services::App().DataChecksum();
    auto read = [&](int& value) {
        value = ar.ReadInt();
        checksum.Add(value);
    };
    read(m_kind);
    read(m_baseAge);
    read(m_grade);
    read(m_sociability);
    for (int& value : m_baseAbility) read(value);
    for (int& value : m_growth) read(value);
    read(m_tableFlag);
    read(m_figure2);
    read(m_figure3);
    read(m_figure1);
    m_name = ReadRawText(ar, checksum);
    m_secondText = ReadRawText(ar, checksum);
    for (CBM& face : m_faces) face.Serialize(ar);
}

void CBasePerson::CheckConvertible() const {
    auto inWord = [](int value) { return value >= 0 && value <= kMaxFigure; };
    if (m_kind < 0 || m_kind > 2 || (m_tableFlag != 0 && m_tableFlag != 1) ||
        !std::all_of(m_baseAbility.begin(), m_baseAbility.end(), inWord) ||
        !std::all_of(m_growth.begin(), m_growth.end(), inWord) || m_sociability < 0 ||
        m_sociability > kMaxSociability || !inWord(m_grade) || !inWord(m_baseAge))
        throw eMERCAVO_ERROR_CONTENTS;
}

void CBasePerson::StoreRaw(CArchive& ar) const {
    for (int value : {m_kind, m_baseAge, m_grade, m_sociability}) ar.WriteInt(value);
    for (int value : m_baseAbility) ar.WriteInt(value);
    for (int value : m_growth) ar.WriteInt(value);
    for (int value : {m_tableFlag, m_figure2, m_figure3, m_figure1}) ar.WriteInt(value);
    ar.WriteRecordText(m_name);
    ar.WriteRecordText(m_secondText);
    // The picture record: the byte count, then the image (none for 0).
    for (const CBM& face : m_faces) {
        const CMemBlock& image = face.GetImage();
        ar.WriteInt(static_cast<int32_t>(image.Size()));
        if (!image.IsEmpty()) ar.Write(image.Lock(), image.Size());
    }
}
