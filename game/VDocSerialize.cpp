// The saved-game file: the whole state of one game. The player's saved
// games, the monthly backup and the judgment data file share it.

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>

#include "game/VDoc.h"
#include "model/EnterpriseLimits.h"
#include "model/FrameState.h"
#include "model/MercavoError.h"
#include "model/StoredForm.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"
#include "platform/core/ArchiveStream.h"

namespace {
// The smallest saved person record: its numbers, two empty texts and three
// empty faces. A table longer than the rest of the file can hold is bad
// data, refused before anything is sized for it.
constexpr uint64_t kMinPersonBytes = 200;
// The smallest company record.
constexpr uint64_t kMinCompanyBytes = 64;

}  // namespace

void CVDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

// ---------------------------------------------------------------- storing

void CVDoc::Store(CArchive& ar) {
    char header[kFileHeaderSize];
    std::memset(header, ' ', sizeof header);
    std::memcpy(header, kFileHeader, sizeof kFileHeader - 1);
    header[kFileHeaderSize - 1] = 0x1A;
    ar.Write(header, sizeof header);
    ar.WriteInt(kFormatVersion);
    ar.WriteInt(0);
    m_frame->Serialize(ar);
    for (int v :
         {m_game.loadCount, m_game.personChecksum, m_game.playYears, m_game.year, m_game.month})
        ar.WriteInt(v);
    GetMap().Serialize(ar);
    ar.WriteInt(m_game.startingPlayers);
    ar.WriteInt(m_game.humanPlayers);
    ar.WriteInt(CompanyCount());
    for (CEnterprise& company : m_game.companies) company.Serialize(ar);
    ar.WriteInt(GetDirectorTableSize());
    ar.WriteInt(GetGovernorTableSize());
    ar.WriteInt(m_game.firstYearCandidates);
    for (CPersonData& person : m_game.directors) person.Serialize(ar);
    for (CPersonData& person : m_game.governors) person.Serialize(ar);
    ar.WriteInt(m_game.reservedWord);
    ar.WriteInt(m_game.turnPosition);
    for (int p = 0; p < CompanyCount(); ++p)
        ar.WriteInt(p < static_cast<int>(m_game.turnOrder.size())
                        ? m_game.turnOrder[static_cast<size_t>(p)]
                        : p);
    ar.WriteInt(m_game.interestRate);
    for (int v : m_game.stock) ar.WriteInt(v);
    ar.WriteString(m_game.authorName);
    ar.WriteInt(static_cast<int32_t>(m_game.authorMark.Size()));
    if (!m_game.authorMark.IsEmpty()) ar.Write(m_game.authorMark.Lock(), m_game.authorMark.Size());
    ar.WriteInt(m_game.viewDirection);
    ar.WriteInt(m_game.waitTime);
    ar.WriteByte(static_cast<uint8_t>(m_game.activityReport));
    ar.WriteInt(m_game.savedArea);
}

// ---------------------------------------------------------------- loading

void CVDoc::Load(CArchive& ar) {
    char header[kFileHeaderSize];
    ar.Read(header, sizeof header);
    ReadChecked(ar, kFormatVersion, kFormatVersion, eMERCAVO_ERROR_VERSION);
    ReadChecked(ar, 0, 0, eMERCAVO_ERROR_VERSION);
    m_frame->Serialize(ar);
    LoadCalendar(ar);
    GetMap().Serialize(ar);
    LoadCompanies(ar);
    LoadPersons(ar);
    m_game.reservedWord = ar.ReadInt();
    LoadTurnsAndStock(ar);
    LoadAuthor(ar);
    LoadSettings(ar);
    ValidateLoadedGame();
    m_game.governorFaces = ComputeGovernorFaces();
}

void CVDoc::LoadCalendar(CArchive& ar) {
    // One below the largest value, so that counting this load stays in range.
    m_game.loadCount = ReadChecked(ar, 0, INT_MAX - 1, eMERCAVO_ERROR_VERSION) + 1;
    m_game.personChecksum = ar.ReadInt();
    m_game.playYears = ReadChecked(ar, 0, INT_MAX);
    m_game.year = ReadChecked(ar, 0, m_game.playYears - 1);
    m_game.month = ReadChecked(ar, 0, 11);
}

void CVDoc::LoadCompanies(CArchive& ar) {
    m_game.startingPlayers = ReadChecked(ar, 0, INT_MAX);
    m_game.humanPlayers = ReadChecked(ar, 0, INT_MAX);
    // No game has more companies than its map offers names, relations and
    // colours for.
    int limit = std::min(GetMap().GetMaxCompanyCount(), CMapDoc::kMaxCompanyLimit);
    int n = ReadChecked(ar, m_game.humanPlayers, limit);
    CheckFits(ar, n, kMinCompanyBytes);
    m_game.companies.clear();
    m_game.companies.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        CEnterprise& company = m_game.companies[static_cast<size_t>(i)];
        if (!company.Init(i, GetMap().GetAreaCount())) throw std::bad_alloc();
        company.Serialize(ar);
    }
}

void CVDoc::LoadPersons(CArchive& ar) {
    int d = ReadChecked(ar, 1, INT_MAX);
    int g = ReadChecked(ar, 1, INT_MAX);
    m_game.firstYearCandidates = ReadChecked(ar, 1, INT_MAX);
    m_game.faceStrips.clear();
    int stripCounter = 0;
    LoadPersonTable(ar, false, d, stripCounter);
    LoadPersonTable(ar, true, g, stripCounter);
}

void CVDoc::LoadPersonTable(CArchive& ar, bool governors, int count, int& stripCounter) {
    CheckFits(ar, count, kMinPersonBytes);
    std::vector<CPersonData>& table = Table(governors);
    table.clear();
    table.resize(static_cast<size_t>(count));
    int groupStart = 0;
    for (int i = 0; i < count; ++i) {
        table[static_cast<size_t>(i)].Serialize(ar);
        if (i % 3 == 2 || i == count - 1) {
            if (!PackFaceStrips(stripCounter, governors, groupStart, i))
                throw eMERCAVO_ERROR_FAILED;
            groupStart = i + 1;
        }
    }
}

void CVDoc::LoadTurnsAndStock(CArchive& ar) {
    const int n = CompanyCount();
    // Every turn handler takes the entries as company indexes: the table
    // must name every company exactly once.
    m_game.turnPosition = ReadChecked(ar, 0, std::max(n - 1, 0));
    m_game.turnOrder.assign(static_cast<size_t>(n), 0);
    std::vector<bool> seen(static_cast<size_t>(n), false);
    for (int& entry : m_game.turnOrder) {
        entry = ReadChecked(ar, 0, n - 1);
        if (seen[static_cast<size_t>(entry)]) throw eMERCAVO_ERROR_CONTENTS;
        seen[static_cast<size_t>(entry)] = true;
    }
    m_game.interestRate = ReadChecked(ar, 0, INT_MAX);
    int64_t entries = (int64_t{n} + 1) * n;
    CheckFits(ar, entries, 4);
    m_game.stock.assign(static_cast<size_t>(entries), 0);
    for (int& v : m_game.stock) v = ReadChecked(ar, 0, INT_MAX);
}

void CVDoc::LoadAuthor(CArchive& ar) {
    m_game.authorName = ar.ReadString();
    int size = ar.ReadInt();
    m_game.authorMark.Free();
    if (size <= 0) return;
    CheckFits(ar, size, 1);
    if (!m_game.authorMark.Alloc(static_cast<size_t>(size))) throw eMERCAVO_ERROR_MEMORY;
    ar.Read(m_game.authorMark.Lock(), static_cast<size_t>(size));
}

void CVDoc::LoadSettings(CArchive& ar) {
    m_game.viewDirection = ReadChecked(ar, 0, 3);
    // A damaged file must not make every wait last hours: the Options
    // dialog's range holds.
    m_game.waitTime = std::min(ReadChecked(ar, 0, INT_MAX), kMaxWaitTime);
    m_game.activityReport = ar.ReadByte();
    if (m_game.activityReport > 1) throw eMERCAVO_ERROR_CONTENTS;
    // -1: no area to show; the view is handed nothing below that.
    m_game.savedArea = ReadChecked(ar, -1, GetMap().GetAreaCount() - 1);
}

// The indexes that the companies, the persons and the map hold into each
// other's tables; each table is read only after the records that point
// into it.
void CVDoc::ValidateLoadedGame() const {
    const CMapDoc& map = GetMap();
    const int n = CompanyCount();
    CEnterpriseLimits limits;
    limits.personCount = GetDirectorTableSize();
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        limits.teamCounts[static_cast<size_t>(l)] = map.GetLeague(l).GetTeamCount();
    limits.companyNameCount = map.GetCompanyNameCount();
    limits.companyCount = n;
    for (const CEnterprise& company : m_game.companies) company.Validate(limits);
    // A person's own index is taken as its place in its table.
    for (int i = 0; i < GetDirectorTableSize(); ++i) {
        const CPersonData& person = m_game.directors[static_cast<size_t>(i)];
        CheckIndex(person.GetIndex(), i, i + 1);
        CheckIndex(person.GetEmployerNo(), -n, n + 1);
        CheckIndex(person.GetRelationCount(), 0, map.GetMaxCompanyCount() + 1);
    }
    for (int i = 0; i < GetGovernorTableSize(); ++i) {
        const CPersonData& person = m_game.governors[static_cast<size_t>(i)];
        CheckIndex(person.GetIndex(), i, i + 1);
        CheckIndex(person.GetEmployerNo(), 0, map.GetAreaCount() + 1);
        CheckIndex(person.GetRelationCount(), 0, map.GetMaxCompanyCount() + 1);
    }
    // The map checked its cells against its own maximum; their owners must
    // be companies of this game.
    const CAreaLimits cells = GetCellLimits();
    for (int a = 0; a < map.GetAreaCount(); ++a) {
        CheckIndex(map.GetArea(a).GetGovernor(), -1, GetGovernorTableSize());
        map.GetArea(a).Validate(cells);
    }
    for (int l = 0; l < CMapDoc::kLeagueCount; ++l)
        for (int t = 0; t < map.GetLeague(l).GetTeamCount(); ++t)
            CheckIndex(map.GetLeague(l).GetTeam(t).GetOwnerIndex(), -1, n);
    for (int i = 0; i < map.GetCompanyNameCount(); ++i)
        CheckIndex(map.GetCompanyNameUser(i), -1, n);
    // The frame's peers play companies of this game (or none).
    for (const CFrameState::SPeer& peer : m_frame->GetPeers()) CheckIndex(peer.company, -1, n);
}

// ---------------------------------------------------------------- files

int CVDoc::LoadFrom(CArchive& ar) {
    // The game is read into a fresh document, and only a whole game replaces
    // the one running here. What it reads reaches its own map and tables,
    // never the registered document.
    auto fresh = std::make_unique<CVDoc>();
    const uint64_t size = ar.Stream().Remaining();
    int error = -1;
    try {
        fresh->Load(ar);
    } catch (eMERCAVO_ERROR e) {
        error = e;
    } catch (const CArchiveException&) {
        error = eMERCAVO_ERROR_FAILED;
    } catch (const std::bad_alloc&) {
        error = eMERCAVO_ERROR_MEMORY;
    } catch (const std::length_error&) {
        error = eMERCAVO_ERROR_MEMORY;
    } catch (const std::out_of_range&) {
        error = eMERCAVO_ERROR_CONTENTS;
    }
    if (error != -1) return error;
    std::swap(m_game, fresh->m_game);
    *m_frame = fresh->GetFrameState();
    m_game.loadedGame = true;
    m_modified = false;
    // What the game took of the data, not what followed it.
    m_storedSize = static_cast<size_t>(size - ar.Stream().Remaining());
    return -1;
}

int CVDoc::LoadBytes(const std::vector<uint8_t>& bytes) {
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    return LoadFrom(ar);
}

int CVDoc::LoadFile(const std::string& path) {
    CFileStream file;
    if (!file.Open(path, CFileStream::modeRead)) return eMERCAVO_ERROR_FAILED;
    CArchive ar(file, CArchive::load);
    return LoadFrom(ar);
}

std::vector<uint8_t> CVDoc::SaveBytes() {
    CMemoryStream stream;
    stream.Reserve(m_storedSize);
    CArchive ar(stream, CArchive::store);
    Serialize(ar);
    m_storedSize = stream.Bytes().size();
    return stream.TakeBytes();
}

bool CVDoc::LocateLoadWords(const std::vector<uint8_t>& saved, size_t& sessionState,
                            size_t& loadCount) {
    try {
        CMemoryStream stream(saved);
        CArchive ar(stream, CArchive::load);
        std::vector<uint8_t> head(kFileHeaderSize + 2 * sizeof(int32_t));
        ar.Read(head.data(), head.size());
        CFrameState frame;
        frame.Serialize(ar);
        loadCount = stream.Position();
        // The frame's part ends with the session state and the player name.
        CMemoryStream name;
        CArchive nameAr(name, CArchive::store);
        nameAr.WriteString(frame.GetPlayerName());
        sessionState = loadCount - name.Bytes().size() - sizeof(int32_t);
        return loadCount + sizeof(int32_t) <= saved.size();
    } catch (...) {
        return false;
    }
}

bool CVDoc::SameApartFromLoadWords(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t sessionA = 0, countA = 0, sessionB = 0, countB = 0;
    if (a.size() != b.size() || !LocateLoadWords(a, sessionA, countA) ||
        !LocateLoadWords(b, sessionB, countB) || sessionA != sessionB || countA != countB)
        return false;
    auto masked = [&](size_t i) {
        return (i >= sessionA && i < sessionA + 4) || (i >= countA && i < countA + 4);
    };
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !masked(i)) return false;
    return true;
}

// The game is written beside the target under a temporary name and then
// renamed over it, so that a save that fails half-way (a full disk, a
// removed folder) leaves the file that was there as it was.
bool CVDoc::SaveFile(const std::string& path) {
    std::vector<uint8_t> bytes = SaveBytes();
    const std::string temporary = path + ".saving";
    CFileStream file;
    if (!file.Open(temporary, CFileStream::modeWrite)) return false;
    bool written = file.Write(bytes.data(), bytes.size());
    if (!file.Close() || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    m_modified = false;
    return true;
}

int CVDoc::OnOpenDocument(const std::string& path) {
    int error = LoadFile(path);
    if (error == -1) return 1;
    Services::Frame().ShowMessageBox(GetMercavoErrorText(error), kMessageIconExclamation);
    return 0;
}
