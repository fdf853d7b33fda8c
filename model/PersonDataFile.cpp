#include "model/PersonDataFile.h"

#include "model/DataChecksum.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

namespace {
CDataChecksum& Checksum() {
    return Services::App().DataChecksum();
}

}  // namespace

// ---- Loading ----

void CPersonDataFile::Load(CArchive& ar) {
    // Everything goes into a fresh object first, so that a file that fails
    // leaves this one as it was.
    CPersonDataFile loaded;
    Checksum().Reset();
    loaded.LoadContents(ar);
    // The stored value is the checksum of everything before it: compared,
    // not fed.
    int32_t stored = ar.ReadInt();
    if (stored != Checksum().Get()) throw eMERCAVO_ERROR_CONTENTS;
    loaded.m_storedChecksum = stored;
    *this = std::move(loaded);
}

bool CPersonDataFile::LoadFile(const std::string& path) {
    CFileStream file;
    if (!file.Open(path, CFileStream::modeRead)) return false;
    CArchive ar(file, CArchive::load);
    Load(ar);
    return true;
}

void CPersonDataFile::LoadContents(CArchive& ar) {
    LoadHead(ar);
    LoadPersons(ar);
    LoadAuthor(ar);
}

void CPersonDataFile::LoadHead(CArchive& ar) {
    // The header text is summed up to its first zero byte and not compared.
    char header[kHeaderSize + 1] = {};
    ar.Read(header, kHeaderSize);
    Checksum().AddText(header);
    for (int32_t& value : m_head) value = ReadFed(ar);
    for (double& value : m_doubles) {
        value = ar.ReadDouble();
        Checksum().AddDouble(value);
    }
    int32_t persons = m_head[headPersonCount];
    int32_t governors = m_head[headGovernorCount];
    if (persons < 0 || governors < 0 || governors > persons) throw eMERCAVO_ERROR_CONTENTS;
}

void CPersonDataFile::LoadPersons(CArchive& ar) {
    // Each record fills the next place of its table; the tables are sized
    // by the head, so the records must fill them exactly.
    const int32_t governors = GetGovernorCount();
    const int32_t directors = GetDirectorCount();
    int32_t governorsRead = 0;
    int32_t directorsRead = 0;
    m_persons.clear();
    for (int32_t i = 0; i < GetPersonCount(); ++i) {
        CBasePerson person;
        person.Serialize(ar);
        person.CheckConvertible();
        if (person.GetTableFlag() != 0 ? ++governorsRead > governors : ++directorsRead > directors)
            throw eMERCAVO_ERROR_CONTENTS;
        m_persons.push_back(std::move(person));
    }
}

void CPersonDataFile::LoadAuthor(CArchive& ar) {
    m_authorName = ar.ReadString();
    Checksum().AddText(m_authorName.c_str());
    int32_t size = ReadFed(ar);
    m_authorMark.clear();
    if (size <= 0) return;
    CheckRemaining(ar, size, 1);
    m_authorMark.resize(static_cast<size_t>(size));
    ar.Read(m_authorMark.data(), m_authorMark.size());
    Checksum().AddBlock(m_authorMark.data(), size);
}

// ---- Writing ----

std::vector<uint8_t> CPersonDataFile::Write() const {
    CMemoryStream contents;
    CArchive ar(contents, CArchive::store);
    StoreContents(ar);
    std::vector<uint8_t> bytes = contents.Bytes();
    int32_t checksum = ComputeChecksum(bytes);
    for (int k = 0; k < 4; ++k)
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(checksum) >> (8 * k)));
    return bytes;
}

bool CPersonDataFile::WriteFile(const std::string& path) const {
    std::vector<uint8_t> bytes = Write();
    return CFileStream::WriteWholeFile(path, bytes);
}

void CPersonDataFile::StoreContents(CArchive& ar) const {
    ar.Write(kHeader, kHeaderSize);
    for (int32_t value : m_head) ar.WriteInt(value);
    for (double value : m_doubles) ar.WriteDouble(value);
    for (const CBasePerson& person : m_persons) person.StoreRaw(ar);
    ar.WriteString(m_authorName);
    ar.WriteInt(static_cast<int32_t>(m_authorMark.size()));
    if (!m_authorMark.empty()) ar.Write(m_authorMark.data(), m_authorMark.size());
}

int CPersonDataFile::ComputeChecksum(const std::vector<uint8_t>& contents) {
    CDetachedAppService app;
    auto scoped = ScopedApp(&app);
    CPersonDataFile scratch;
    CMemoryStream stream(contents);
    CArchive ar(stream, CArchive::load);
    scratch.LoadContents(ar);
    return app.DataChecksum().Get();
}

// ---- Content ----

void CPersonDataFile::AddPerson(const CBasePerson& person) {
    m_persons.push_back(person);
    ++m_head[headPersonCount];
    if (person.GetTableFlag() != 0) ++m_head[headGovernorCount];
}

const char* CPersonDataFile::FindShortage(int directorsNeeded, int governorsNeeded) const {
    if (GetDirectorCount() < directorsNeeded) return "\"Directors\"";
    if (GetFirstYearCandidates() < directorsNeeded)
        return "\"Directors Candidates\" from first year data";
    if (GetGovernorCount() < governorsNeeded) return "\"Governors\"";
    return nullptr;
}
