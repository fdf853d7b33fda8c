#include "model/BaseMapData.h"

#include "model/DataChecksum.h"
#include "model/MercavoError.h"
#include "model/RawText.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

void CBaseMapData::SetExpectedGrid(int width, int height) {
    m_expectedWidth = width;
    m_expectedHeight = height;
}

void CBaseMapData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) return;
    CDataChecksum& checksum = Services::App().DataChecksum();
    m_name = ReadRawText(ar, checksum);
    m_explanation = ReadRawText(ar, checksum);
    for (auto& grid : m_grids) grid.clear();
    m_width = ar.ReadInt();
    checksum.Add(m_width);
    m_height = ar.ReadInt();
    checksum.Add(m_height);
    m_count = ar.ReadInt();
    checksum.Add(m_count);
    CheckSize();
    if (m_width > 0 && m_height > 0) ReadCells(ar);
    for (int& figure : m_figures) {
        figure = ar.ReadInt();
        checksum.Add(figure);
    }
}

void CBaseMapData::CheckSize() const {
    // Both sides are checked on their own: a product of two negative sides
    // is positive, and a product of two large ones does not fit an int.
    CheckRange(m_width, 0, kMaxSide);
    CheckRange(m_height, 0, kMaxSide);
    if (m_expectedWidth >= 0 && (m_width != m_expectedWidth || m_height != m_expectedHeight))
        throw eMERCAVO_ERROR_CONTENTS;
}

void CBaseMapData::ReadCells(CArchive& ar) {
    uint64_t cells = static_cast<uint64_t>(m_width) * static_cast<uint64_t>(m_height);
    // Nothing is allocated for cells the data cannot hold.
    CheckRemaining(ar, static_cast<int64_t>(cells), kGridCount * sizeof(int32_t));
    for (auto& grid : m_grids) grid.assign(static_cast<size_t>(cells), 0);
    CDataChecksum& checksum = Services::App().DataChecksum();
    for (size_t cell = 0; cell < cells; ++cell) {
        for (auto& grid : m_grids) {
            grid[cell] = ar.ReadInt();
            checksum.Add(grid[cell]);
        }
    }
}
