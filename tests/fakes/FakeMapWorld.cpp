#include "fakes/FakeMapWorld.h"

#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

CFakeMapWorld::CFakeMapWorld(std::unique_ptr<CMapDoc> map, int companyCount)
    : m_map(std::move(map)), m_scopedDoc(ScopedDoc(&doc)), m_scopedFrame(ScopedFrame(&frame)) {
    for (int i = 0; i < m_map->GetLandTypeCount(); ++i)
        doc.landTypes.push_back(m_map->GetLandTypeEntry(i));
    for (int i = 0; i < m_map->GetStructureTypeCount(); ++i) {
        doc.structureTypes.push_back(m_map->GetStructureType(i));
        doc.structureCodes[i] = m_map->GetStructureType(i)->GetTypeCode();
    }
    for (int c = 0; c < companyCount; ++c) {
        auto company = std::make_unique<CEnterprise>();
        company->Init(c + 1, m_map->GetAreaCount());
        doc.enterprises.push_back(company.get());
        companies.push_back(std::move(company));
    }
    doc.companies.resize(static_cast<size_t>(companyCount));
    governors.resize(4);
    doc.governors = &governors;
}

std::unique_ptr<CMapDoc> CFakeMapWorld::LoadMapFile(const std::string& path) {
    CFileStream file;
    if (!file.Open(path, CFileStream::modeRead)) return nullptr;
    auto map = std::make_unique<CMapDoc>();
    try {
        CArchive ar(file, CArchive::load);
        map->SetMapFileMode(1);
        map->Serialize(ar);
        map->SetMapFileMode(0);
    } catch (eMERCAVO_ERROR) {
        return nullptr;
    } catch (const CArchiveException&) {
        return nullptr;
    }
    return map;
}

std::unique_ptr<CMapDoc> CFakeMapWorld::LoadOriginalMap() {
    return LoadMapFile(Services::App().GetProgramDirectory() + "ORIGINAL.MQM");
}
