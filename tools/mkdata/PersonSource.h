#pragma once
// The persons of the character data file as the data team writes them in
// data/persons.txt: sections [author], [directors] (the first person table:
// directors and director candidates) and [governors], one person a line.
// The source is read and checked here with messages that name the file and
// line, so that mkdata never writes a file the game would refuse; the
// persons then become raw records with three faces each.
//
// A person line: sex (M/F), start year, face seed, age, grade, sociability,
// the five base abilities, the five growth values, vote weight, fund growth,
// and the name as the rest of the line. The [author] section holds "name
// TEXT" and "mark LETTERS".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/PersonDataFile.h"

class CGamePalette;

class CPersonSource {
public:
    // What the map asks of the persons; the defaults are those of a map
    // that no file has filled, with the largest area count of our maps.
    struct SNeeds {
        int directors = 14;
        int governors = 10;
        int areas = 12;
    };

    struct SPerson {
        int line = 0;
        bool governor = false;
        bool female = false;
        int startYear = 0;
        uint64_t faceSeed = 0;
        int age = 0;
        int grade = 0;
        int sociability = 0;
        std::array<int, 5> abilities{};
        std::array<int, 5> growth{};
        int voteWeight = 0;
        int fundGrowth = 0;
        std::string name;
    };

    // Enough persons for a varied game of up to ten companies and ten years.
    static constexpr int kMinDirectorTable = 80;
    // Governors beyond one per area, so that elections have challengers.
    static constexpr int kSpareGovernors = 3;
    static constexpr int kMaxStartYear = 9;
    static constexpr int kMaxNameLength = 24;
    static constexpr int kMaxMarkLetters = 3;
    static constexpr const char* kSourceName = "persons.txt";

    // Reads a source; throws std::runtime_error "NAME:LINE: what is wrong".
    void Parse(std::string_view text, const std::string& sourceName);
    // The same from a file ("PATH: cannot be read" when it cannot).
    void ReadFile(const std::string& path);

    // Throws std::runtime_error naming the rule the persons break.
    void Check(const SNeeds& needs) const;

    // Checks, then makes the file: records in source order (first table,
    // then governors), three faces each, the author's name and mark.
    CPersonDataFile Build(const SNeeds& needs, const CGamePalette& palette) const;

    // Reads the source file, builds and writes the character data file.
    // Throws std::runtime_error naming what went wrong; nothing is written
    // then.
    static void WriteDataFile(const std::string& sourcePath, const std::string& outPath,
                              const SNeeds& needs, const CGamePalette& palette);

    const std::vector<SPerson>& GetPersons() const { return m_persons; }
    const std::string& GetAuthorName() const { return m_authorName; }
    int CountDirectorTable() const;
    int CountGovernors() const;
    // Persons of the first table who can be hired in the first year.
    int CountFirstYear() const;

private:
    enum class ESection { None, Author, Directors, Governors };

    void ParseLine(std::string_view line, int number);
    void ParseAuthorLine(std::string_view line, int number);
    void ParsePersonLine(std::string_view line, int number);
    [[noreturn]] void Fail(int line, const std::string& what) const;
    CBasePerson MakeRecord(const SPerson& person, const CGamePalette& palette) const;

    std::string m_sourceName;
    ESection m_section = ESection::None;
    std::vector<SPerson> m_persons;
    std::string m_authorName;
    std::string m_markLetters;
};
