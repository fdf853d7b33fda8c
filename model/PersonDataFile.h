#pragma once
// The character data file ("ORIGINAL.MQP"): a 31-byte header text, twelve
// head integers (among them the person count T, the governor count G and the
// first year's candidate count), twelve doubles, T raw person records with
// their faces, the data author's name and mark, and last the checksum of
// everything before it. The game document reads the persons from it; the
// data tool writes it. Loading feeds every value to the application's data
// checksum in file order and refuses a file whose records do not fill the
// two person tables that the head announces.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/BasePerson.h"

class CArchive;

class CPersonDataFile {
public:
    static constexpr const char* kFileName = "ORIGINAL.MQP";
    // The header text: 30 characters and the end-of-file mark 0x1A.
    static constexpr char kHeader[] = "MERCAVO Person Data File  1.00\x1A";
    static constexpr int kHeaderSize = 31;
    static constexpr int kHeadCount = 12;
    static constexpr int kDoubleCount = 12;
    // Head integers with a meaning; the others are only carried and summed.
    enum eHead { headPersonCount = 3, headGovernorCount = 7, headFirstYearCandidates = 11 };
    // The smallest raw person record: 18 integers, two empty texts and three
    // empty pictures.
    static constexpr int kMinRecordBytes = 23 * 4;

    // Reads the whole file. Resets the data checksum and feeds it; the
    // stored checksum must equal the running one. Throws CArchiveException
    // for a short file or a bad text length, and eMERCAVO_ERROR_CONTENTS for
    // negative or inconsistent counts, a record that does not make a sound
    // person, records whose table flags do not give exactly T - G persons of
    // the first table and G governors, and a checksum that differs. A load
    // that throws leaves this object as it was.
    void Load(CArchive& ar);
    // The same from a file; false when it cannot be opened (the load's
    // errors are thrown as above).
    bool LoadFile(const std::string& path);

    // The whole file, its checksum computed as loading computes it. The
    // contents are read back through Load first, so a file that would not
    // load throws what loading it would throw and nothing is returned.
    std::vector<uint8_t> Write() const;
    // false when the file cannot be created or written (the contents' errors
    // are thrown as above).
    bool WriteFile(const std::string& path) const;

    // The records in file order: each goes to the governors' table when its
    // table flag is non-zero, else to the directors' table.
    const std::vector<CBasePerson>& GetPersons() const { return m_persons; }
    // Appends a record and counts it into T (and G for a governor).
    void AddPerson(const CBasePerson& person);

    int GetHeadValue(int i) const { return m_head.at(static_cast<size_t>(i)); }
    void SetHeadValue(int i, int value) { m_head.at(static_cast<size_t>(i)) = value; }
    double GetHeadDouble(int i) const { return m_doubles.at(static_cast<size_t>(i)); }
    void SetHeadDouble(int i, double value) { m_doubles.at(static_cast<size_t>(i)) = value; }

    int GetPersonCount() const { return m_head[headPersonCount]; }
    int GetDirectorCount() const { return m_head[headPersonCount] - m_head[headGovernorCount]; }
    int GetGovernorCount() const { return m_head[headGovernorCount]; }
    int GetFirstYearCandidates() const { return m_head[headFirstYearCandidates]; }
    void SetFirstYearCandidates(int count) { m_head[headFirstYearCandidates] = count; }

    const std::string& GetAuthorName() const { return m_authorName; }
    void SetAuthorName(std::string name) { m_authorName = std::move(name); }
    // The author's mark picture as raw bytes (a packed bitmap); empty for
    // none.
    const std::vector<uint8_t>& GetAuthorMark() const { return m_authorMark; }
    void SetAuthorMark(std::vector<uint8_t> mark) { m_authorMark = std::move(mark); }

    // The checksum stored at the end of the file that was loaded.
    int GetStoredChecksum() const { return m_storedChecksum; }

    // The first of the new game's tests on the persons that fails, as the
    // item its message names ("\"Directors\"", "\"Directors Candidates\" from
    // first year data", "\"Governors\""); nullptr when the persons suffice.
    const char* FindShortage(int directorsNeeded, int governorsNeeded) const;

private:
    void LoadContents(CArchive& ar);
    void LoadHead(CArchive& ar);
    void LoadPersons(CArchive& ar);
    void LoadAuthor(CArchive& ar);
    void StoreContents(CArchive& ar) const;
    // The running checksum of a file's contents (everything before the
    // stored checksum), as loading computes it.
    static int ComputeChecksum(const std::vector<uint8_t>& contents);

    std::array<int32_t, kHeadCount> m_head{};
    std::array<double, kDoubleCount> m_doubles{};
    std::vector<CBasePerson> m_persons;
    std::string m_authorName;
    std::vector<uint8_t> m_authorMark;
    int32_t m_storedChecksum = 0;
};
