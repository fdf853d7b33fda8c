// The judgment data file: the saved-game layout at the end of the game,
// read with the records' stored forms and the judgment's own checks.

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>

#include "judge/ArboDoc.h"
#include "judge/ArboDocService.h"
#include "model/EnterpriseLimits.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

namespace judge {

namespace {
// The smallest stored person and company: a count the rest of the file
// cannot hold is refused before anything is sized for it.
constexpr uint64_t kMinPersonBytes = 200;
constexpr uint64_t kMinCompanyBytes = 64;

}  // namespace

void CArboDoc::Serialize(CArchive& ar) {
    // The judgment never writes the file.
    if (ar.IsStoring()) return;
    char header[kFileHeaderSize];
    ar.Read(header, sizeof header);
    m_version = ReadChecked(ar, kFormatVersion, kFormatVersion, eMERCAVO_ERROR_VERSION);
    m_reserved = ReadChecked(ar, 0, 0, eMERCAVO_ERROR_VERSION);
    m_frame.Serialize(ar);
    LoadCalendar(ar);
    m_map.Load(ar);
    LoadCompanies(ar);
    LoadPersons(ar);
    m_reservedWord = ar.ReadInt();
    LoadTurnsAndStock(ar);
    LoadAuthor(ar);
    LoadSettings(ar);
    Validate();
}

void CArboDoc::LoadCalendar(CArchive& ar) {
    // One below the largest value, so that counting this load stays in range.
    m_loadCount = ReadChecked(ar, 0, INT_MAX - 1, eMERCAVO_ERROR_VERSION) + 1;
    m_personChecksum = ar.ReadInt();
    // A finished game has played at least one year; the loyalty and the
    // yearly ranks divide by the years. The company records keep no more
    // years than the game allows.
    m_playYears = ReadChecked(ar, 1, ::CEnterprise::kMaxYears);
    m_finalYear = ReadChecked(ar, m_playYears, m_playYears);
    m_finalMonth = ReadChecked(ar, 0, 11);
}

void CArboDoc::LoadCompanies(CArchive& ar) {
    m_startingPlayers = ReadChecked(ar, 0, INT_MAX);
    m_humanPlayers = ReadChecked(ar, 0, INT_MAX);
    // Every ranking needs a first company; no game has more companies than
    // its map offers names, relations and colours for.
    int limit = std::min(m_map.Map().GetMaxCompanyCount(), ::CMapDoc::kMaxCompanyLimit);
    int n = ReadChecked(ar, std::max(m_humanPlayers, 1), limit);
    CheckFits(ar, n, kMinCompanyBytes);
    m_companies.clear();
    m_companies.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        CEnterprise& company = m_companies[static_cast<size_t>(i)];
        if (!company.Bind(this, i, m_map.GetAreaCount())) throw std::bad_alloc();
        company.Record().Serialize(ar);
    }
    m_map.CheckOwners(n);
}

void CArboDoc::LoadPersons(CArchive& ar) {
    int first = ReadChecked(ar, 1, INT_MAX);
    int second = ReadChecked(ar, 1, INT_MAX);
    ReadChecked(ar, 1, INT_MAX);
    m_faceStrips.clear();
    int strips = 0;
    LoadPersonTable(ar, m_persons, first, strips);
    LoadPersonTable(ar, m_governors, second, strips);
}

void CArboDoc::LoadPersonTable(CArchive& ar, std::vector<CPersonData>& table, int count,
                               int& strips) {
    CheckFits(ar, count, kMinPersonBytes);
    table.clear();
    table.resize(static_cast<size_t>(count));
    int groupStart = 0;
    for (int i = 0; i < count; ++i) {
        table[static_cast<size_t>(i)].Record().Serialize(ar);
        if ((i + 1) % kFaceGroup == 0 || i == count - 1) {
            if (!BuildFaceStrip(strips, table, groupStart, i)) throw eMERCAVO_ERROR_FAILED;
            groupStart = i + 1;
        }
    }
}

void CArboDoc::LoadTurnsAndStock(CArchive& ar) {
    const int n = GetCompanyCount();
    m_turnPosition = ReadChecked(ar, 0, INT_MAX);
    m_turnOrder.assign(static_cast<size_t>(n), 0);
    for (int& entry : m_turnOrder) entry = ReadChecked(ar, 0, INT_MAX);
    m_interestRate = ReadChecked(ar, 0, INT_MAX);
    int64_t entries = (int64_t{n} + 1) * n;
    CheckFits(ar, entries, 4);
    m_stock.assign(static_cast<size_t>(entries), 0);
    for (int& v : m_stock) v = ReadChecked(ar, 0, INT_MAX);
}

void CArboDoc::LoadAuthor(CArchive& ar) {
    m_authorName = ar.ReadString();
    int size = ar.ReadInt();
    m_authorMark.Free();
    if (size <= 0) return;
    CheckFits(ar, size, 1);
    if (!m_authorMark.Alloc(static_cast<size_t>(size))) throw eMERCAVO_ERROR_MEMORY;
    ar.Read(m_authorMark.Lock(), static_cast<size_t>(size));
}

void CArboDoc::LoadSettings(CArchive& ar) {
    m_viewDirection = ReadChecked(ar, 0, 3);
    // The waits of the announcement stay in the game's range.
    m_waitTime = std::min(ReadChecked(ar, 0, INT_MAX), kMaxWaitTime);
    m_flag = ar.ReadByte();
    if (m_flag > 1) throw eMERCAVO_ERROR_CONTENTS;
    // The game's current area: not the judgment's.
    ar.ReadInt();
}

// The indexes the companies hold into the tables read after them, checked
// as the game's loader checks them.
void CArboDoc::Validate() const {
    const ::CMapDoc& map = m_map.Map();
    CEnterpriseLimits limits;
    limits.personCount = GetPersonCount();
    for (int l = 0; l < ::CMapDoc::kLeagueCount; ++l)
        limits.teamCounts[static_cast<size_t>(l)] = map.GetLeague(l).GetTeamCount();
    limits.companyNameCount = map.GetCompanyNameCount();
    limits.companyCount = GetCompanyCount();
    for (const CEnterprise& company : m_companies) company.Record().Validate(limits);
}

int CArboDoc::LoadFrom(CArchive& ar) {
    CArboDocService service(*this);
    auto scoped = ScopedDoc(&service);
    try {
        Serialize(ar);
    } catch (eMERCAVO_ERROR e) {
        return e;
    } catch (const CArchiveException&) {
        return kOpenFailed;
    } catch (const std::bad_alloc&) {
        return eMERCAVO_ERROR_MEMORY;
    } catch (const std::length_error&) {
        return eMERCAVO_ERROR_MEMORY;
    } catch (const std::out_of_range&) {
        return eMERCAVO_ERROR_CONTENTS;
    }
    return -1;
}

int CArboDoc::LoadFile(const std::string& path) {
    CFileStream file;
    if (!file.Open(path, CFileStream::modeRead)) return kOpenFailed;
    CArchive ar(file, CArchive::load);
    return LoadFrom(ar);
}

int CArboDoc::LoadBytes(const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    return LoadFrom(ar);
}

}  // namespace judge
