#include "model/BasePerson.h"

#include <gtest/gtest.h>

#include "fakes/TestPictures.h"
#include "model/MercavoError.h"
#include "model/PersonFixtures.h"
#include "platform/core/ArchiveException.h"

namespace {

class BasePersonTest : public PersonTest {};

TEST_F(BasePersonTest, ReadsTheRecordWithItsExactChecksumFeed) {
    SRawPerson raw;
    raw.kind = 1;
    raw.age = 44;
    raw.grade = 5;
    raw.sociability = 2;
    raw.base = {11, 12, 13, 14, 15};
    raw.growth = {1, 2, 3, 4, 5};
    raw.table = 0;
    raw.figure2 = 7;
    raw.figure3 = 8;
    raw.figure1 = 2;
    raw.name = "Cora Test";
    raw.second = "\xC8x";
    raw.faces[1] = MakeTestImage(3, 3, 8, 0, 5);
    std::vector<uint8_t> bytes = raw.Bytes();
    bytes.push_back(0xEE);  // the next record

    app.DataChecksum().Reset();
    CBasePerson base;
    CMemoryStream stream(bytes);
    CArchive ar(stream, CArchive::load);
    base.Serialize(ar);
    EXPECT_EQ(stream.Remaining(), 1u);

    CDataChecksum expected;
    for (int v : {1, 44, 5, 2, 11, 12, 13, 14, 15, 1, 2, 3, 4, 5, 0, 7, 8, 2}) expected.Add(v);
    expected.Add(9).AddText("Cora Test");
    expected.Add(2).AddText("\xC8x");
    expected.Add(0);
    expected.Add(static_cast<int>(raw.faces[1].size()));
    expected.AddBlock(raw.faces[1].data(), static_cast<int>(raw.faces[1].size()));
    expected.Add(0);
    EXPECT_EQ(app.DataChecksum().Get(), expected.Get());

    EXPECT_EQ(base.GetKind(), 1);
    EXPECT_EQ(base.GetBaseAge(), 44);
    EXPECT_EQ(base.GetGrade(), 5);
    EXPECT_EQ(base.GetSociability(), 2);
    EXPECT_EQ(base.GetBaseAbility(4), 15);
    EXPECT_EQ(base.GetGrowth(2), 3);
    EXPECT_EQ(base.GetFigure1(), 2);
    EXPECT_EQ(base.GetFigure2(), 7);
    EXPECT_EQ(base.GetFigure3(), 8);
    EXPECT_EQ(base.GetName(), "Cora Test");
    EXPECT_EQ(base.GetSecondText(), "\xC8x");
    EXPECT_FALSE(base.GetFace(0).HasImage());
    EXPECT_TRUE(base.GetFace(1).HasImage());
}

TEST_F(BasePersonTest, ALengthBelowOneMeansNoText) {
    for (int length : {0, -1, -70000}) {
        SCOPED_TRACE(length);
        SRawPerson raw;
        raw.nameLength = length;
        EXPECT_EQ(LoadBasePerson(raw.Bytes()).GetName(), "");
    }
    CBasePerson fresh;
    EXPECT_EQ(fresh.GetName(), "-----------");
}

TEST_F(BasePersonTest, ShortOrDamagedRecordsThrowTheArchiveError) {
    const std::vector<uint8_t> good = SRawPerson().Bytes();
    for (size_t cut : {size_t{0}, size_t{20}, size_t{72}, size_t{80}, good.size() - 1}) {
        SCOPED_TRACE(cut);
        EXPECT_THROW(LoadBasePerson(std::vector<uint8_t>(good.begin(), good.begin() + cut)),
                     CArchiveException);
    }
    SRawPerson huge;
    huge.nameLength = 0x7FFFFFFF;
    EXPECT_THROW(LoadBasePerson(huge.Bytes()), CArchiveException);
}

TEST_F(BasePersonTest, StoringWritesNothing) {
    CBasePerson base = LoadBasePerson(SRawPerson().Bytes());
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    base.Serialize(ar);
    EXPECT_TRUE(stream.Bytes().empty());
}

TEST_F(BasePersonTest, ConversionTakesTheFiguresTextsAndFacesOnly) {
    SRawPerson raw;
    raw.kind = 2;
    raw.table = 1;
    raw.age = 61;
    raw.grade = 0;
    raw.sociability = 6;
    raw.base = {1, 2, 3, 4, 5};
    raw.growth = {0, 0, 0, 0, 9};
    raw.figure1 = 3;  // may be hired from the fourth game year
    raw.figure2 = 20;
    raw.figure3 = 21;
    raw.name = "Dan Copy";
    for (int face = 0; face < 3; ++face) raw.faces[face] = MakeTestImage(2, 2, 8, 0, face);
    CPersonData person;
    person.SetIndex(9);
    person.ResetRelations(2);
    person.SetRelation(1, 700);
    person.SetEmployer(4);
    person.SetSalary(50);
    person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
    EXPECT_EQ(person.GetKind(), 2);
    EXPECT_EQ(person.GetTableFlag(), 1);
    EXPECT_EQ(person.GetAge(true), 61);
    EXPECT_EQ(person.GetGrade(), 0);
    EXPECT_EQ(person.GetSociability(), 6);
    EXPECT_EQ(person.GetBaseAbility(-1), 15);
    EXPECT_EQ(person.GetGrowth(4), 9);
    EXPECT_EQ(person.GetStartYear(), 3);
    EXPECT_EQ(person.GetFigure3(), 21);
    EXPECT_EQ(person.GetName(), "Dan Copy");
    EXPECT_EQ(person.GetSecondText(), "");
    for (int face = 0; face < 3; ++face) EXPECT_TRUE(person.GetFace(face).HasImage());
    // Everything else stays.
    EXPECT_EQ(person.GetIndex(), 9);
    EXPECT_EQ(person.GetRelation(1), 700);
    EXPECT_EQ(person.GetEmployerNo(), 4);
    EXPECT_EQ(person.GetSalary(), 50);
}

// Records the formulas cannot live with are refused at conversion; the
// character file reader turns that into its "not read correctly" message.
TEST_F(BasePersonTest, ConversionRefusesUnsoundRecords) {
    struct Case {
        const char* what;
        void (*spoil)(SRawPerson&);
    };
    for (Case c : std::initializer_list<Case>{
             {"kind 3", [](SRawPerson& r) { r.kind = 3; }},
             {"kind -1", [](SRawPerson& r) { r.kind = -1; }},
             {"table flag 2", [](SRawPerson& r) { r.table = 2; }},
             {"table flag -1", [](SRawPerson& r) { r.table = -1; }},
             {"negative ability", [](SRawPerson& r) { r.base[1] = -4; }},
             {"negative growth", [](SRawPerson& r) { r.growth[4] = -1; }},
             {"sociability 7", [](SRawPerson& r) { r.sociability = 7; }},
             {"sociability -1", [](SRawPerson& r) { r.sociability = -1; }},
             {"negative grade", [](SRawPerson& r) { r.grade = -6; }},
             {"negative age", [](SRawPerson& r) { r.age = -1; }},
             // The saved game keeps these in 16 bits.
             {"ability beyond 16 bits", [](SRawPerson& r) { r.base[0] = 65536; }},
             {"growth beyond 16 bits", [](SRawPerson& r) { r.growth[0] = 65536; }},
             {"age beyond 16 bits", [](SRawPerson& r) { r.age = 70000; }},
         }) {
        SCOPED_TRACE(c.what);
        SRawPerson raw;
        c.spoil(raw);
        CBasePerson base = LoadBasePerson(raw.Bytes());
        CPersonData person;
        try {
            person.TakeBaseRecord(base);
            ADD_FAILURE() << "converted";
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
        }
        EXPECT_EQ(person.GetName(), "-----------");  // untouched
    }
}

}  // namespace
