#include "tools/mkdata/PersonSource.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "model/BM.h"
#include "model/MercavoError.h"
#include "platform/core/ArchiveException.h"
#include "tools/mkdata/AuthorMarkPainter.h"
#include "tools/mkdata/FacePainter.h"

namespace {

// The figures of a person line after sex and seed, with the ranges the data
// team may use: within what the game's formulas take, and plausible.
struct SColumn {
    const char* name;
    int lo, hi;
};
constexpr SColumn kStart{"start year", 0, CPersonSource::kMaxStartYear};
constexpr SColumn kAge{"age", 20, 80};
constexpr SColumn kGrade{"grade", 0, 9};
constexpr SColumn kSociability{"sociability", 0, CBasePerson::kMaxSociability};
constexpr SColumn kAbility{"ability", 1, 9};
constexpr SColumn kGrowth{"growth", 0, 9};
constexpr SColumn kVote{"vote weight", 0, 9};
constexpr SColumn kFund{"fund growth", 0, 9};
constexpr int kFigureColumns = 18;

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r";
    size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// Splits off the first whitespace-separated word.
std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    size_t end = rest.find_first_of(" \t");
    std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
    return word;
}

bool IsPlainText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; });
}

// Every face of a person is drawn at its three ages.
CFacePainter::ESex SexOf(const CPersonSource::SPerson& person) {
    return person.female ? CFacePainter::ESex::Female : CFacePainter::ESex::Male;
}

}  // namespace

// ---- Reading ----

void CPersonSource::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::stringstream text;
    text << in.rdbuf();
    Parse(text.str(), path);
}

void CPersonSource::Parse(std::string_view text, const std::string& sourceName) {
    m_sourceName = sourceName;
    m_section = ESection::None;
    int number = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        line = Trim(line.substr(0, line.find('#')));
        if (!line.empty()) ParseLine(line, number);
    }
}

void CPersonSource::ParseLine(std::string_view line, int number) {
    if (line.front() == '[') {
        if (line == "[author]")
            m_section = ESection::Author;
        else if (line == "[directors]")
            m_section = ESection::Directors;
        else if (line == "[governors]")
            m_section = ESection::Governors;
        else
            Fail(number, "unknown section " + std::string(line) +
                             " (known: [author], [directors], [governors])");
        return;
    }
    switch (m_section) {
        case ESection::None:
            Fail(number, "a line before the first section");
        case ESection::Author:
            ParseAuthorLine(line, number);
            return;
        default:
            ParsePersonLine(line, number);
            return;
    }
}

void CPersonSource::ParseAuthorLine(std::string_view line, int number) {
    std::string_view rest = line;
    std::string_view key = NextWord(rest);
    std::string value(Trim(rest));
    if (value.empty() || !IsPlainText(value))
        Fail(number, "expected \"" + std::string(key) + " TEXT\"");
    if (key == "name") {
        m_authorName = value;
    } else if (key == "mark") {
        if (value.size() > static_cast<size_t>(kMaxMarkLetters))
            Fail(number, "a mark has at most " + std::to_string(kMaxMarkLetters) + " letters");
        m_markLetters = value;
    } else {
        Fail(number, "unknown author entry \"" + std::string(key) + "\" (known: name, mark)");
    }
}

void CPersonSource::ParsePersonLine(std::string_view line, int number) {
    std::string_view rest = line;
    std::vector<std::string_view> words;
    for (int i = 0; i < kFigureColumns; ++i) {
        std::string_view word = NextWord(rest);
        if (word.empty()) break;
        words.push_back(word);
    }
    std::string name(Trim(rest));
    if (words.size() < static_cast<size_t>(kFigureColumns) || name.empty())
        Fail(number, "expected " + std::to_string(kFigureColumns) +
                         " figures (sex, start, seed, age, grade, sociability, five abilities, "
                         "five growth values, vote, fund) and a name");

    SPerson person;
    person.line = number;
    person.governor = m_section == ESection::Governors;
    if (words[0] != "M" && words[0] != "F")
        Fail(number, "sex \"" + std::string(words[0]) + "\" is neither M nor F");
    person.female = words[0] == "F";
    auto figure = [&](size_t i, const SColumn& column) {
        int value = 0;
        auto [end, error] =
            std::from_chars(words[i].data(), words[i].data() + words[i].size(), value);
        if (error != std::errc() || end != words[i].data() + words[i].size())
            Fail(number, std::string(column.name) + " \"" + std::string(words[i]) +
                             "\" is not a whole number");
        if (value < column.lo || value > column.hi)
            Fail(number, std::string(column.name) + " " + std::to_string(value) + " is outside " +
                             std::to_string(column.lo) + ".." + std::to_string(column.hi));
        return value;
    };
    person.startYear = figure(1, kStart);
    auto [seedEnd, seedError] =
        std::from_chars(words[2].data(), words[2].data() + words[2].size(), person.faceSeed);
    if (seedError != std::errc() || seedEnd != words[2].data() + words[2].size())
        Fail(number, "face seed \"" + std::string(words[2]) + "\" is not a whole number");
    person.age = figure(3, kAge);
    person.grade = figure(4, kGrade);
    person.sociability = figure(5, kSociability);
    for (size_t i = 0; i < 5; ++i) {
        person.abilities[i] = figure(6 + i, kAbility);
        person.growth[i] = figure(11 + i, kGrowth);
    }
    person.voteWeight = figure(16, kVote);
    person.fundGrowth = figure(17, kFund);
    if (person.governor && person.startYear != 0)
        Fail(number, "a governor is in office from the first year: start must be 0");
    if (name.size() > static_cast<size_t>(kMaxNameLength) || !IsPlainText(name))
        Fail(number, "a name has 1 to " + std::to_string(kMaxNameLength) + " plain characters: \"" +
                         name + "\"");
    for (const SPerson& other : m_persons) {
        if (other.name == name)
            Fail(number, "the name \"" + name + "\" is also on line " + std::to_string(other.line));
        if (other.faceSeed == person.faceSeed)
            Fail(number, "the face seed " + std::to_string(person.faceSeed) + " is also on line " +
                             std::to_string(other.line));
    }
    person.name = std::move(name);
    m_persons.push_back(std::move(person));
}

void CPersonSource::Fail(int line, const std::string& what) const {
    throw std::runtime_error(m_sourceName + ":" + std::to_string(line) + ": " + what);
}

// ---- Content rules ----

int CPersonSource::CountDirectorTable() const {
    return static_cast<int>(std::count_if(m_persons.begin(), m_persons.end(),
                                          [](const SPerson& p) { return !p.governor; }));
}

int CPersonSource::CountGovernors() const {
    return static_cast<int>(m_persons.size()) - CountDirectorTable();
}

int CPersonSource::CountFirstYear() const {
    return static_cast<int>(std::count_if(m_persons.begin(), m_persons.end(), [](const SPerson& p) {
        return !p.governor && p.startYear == 0;
    }));
}

void CPersonSource::Check(const SNeeds& needs) const {
    auto fail = [&](const std::string& what) {
        throw std::runtime_error(m_sourceName + ": " + what);
    };
    int directors = CountDirectorTable();
    int wanted = std::max(kMinDirectorTable, needs.directors);
    if (directors < wanted)
        fail("too few persons in [directors]: " + std::to_string(directors) + ", at least " +
             std::to_string(wanted));
    if (CountFirstYear() < needs.directors)
        fail("too few persons in [directors] with start 0: " + std::to_string(CountFirstYear()) +
             ", the map needs " + std::to_string(needs.directors) + " in the first year");
    int governors = CountGovernors();
    int governorsWanted = std::max(needs.governors, needs.areas + kSpareGovernors);
    if (governors < governorsWanted)
        fail("too few persons in [governors]: " + std::to_string(governors) + ", at least " +
             std::to_string(governorsWanted) + " (the map needs " +
             std::to_string(needs.governors) + "; one per area of " + std::to_string(needs.areas) +
             " and " + std::to_string(kSpareGovernors) + " more)");
    if (m_authorName.empty() || m_markLetters.empty())
        fail("the [author] section needs a name and a mark");
}

// ---- The file ----

CPersonDataFile CPersonSource::Build(const SNeeds& needs, const CGamePalette& palette) const {
    Check(needs);
    CPersonDataFile file;
    // The first table, then the governors, each in source order.
    for (bool governors : {false, true})
        for (const SPerson& person : m_persons)
            if (person.governor == governors) file.AddPerson(MakeRecord(person, palette));
    file.SetFirstYearCandidates(CountFirstYear());
    file.SetAuthorName(m_authorName);
    CMemBlock mark = CAuthorMarkPainter::DrawBlock(m_markLetters, palette);
    file.SetAuthorMark(std::vector<uint8_t>(mark.Lock(), mark.Lock() + mark.Size()));
    return file;
}

CBasePerson CPersonSource::MakeRecord(const SPerson& person, const CGamePalette& palette) const {
    CBasePerson record;
    // The kind field is the sex the dialogs show: 1 "M", 2 "F".
    record.SetKind(person.female ? 2 : 1);
    record.SetBaseAge(person.age);
    record.SetGrade(person.grade);
    record.SetSociability(person.sociability);
    for (int i = 0; i < CBasePerson::kAbilityCount; ++i) {
        record.SetBaseAbility(i, person.abilities[static_cast<size_t>(i)]);
        record.SetGrowth(i, person.growth[static_cast<size_t>(i)]);
    }
    record.SetTableFlag(person.governor ? 1 : 0);
    record.SetFigure1(person.startYear);
    record.SetFigure2(person.voteWeight);
    record.SetFigure3(person.fundGrowth);
    record.SetName(person.name);
    for (int age = 0; age < CFacePainter::kAges; ++age)
        record.SetFace(age,
                       CBM(CFacePainter::DrawBlock(person.faceSeed, SexOf(person), age, palette)));
    return record;
}

void CPersonSource::WriteDataFile(const std::string& sourcePath, const std::string& outPath,
                                  const SNeeds& needs, const CGamePalette& palette) {
    CPersonSource source;
    source.ReadFile(sourcePath);
    CPersonDataFile file = source.Build(needs, palette);
    // Writing reads the file back through the game's reader first: what it
    // refuses is reported here and never reaches the disk.
    try {
        if (!file.WriteFile(outPath)) throw std::runtime_error(outPath + ": cannot be written");
    } catch (eMERCAVO_ERROR e) {
        throw std::runtime_error(outPath + ": the game would refuse it: " + GetMercavoErrorText(e));
    } catch (const CArchiveException& e) {
        throw std::runtime_error(outPath + ": the game would refuse it: " + e.what());
    }
}
