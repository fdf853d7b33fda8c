#include "model/PersonDataFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/TestPictures.h"
#include "model/MercavoError.h"
#include "model/PersonFixtures.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveException.h"

namespace {

constexpr size_t kPersonCountAt = 43;
constexpr size_t kGovernorCountAt = 59;
constexpr size_t kCandidatesAt = 75;
constexpr size_t kFirstRecordAt = 175;
// The table flag is the 15th integer of a raw record.
constexpr size_t kTableFlagInRecord = 14 * 4;

CBasePerson MakePerson(const std::string& name, bool governor, int seed) {
    CBasePerson person;
    person.SetKind(seed % 2 + 1);
    person.SetBaseAge(30 + seed);
    person.SetGrade(seed % 7);
    person.SetSociability(seed % 6);
    for (int i = 0; i < CBasePerson::kAbilityCount; ++i) {
        person.SetBaseAbility(i, (seed + i) % 9 + 1);
        person.SetGrowth(i, (seed * 3 + i) % 5);
    }
    person.SetTableFlag(governor ? 1 : 0);
    person.SetFigure1(governor ? 0 : seed % 4);
    person.SetFigure2(seed % 5 + 1);
    person.SetFigure3(seed % 3 + 2);
    person.SetName(name);
    person.SetFace(seed % 3, CBM(MakeTestImageBlock(4, 4, 8, 0, seed)));
    return person;
}

// Four persons of the first table and two governors, mixed in file order.
CPersonDataFile MakeFile() {
    CPersonDataFile file;
    file.AddPerson(MakePerson("Alma Dunfield", false, 1));
    file.AddPerson(MakePerson("Govan Reet", true, 2));
    file.AddPerson(MakePerson("Bertil Ossing", false, 3));
    file.AddPerson(MakePerson("Carys Wendt", false, 4));
    file.AddPerson(MakePerson("Hollis Marr", true, 5));
    file.AddPerson(MakePerson("Dov Aslet", false, 6));
    file.SetFirstYearCandidates(3);
    file.SetHeadValue(0, 17);
    file.SetHeadDouble(5, -2.75);
    file.SetAuthorName("Data Team");
    file.SetAuthorMark(MakeTestImage(8, 8, 8, 16, 3));
    return file;
}

int32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
    int32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

class PersonDataFileTest : public ::testing::Test {
protected:
    CPersonDataFile Load(const std::vector<uint8_t>& bytes) {
        CPersonDataFile file;
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        file.Load(ar);
        return file;
    }

    // The offset of record i of the file MakeFile writes.
    static size_t RecordAt(const std::vector<uint8_t>& bytes, int i) {
        CPersonDataFile file = MakeFile();
        size_t at = kFirstRecordAt;
        for (int k = 0; k < i; ++k) {
            CMemoryStream stream;
            CArchive ar(stream, CArchive::store);
            file.GetPersons()[static_cast<size_t>(k)].StoreRaw(ar);
            at += stream.Bytes().size();
        }
        EXPECT_LT(at, bytes.size());
        return at;
    }

    CDetachedAppService app;
    CScopedService<IAppService> scopedApp = ScopedApp(&app);
};

TEST_F(PersonDataFileTest, WrittenFileLoadsWithEverythingItHolds) {
    const CPersonDataFile original = MakeFile();
    const std::vector<uint8_t> bytes = original.Write();

    app.DataChecksum().Reset().Add(12345);
    CPersonDataFile loaded = Load(bytes);
    EXPECT_EQ(loaded.GetStoredChecksum(), app.DataChecksum().Get());
    EXPECT_EQ(loaded.GetStoredChecksum(), Get32(bytes, bytes.size() - 4));

    EXPECT_EQ(loaded.GetPersonCount(), 6);
    EXPECT_EQ(loaded.GetDirectorCount(), 4);
    EXPECT_EQ(loaded.GetGovernorCount(), 2);
    EXPECT_EQ(loaded.GetFirstYearCandidates(), 3);
    EXPECT_EQ(loaded.GetHeadValue(0), 17);
    EXPECT_EQ(loaded.GetHeadDouble(5), -2.75);
    EXPECT_EQ(loaded.GetAuthorName(), "Data Team");
    EXPECT_EQ(loaded.GetAuthorMark(), original.GetAuthorMark());
    ASSERT_EQ(loaded.GetPersons().size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const CBasePerson& a = original.GetPersons()[i];
        const CBasePerson& b = loaded.GetPersons()[i];
        EXPECT_EQ(b.GetName(), a.GetName());
        EXPECT_EQ(b.GetKind(), a.GetKind());
        EXPECT_EQ(b.GetBaseAge(), a.GetBaseAge());
        EXPECT_EQ(b.GetTableFlag(), a.GetTableFlag());
        EXPECT_EQ(b.GetFigure1(), a.GetFigure1());
        EXPECT_EQ(b.GetBaseAbility(4), a.GetBaseAbility(4));
        EXPECT_EQ(b.GetGrowth(1), a.GetGrowth(1));
        for (int face = 0; face < 3; ++face)
            EXPECT_EQ(b.GetFace(face).HasImage(), a.GetFace(face).HasImage());
    }
    // Same contents, same bytes.
    EXPECT_EQ(loaded.Write(), bytes);
}

TEST_F(PersonDataFileTest, LayoutPutsTheCountsAndRecordsAtTheirOffsets) {
    const std::vector<uint8_t> bytes = MakeFile().Write();
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 31),
              std::string("MERCAVO Person Data File  1.00\x1A"));
    EXPECT_EQ(Get32(bytes, 31), 17);
    EXPECT_EQ(Get32(bytes, kPersonCountAt), 6);
    EXPECT_EQ(Get32(bytes, kGovernorCountAt), 2);
    EXPECT_EQ(Get32(bytes, kCandidatesAt), 3);
    double d5;
    std::memcpy(&d5, bytes.data() + 79 + 5 * 8, 8);
    EXPECT_EQ(d5, -2.75);

    CPersonDataFile file = MakeFile();
    CMemoryStream first;
    CArchive ar(first, CArchive::store);
    file.GetPersons()[0].StoreRaw(ar);
    ASSERT_GT(bytes.size(), kFirstRecordAt + first.Bytes().size());
    EXPECT_TRUE(
        std::equal(first.Bytes().begin(), first.Bytes().end(), bytes.begin() + kFirstRecordAt));
}

TEST_F(PersonDataFileTest, ChecksumTakesEveryValueAndTheMarkAsSizeThenSample) {
    CPersonDataFile file;
    file.SetHeadValue(1, 123);
    file.SetFirstYearCandidates(456);
    file.SetHeadDouble(0, 78.9);
    file.SetAuthorName("Qa");
    const std::vector<uint8_t> mark = MakeTestImage(8, 8, 8, 16, 7);
    file.SetAuthorMark(mark);
    const std::vector<uint8_t> bytes = file.Write();

    CDataChecksum expected;
    expected.AddText("MERCAVO Person Data File  1.00\x1A");
    for (int v : {0, 123, 0, 0, 0, 0, 0, 0, 0, 0, 0, 456}) expected.Add(v);
    expected.Add(78);
    for (int k = 1; k < 12; ++k) expected.Add(0);
    expected.AddText("Qa");
    expected.Add(static_cast<int>(mark.size()));
    expected.AddBlock(mark.data(), static_cast<int>(mark.size()));
    EXPECT_EQ(Get32(bytes, bytes.size() - 4), expected.Get());
    EXPECT_EQ(Load(bytes).GetStoredChecksum(), expected.Get());
    EXPECT_EQ(app.DataChecksum().Get(), expected.Get());
}

TEST_F(PersonDataFileTest, ChecksumOneOffRefusesTheFile) {
    for (int delta : {-1, 1}) {
        std::vector<uint8_t> bytes = MakeFile().Write();
        Put32(bytes, bytes.size() - 4, Get32(bytes, bytes.size() - 4) + delta);
        EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    }
}

// The records must fill the tables that the head sizes: a record beyond its
// table is refused where it is read, before the author and the checksum, so
// files cut after the records show that the count, not the checksum, failed.
TEST_F(PersonDataFileTest, RecordsThatDoNotFillTheTablesAreRefused) {
    const std::vector<uint8_t> good = MakeFile().Write();
    const size_t afterRecords = RecordAt(good, 6);
    struct SCase {
        const char* what;
        int persons, governors;
        int flipRecord;  // -1: none
    } cases[] = {
        {"one governor too many for the head", 6, 1, -1},
        {"one director too many for the head", 6, 3, -1},
        {"more governors than persons", 6, 7, -1},
        {"negative governor count", 6, -1, -1},
        {"negative person count", -1, 0, -1},
        {"a director flagged as governor", 6, 2, 0},
        {"a governor flagged as director", 6, 2, 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<long>(afterRecords));
        Put32(bytes, kPersonCountAt, c.persons);
        Put32(bytes, kGovernorCountAt, c.governors);
        if (c.flipRecord >= 0) {
            size_t at = RecordAt(good, c.flipRecord) + kTableFlagInRecord;
            Put32(bytes, at, 1 - Get32(bytes, at));
        }
        EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    }
}

TEST_F(PersonDataFileTest, UnsoundRecordsAreRefused) {
    const std::vector<uint8_t> good = MakeFile().Write();
    const size_t record = RecordAt(good, 2);
    struct SCase {
        const char* what;
        size_t offset;
        int32_t value;
    } cases[] = {
        {"kind 3", 0, 3},
        {"negative ability", 4 * 4, -1},
        {"negative growth", 9 * 4, -5},
        {"sociability 7", 3 * 4, 7},
        {"table flag 2", kTableFlagInRecord, 2},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes(good.begin(),
                                   good.begin() + static_cast<long>(RecordAt(good, 3)));
        Put32(bytes, record + c.offset, c.value);
        EXPECT_THROW(Load(bytes), eMERCAVO_ERROR);
    }
}

TEST_F(PersonDataFileTest, ShortOrOversizedDataThrowsTheArchiveError) {
    const std::vector<uint8_t> good = MakeFile().Write();
    for (size_t cut :
         {size_t{0}, size_t{30}, size_t{100}, size_t{176}, good.size() - 5, good.size() - 1}) {
        SCOPED_TRACE(cut);
        EXPECT_THROW(
            Load(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut))),
            CArchiveException);
    }
    // A count far beyond the data and a mark larger than what is left.
    std::vector<uint8_t> many = good;
    Put32(many, kPersonCountAt, 0x7FFFFFFF);
    Put32(many, kGovernorCountAt, 0);
    EXPECT_ANY_THROW(Load(many));

    CPersonDataFile file = MakeFile();
    file.SetAuthorMark({});
    std::vector<uint8_t> bigMark = file.Write();
    Put32(bigMark, bigMark.size() - 8, 0x7FFFFFF0);
    EXPECT_THROW(Load(bigMark), CArchiveException);
}

TEST_F(PersonDataFileTest, AFailedLoadKeepsThePreviousContents) {
    CPersonDataFile file = Load(MakeFile().Write());
    std::vector<uint8_t> bad = MakeFile().Write();
    Put32(bad, bad.size() - 4, Get32(bad, bad.size() - 4) + 1);
    CMemoryStream stream(bad);
    CArchive ar(stream, CArchive::load);
    EXPECT_THROW(file.Load(ar), eMERCAVO_ERROR);
    EXPECT_EQ(file.GetPersonCount(), 6);
    EXPECT_EQ(file.GetAuthorName(), "Data Team");
}

TEST_F(PersonDataFileTest, WritingRefusesWhatLoadingWouldRefuse) {
    CPersonDataFile wrongCount = MakeFile();
    wrongCount.SetHeadValue(CPersonDataFile::headGovernorCount, 3);
    EXPECT_THROW(wrongCount.Write(), eMERCAVO_ERROR);

    CPersonDataFile unsound = MakeFile();
    CBasePerson person = MakePerson("Ill Formed", false, 2);
    person.SetBaseAbility(0, -3);
    unsound.AddPerson(person);
    EXPECT_THROW(unsound.Write(), eMERCAVO_ERROR);
}

TEST_F(PersonDataFileTest, FileOnDiskRoundTrips) {
    const std::string path = ::testing::TempDir() + "person_data_file_test.mqp";
    ASSERT_TRUE(MakeFile().WriteFile(path));
    CPersonDataFile loaded;
    ASSERT_TRUE(loaded.LoadFile(path));
    EXPECT_EQ(loaded.GetPersonCount(), 6);
    EXPECT_FALSE(loaded.LoadFile(path + ".missing"));
    EXPECT_FALSE(MakeFile().WriteFile(::testing::TempDir() + "no/such/folder/x.mqp"));
}

TEST_F(PersonDataFileTest, ShortageNamesTheFirstFailingTestOfANewGame) {
    CPersonDataFile file = MakeFile();  // 4 directors, 3 first-year, 2 governors
    struct SCase {
        int directors, governors;
        const char* expected;
    } cases[] = {
        {3, 2, nullptr},
        {4, 2, "\"Directors Candidates\" from first year data"},
        {5, 9, "\"Directors\""},
        {3, 3, "\"Governors\""},
    };
    for (const SCase& c : cases) {
        const char* found = file.FindShortage(c.directors, c.governors);
        EXPECT_STREQ(found, c.expected) << c.directors << " " << c.governors;
    }
    CPersonDataFile governorsOnly;
    governorsOnly.AddPerson(MakePerson("Only Gov", true, 1));
    EXPECT_STREQ(governorsOnly.FindShortage(1, 0), "\"Directors\"");
}

TEST_F(PersonDataFileTest, StoredRecordIsTheFormTheReaderTakes) {
    SRawPerson raw;
    raw.kind = 2;
    raw.age = 51;
    raw.base = {1, 2, 3, 4, 5};
    raw.growth = {5, 4, 3, 2, 1};
    raw.table = 1;
    raw.figure1 = 4;
    raw.name = "Ines Porr";
    raw.second = "x";
    raw.faces[2] = MakeTestImage(3, 3, 8, 0, 5);
    CBasePerson base = LoadBasePerson(raw.Bytes());
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    base.StoreRaw(ar);
    EXPECT_EQ(stream.Bytes(), raw.Bytes());
}

}  // namespace
