#include "model/PersonData.h"

#include <gtest/gtest.h>

#include "fakes/TestPictures.h"
#include "model/MercavoError.h"
#include "model/PersonFixtures.h"
#include "platform/core/ArchiveException.h"

namespace {

TEST_F(PersonTest, NewPersonIsAThirtyYearOldDirectorWithoutEmployerOrTask) {
    CPersonData person;
    EXPECT_EQ(person.GetKind(), CPersonData::eDIRECTOR);
    EXPECT_EQ(person.GetAge(true), 30);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(person.GetBaseAbility(i), 3);
        EXPECT_EQ(person.GetGrowth(i), 2);
        EXPECT_EQ(person.GetExperience(i), 0);
    }
    EXPECT_EQ(person.GetEmployerNo(), 0);
    EXPECT_EQ(person.GetEmployer(), -1);
    EXPECT_FALSE(person.HasTask());
    EXPECT_EQ(person.GetTaskTargetX(), -1);
    EXPECT_EQ(person.GetTaskTargetY(), -1);
    EXPECT_EQ(person.GetName(), "-----------");
    EXPECT_EQ(person.GetBaseRating(), 90);
}

TEST_F(PersonTest, AbilitiesWithAndWithoutRelation) {
    struct Case {
        const char* what;
        int employerNo, relation, experience, ability;
        bool withRelation;
        int expected;
    };
    for (Case c : std::initializer_list<Case>{
             {"base 3 is 30", 0, 0, 0, 2, true, 30},
             {"total of five", 0, 0, 0, -1, false, 150},
             {"relation 0 costs 15 %", 1, 0, 0, 0, true, 25},
             {"relation 0, total", 1, 0, 0, -1, true, 125},
             {"relation 2000 adds 12.8 %", 1, 2000, 0, 0, true, 33},
             {"relation not asked", 1, 0, 0, 0, false, 30},
             {"a former employer gives no factor", -1, 0, 0, 0, true, 30},
             {"experience 10000 adds 39", 0, 0, 10000, 3, false, 69},
             {"no such ability", 0, 0, 0, 5, false, 0},
             {"no such ability below", 0, 0, 0, -2, true, 0},
         }) {
        SCOPED_TRACE(c.what);
        CPersonData person = WithExperience(
            CPersonData(), {c.experience, c.experience, c.experience, c.experience, c.experience});
        person.ResetRelations(3);
        person.SetEmployer(c.employerNo);
        person.SetRelation(0, c.relation);
        EXPECT_EQ(person.GetAbility(c.ability, c.withRelation), c.expected);
    }
}

TEST_F(PersonTest, RelationsAreClampedAndOutsideTheListIgnored) {
    CPersonData person;
    person.ResetRelations(3);
    EXPECT_EQ(person.SetRelation(1, 2500), 1);
    EXPECT_EQ(person.GetRelation(1), 2000);
    EXPECT_EQ(person.SetRelation(1, 2000), 0);
    EXPECT_EQ(person.SetRelation(2, -5), 0);  // already 0
    person.SetRelation(2, 20);
    EXPECT_EQ(person.SetRelation(2, -5), 1);
    EXPECT_EQ(person.GetRelation(2), 0);
    EXPECT_EQ(person.GetRelationLevel(1), 100);
    EXPECT_EQ(person.GetRelationLevel(2), 0);
    person.SetRelation(0, 20);  // int(sqrt(100)) = 10
    EXPECT_EQ(person.GetRelationLevel(-1), 110);
    // A company the list does not reach (a damaged file, a stale index).
    EXPECT_EQ(person.SetRelation(3, 100), 0);
    EXPECT_EQ(person.GetRelation(3), 0);
    EXPECT_EQ(person.GetRelation(-1), 0);
}

TEST_F(PersonTest, EmployerNumbers) {
    doc.currentMonthIndex = 17;
    CPersonData person;
    EXPECT_EQ(person.SetEmployer(-3), 0);
    EXPECT_EQ(person.GetHireMonth(), 17);
    EXPECT_EQ(person.GetEmployer(), 2);
    EXPECT_TRUE(person.IsEmployed(true));
    EXPECT_FALSE(person.IsEmployed(false));
    EXPECT_EQ(person.GetFormerEmployerNo(), 3);
    EXPECT_EQ(person.SetEmployer(0), -3);
    EXPECT_EQ(person.GetHireMonth(), 0);
    EXPECT_EQ(person.GetFormerEmployerNo(), -1);
    person.SetEmployer(2);
    EXPECT_EQ(person.GetEmployer(), 1);
    EXPECT_TRUE(person.IsEmployed(false));
}

TEST_F(PersonTest, RemoveCompanyIndexRenumbersEmployersRelationsAndStockTasks) {
    struct Case {
        int table, before, after;
    };
    doc.companies.resize(2);  // company 1 of three has gone
    for (Case c : std::initializer_list<Case>{
             {0, 3, 2},
             {0, -2, 0},
             {0, -3, -2},
             {0, 1, 1},
             {0, -1, -1},
             {0, 0, 0},
             // A governor's employer number is an area: only former companies move.
             {1, 3, 3},
             {1, -3, -2}}) {
        SCOPED_TRACE(testing::Message() << "table " << c.table << " employer " << c.before);
        SRawPerson raw;
        raw.table = c.table;
        CPersonData person = FromRaw(raw);
        person.SetEmployer(c.before);
        person.RemoveCompanyIndex(1);
        EXPECT_EQ(person.GetEmployerNo(), c.after);
    }
    CPersonData person;
    person.ResetRelations(3);
    person.SetRelation(0, 10);
    person.SetRelation(1, 20);
    person.SetRelation(2, 30);
    person.AssignTask(CPersonData::eTASK_STOCK_PURCHASE, 100);
    person.SetTaskParam(0, 2);
    person.RemoveCompanyIndex(1);
    ASSERT_EQ(person.GetRelationCount(), 2);
    EXPECT_EQ(person.GetRelation(0), 10);
    EXPECT_EQ(person.GetRelation(1), 30);
    EXPECT_EQ(person.GetTaskParam(0), 1);
    person.SetTaskParam(0, 0);
    person.RemoveCompanyIndex(1);
    EXPECT_EQ(person.GetTaskParam(0), 0);
}

TEST_F(PersonTest, AgeOfDirectorsAndGovernors) {
    doc.currentMonthIndex = 30;
    SRawPerson raw;
    raw.age = 50;
    raw.table = 1;
    raw.kind = CPersonData::eGOVERNOR;
    CPersonData governor = FromRaw(raw);
    governor.SetElectionMonth(480);
    EXPECT_EQ(governor.GetAge(false), 90);
    EXPECT_EQ(governor.GetAge(true), 50);
    CPersonData director;
    EXPECT_EQ(director.GetAge(false), 32);
    EXPECT_EQ(director.GetAge(true), 30);
}

TEST_F(PersonTest, Salary) {
    struct Case {
        const char* what;
        int base, hireMonth, month, income;
        bool factor;
        int expected;
    };
    // base 30: total ability 1500, A = 155, g = 8, m0 = 42.
    for (Case c : std::initializer_list<Case>{
             {"total 150, 12 months: 0, so 1", 3, 0, 12, 0, false, 1},
             {"24 months, on the straight line", 30, 0, 24, 0, false, 6},
             {"60 months", 30, 10, 70, 0, false, 40},
             {"100 months", 30, 0, 100, 0, false, 79},
             {"high income: f = 110", 30, 0, 60, 100000, true, 44},
             {"low income: f = 74.9", 30, 0, 60, -100, true, 29},
             {"very low income: f = 55", 30, 0, 60, -100000, true, 22},
             {"factor without income", 30, 0, 60, 0, true, 40},
             {"hired after now (damaged data)", 30, 50, 10, 0, false, 1},
         }) {
        SCOPED_TRACE(c.what);
        doc.companies[0].annualIncome = c.income;
        doc.currentMonthIndex = c.hireMonth;
        CPersonData person = WithAbilities(c.base);
        person.SetEmployer(1);
        doc.currentMonthIndex = c.month;
        EXPECT_EQ(person.CalcSalary(c.factor), c.expected);
    }
}

TEST_F(PersonTest, MonthlyWorkAndMonthsLeft) {
    struct Case {
        int kind, expected;
    };
    CPersonData person;  // aptitude 3000 for every kind whose weights sum to 100
    for (Case c : std::initializer_list<Case>{
             {CPersonData::eTASK_CONSTRUCTION, 350},
             {CPersonData::eTASK_RECRUIT_EMPLOYEES, 400},
             {CPersonData::eTASK_INVESTING, 430},  // weights sum to 110
             {14, 100},                            // no weights: (0 + 1000) / 10
             {0, 0},
         }) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(person.GetMonthlyWork(c.kind), c.expected);
    }
    EXPECT_EQ(person.GetMonthsLeft(), 0);
    person.AssignTask(CPersonData::eTASK_RECRUIT_EMPLOYEES, 1000);
    EXPECT_EQ(person.GetMonthlyWork(0), 400);
    EXPECT_EQ(person.GetMonthsLeft(), 3);
}

TEST_F(PersonTest, TaskIsCompletedMonthByMonth) {
    CPersonData person;
    person.AssignTask(CPersonData::eTASK_RECRUIT_EMPLOYEES, 1000);
    struct Month {
        int result, left, monthsLeft;
    };
    int progress = 0;
    for (Month m : {Month{0, 600, 2}, Month{0, 200, 1}, Month{1, 0, 0}}) {
        EXPECT_EQ(person.AdvanceTask(), m.result);
        EXPECT_EQ(person.GetTaskProgress(), ++progress);
        EXPECT_EQ(person.GetTaskWorkLeft(), m.left);
        EXPECT_EQ(person.GetMonthsLeft(), m.monthsLeft);
    }
    EXPECT_EQ(person.GetTaskWork(), 1000);
    EXPECT_TRUE(doc.calls.empty());
}

TEST_F(PersonTest, AssigningTasks) {
    CPersonData person;
    EXPECT_EQ(person.AssignTask(CPersonData::eTASK_CONSTRUCTION, 500), 1);
    person.SetTaskParam(0, 7);
    EXPECT_EQ(person.SetTaskArea(4), 1);
    EXPECT_EQ(person.SetTaskArea(4), 0);
    EXPECT_EQ(person.SetTaskTarget(2, 3), 1);
    EXPECT_EQ(person.SetTaskTarget(2, 3), 0);
    EXPECT_EQ(person.AssignTask(CPersonData::eTASK_CONSTRUCTION, 900), 0);
    EXPECT_EQ(person.GetTaskParam(0), 7);
    EXPECT_EQ(person.GetTaskWork(), 500);
    EXPECT_EQ(person.GetTaskArea(), 4);
    EXPECT_EQ(person.AssignTask(CPersonData::eTASK_RECRUIT_EMPLOYEES, 100), 1);
    EXPECT_EQ(person.GetTaskParam(0), 0);
    EXPECT_EQ(person.GetTaskTargetX(), -1);
    person.SetTaskArea(4);
    EXPECT_EQ(person.GetTaskArea(), -1);  // all areas, whatever is stored
    for (int kind : {0, 4, 5, 8, 11}) {
        person.AssignTask(kind, 10);
        person.SetTaskArea(4);
        EXPECT_EQ(person.GetTaskArea(), -2) << kind;
    }
    EXPECT_EQ(person.GetTaskParam(16), 0);
    person.SetTaskParam(-1, 5);  // ignored
}

TEST_F(PersonTest, ExperienceGrowsByTheTaskWeights) {
    CPersonData person;
    person.AssignTask(CPersonData::eTASK_CONSTRUCTION, 1000);
    person.AdvanceTask();
    person.AdvanceTask();
    // effort 1000 + 2 x 150: shares 260 (Directing) and 1040 (Construction);
    // each gain is Random(growth 2 x share) / 5.
    bool grew = false;
    for (int round = 0; round < 20; ++round) {
        CPersonData copy = person;
        copy.GainExperience();
        EXPECT_LE(copy.GetExperience(0), 520 / 5);
        EXPECT_LE(copy.GetExperience(4), 2080 / 5);
        for (int i : {1, 2, 3}) EXPECT_EQ(copy.GetExperience(i), 0);
        grew = grew || copy.GetExperience(4) > 0;
    }
    EXPECT_TRUE(grew);
    CPersonData idle;
    idle.GainExperience();
    EXPECT_EQ(idle.GetExperience(0), 0);
}

TEST_F(PersonTest, ExperienceIsLostOnDismissal) {
    doc.currentMonthIndex = 5;
    CPersonData person = WithExperience(CPersonData(), {900, 900, 900, 900, 0});
    Employ(person, 1, 801);
    person.Dismiss();
    EXPECT_EQ(person.GetEmployerNo(), 0);
    EXPECT_EQ(person.GetHireMonth(), 0);
    EXPECT_EQ(person.GetRelation(1), 400);
    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(person.GetExperience(i), 900);
        EXPECT_GE(person.GetExperience(i), 900 - 899 / 3);
    }
    EXPECT_EQ(person.GetExperience(4), 0);
}

// An old file may carry task kind 14, which has no name and no weights.
TEST_F(PersonTest, UnknownTaskKindFromAnOldFile) {
    CPersonData person;
    person.AssignTask(CPersonData::eTASK_RECRUIT_EMPLOYEES, 1000);
    std::vector<uint8_t> bytes = StorePerson(person);
    Put16(bytes, SavedTaskKindOffset(0), 14);
    CPersonData loaded;
    LoadPerson(loaded, bytes);
    EXPECT_EQ(loaded.GetTaskKind(), 14);
    EXPECT_EQ(loaded.GetMonthlyWork(0), 100);
    EXPECT_EQ(loaded.GetMonthsLeft(), 10);
    EXPECT_EQ(loaded.GetTaskAptitude(14, true), 0);
    loaded.GainExperience();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(loaded.GetExperience(i), 0);
    EXPECT_STREQ(CPersonData::GetTaskName(14), "-----");
    EXPECT_STREQ(CPersonData::GetTaskName(-1), "-----");
    EXPECT_STREQ(CPersonData::GetTaskName(11), "Purchasing Stocks");
    EXPECT_EQ(CPersonData::GetTaskWeight(14, 0), 0);
    EXPECT_EQ(loaded.AdvanceTask(), 0);
    Put16(bytes, SavedTaskKindOffset(0), 15);
    EXPECT_THROW(LoadPerson(loaded, bytes), eMERCAVO_ERROR);
}

TEST_F(PersonTest, SavedRecordRoundTripWithThreeFaces) {
    SRawPerson raw;
    raw.name = "Bea Sample";
    raw.second = "second text";
    raw.base = {5, 6, 7, 8, 9};
    for (int face = 0; face < 3; ++face) raw.faces[face] = MakeTestImage(4 + face, 5, 8, 0, face);
    CPersonData person = FromRaw(raw);
    doc.currentMonthIndex = 26;
    Employ(person, 2, 1500);
    person.SetIndex(7);
    person.SetSalary(321);
    person.AssignTask(CPersonData::eTASK_LAND_PURCHASE, 2000);
    person.SetTaskArea(3);
    person.SetTaskTarget(4, 5);
    for (int i = 0; i < 16; ++i) person.SetTaskParam(i, 100 + i);
    person.AdvanceTask();
    person.GainExperience();
    person.SetAmount(55);
    person.SetElectionMonth(12);
    person.SetFaceStrip(2);

    std::vector<uint8_t> bytes = StorePerson(person);
    CPersonData loaded;
    LoadPerson(loaded, bytes);
    EXPECT_EQ(StorePerson(loaded), bytes);
    EXPECT_EQ(loaded.GetName(), "Bea Sample");
    EXPECT_EQ(loaded.GetSecondText(), "second text");
    EXPECT_EQ(loaded.GetIndex(), 7);
    EXPECT_EQ(loaded.GetEmployerNo(), 3);
    EXPECT_EQ(loaded.GetHireMonth(), 26);
    EXPECT_EQ(loaded.GetRelation(2), 1500);
    EXPECT_EQ(loaded.GetTaskWorkLeft(), person.GetTaskWorkLeft());
    EXPECT_EQ(loaded.GetTaskParam(15), 115);
    EXPECT_EQ(loaded.GetAbility(-1, true), person.GetAbility(-1, true));
    EXPECT_EQ(loaded.GetAmount(), 55);
    EXPECT_EQ(loaded.GetElectionMonth(), 12);
    for (int face = 0; face < 3; ++face) {
        SCOPED_TRACE(face);
        ASSERT_TRUE(loaded.GetFace(face).HasImage());
        EXPECT_EQ(loaded.GetFace(face).GetWidth(), 4 + face);
        EXPECT_EQ(loaded.GetFace(face).GetHeight(), 5);
    }
    // Where the strip lies is the document's business, rebuilt after a load.
    EXPECT_EQ(loaded.GetFaceStrip(), -1);
    // The end: four figures, then 32 reserved zero bytes.
    ASSERT_GE(bytes.size(), 48u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 32, bytes.end()), std::vector<uint8_t>(32, 0));

    CPersonData copy = loaded;
    EXPECT_EQ(StorePerson(copy), bytes);
}

TEST_F(PersonTest, SavedRecordWordsReadBackUnsignedAndEmptyTextsStayEmpty) {
    CPersonData person;  // own index -1
    SRawPerson raw;
    raw.name.clear();
    person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
    CPersonData loaded;
    LoadPerson(loaded, StorePerson(person));
    EXPECT_EQ(loaded.GetIndex(), 65535);
    EXPECT_EQ(loaded.GetName(), "");
}

TEST_F(PersonTest, SavedRecordRangeChecks) {
    CPersonData person;
    person.ResetRelations(2);
    const std::vector<uint8_t> good = StorePerson(person);
    const size_t area = SavedTaskAreaOffset(2);
    struct Case {
        const char* what;
        size_t at;
        int value;
        bool word;
    };
    for (Case c : std::initializer_list<Case>{
             {"kind 3", 0, 3, true},
             {"task kind 15", SavedTaskKindOffset(2), 15, true},
             {"task progress -1", SavedTaskProgressOffset(2), -1, false},
             {"task area -2", area, -2, false},
             {"task work -1", area + 12, -1, false},
             {"task work left -1", area + 16, -1, false},
             {"experience -1", SavedExperienceOffset(2) + 8, -1, false},
         }) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes = good;
        if (c.word)
            Put16(bytes, c.at, static_cast<uint16_t>(c.value));
        else
            Put32(bytes, c.at, c.value);
        CPersonData loaded;
        try {
            LoadPerson(loaded, bytes);
            ADD_FAILURE() << "loaded";
        } catch (eMERCAVO_ERROR e) {
            EXPECT_EQ(e, eMERCAVO_ERROR_CONTENTS);
        }
    }
    std::vector<uint8_t> shortened(good.begin(), good.end() - 1);
    CPersonData loaded;
    EXPECT_THROW(LoadPerson(loaded, shortened), CArchiveException);
}

TEST_F(PersonTest, FaceForAge) {
    struct Case {
        int age;
        std::array<bool, 3> has;
        int expected;
    };
    for (Case c : std::initializer_list<Case>{
             {25, {true, true, true}, 0},
             {25, {false, true, true}, 1},
             {25, {false, false, true}, 2},
             {26, {true, true, true}, 1},
             {55, {true, true, true}, 1},
             {56, {true, true, true}, 2},
             {56, {true, true, false}, 1},
             {56, {true, false, false}, 0},
             {39, {true, false, true}, 0},
             {39, {false, false, true}, 2},
             {40, {true, false, true}, 2},
             {40, {true, false, false}, 0},
         }) {
        SCOPED_TRACE(testing::Message()
                     << "age " << c.age << " faces " << c.has[0] << c.has[1] << c.has[2]);
        SRawPerson raw;
        raw.age = c.age;
        for (int face = 0; face < 3; ++face)
            if (c.has[face]) raw.faces[face] = MakeTestImage(2, 2, 8, 0);
        EXPECT_EQ(FromRaw(raw).GetFaceIndexForAge(), c.expected);
    }
}

TEST_F(PersonTest, FaceTargetKeepsTheFaceProportionsAndRefusesEmptySizes) {
    SRawPerson raw;
    raw.faces[0] = MakeTestImage(40, 60, 8, 0);  // H / W = 1.5
    raw.faces[1] = MakeTestImage(60, 30, 8, 0);  // H / W = 0.5
    CPersonData person = FromRaw(raw);
    person.SetFaceStrip(0);
    person.SetFaceOffset(0, 0);
    person.SetFaceOffset(1, 40);
    person.SetFaceOffset(2, 100);
    struct Case {
        const char* what;
        int face, left, top, right, bottom;
        bool drawn;
        SFaceRect expected;
    };
    for (Case c : std::initializer_list<Case>{
             {"tall face in a square", 0, 10, 20, 110, 120, true, {27, 20, 93, 120}},
             {"wide face in a square", 1, 0, 0, 100, 100, true, {0, 25, 100, 75}},
             {"same proportions", 0, 0, 0, 40, 60, true, {0, 0, 40, 60}},
             {"zero width", 0, 10, 0, 10, 50, false, {}},
             {"zero height", 0, 0, 5, 50, 5, false, {}},
             {"inverted", 0, 50, 0, 10, 50, false, {}},
             {"face without a picture", 2, 0, 0, 50, 50, false, {}},
             {"no such face", 3, 0, 0, 50, 50, false, {}},
         }) {
        SCOPED_TRACE(c.what);
        SFaceRect out;
        ASSERT_EQ(person.GetFaceTarget(c.face, c.left, c.top, c.right, c.bottom, out), c.drawn);
        if (!c.drawn) continue;
        EXPECT_EQ(out.left, c.expected.left);
        EXPECT_EQ(out.top, c.expected.top);
        EXPECT_EQ(out.right, c.expected.right);
        EXPECT_EQ(out.bottom, c.expected.bottom);
    }
    SFaceRect out;
    person.SetFaceOffset(0, -1);
    EXPECT_FALSE(person.GetFaceTarget(0, 0, 0, 50, 50, out));
    person.SetFaceOffset(0, 0);
    person.SetFaceStrip(-1);
    EXPECT_FALSE(person.GetFaceTarget(0, 0, 0, 50, 50, out));
}

}  // namespace
