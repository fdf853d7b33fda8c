#pragma once
// Two companies on a small blank map of two 6 x 6 areas: the document fake
// answers the map's type tables and leagues and holds a persons table.
// Company 1 is played by the computer (person 0 presides it); company 0 is
// a second company with no president of its own. Random draws start from a
// fixed seed.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeServices.h"
#include "fakes/MapWorldFixtures.h"
#include "model/BD.h"
#include "model/BasePerson.h"
#include "model/Enterprise.h"
#include "model/League.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/PersonFixtures.h"
#include "platform/core/RuntimeRandom.h"

// Structure type indexes of the fixture map.
enum ePlanWorldType {
    typeRubble = 0,
    typeFlats = 3,
    typeKiosk = 5,
    typeHeadOffice = 6,  // 2 x 2
    typeBallpark = 9,    // code 80, 2 x 2
    typeArena = 10,      // code 85, 3 x 2
};

inline std::vector<int> ParamsOf(const CHistory& entry) {
    std::vector<int> params;
    for (int i = 0; i < entry.GetParamCount(); ++i) params.push_back(entry.GetParam(i));
    return params;
}

class PlanWorldTest : public ::testing::Test {
protected:
    static constexpr int kAreas = 2;
    static constexpr int kSize = 6;

    void SetUp() override {
        CRuntimeRandom::Seed(2024);
        map = MakeBlankMap(kSize, kSize, kAreas);
        for (int i = 0; i < map->GetStructureTypeCount(); ++i) {
            doc.structureTypes.push_back(map->GetStructureType(i));
            doc.structureCodes[i] = map->GetStructureType(i)->GetTypeCode();
        }
        for (int i = 0; i < map->GetLandTypeCount(); ++i)
            doc.landTypes.push_back(map->GetLandTypeEntry(i));
        for (int l = 0; l < CMapDoc::kLeagueCount; ++l) doc.leagues.push_back(&map->GetLeague(l));
        doc.map = map.get();
        doc.directors = &persons;
        persons.reserve(64);
        doc.companies.resize(2);
        ASSERT_EQ(other.Init(0, kAreas), 1);
        ASSERT_EQ(company.Init(1, kAreas), 1);
        doc.enterprises = {&other, &company};
        AddPerson(5, "Cole President");
        company.SetPresident(1);
        persons[0].SetEmployer(2);
    }

    // A person of the table with every base ability set to base.
    int AddPerson(int base, const std::string& name = "Ann Example", int startYear = 0) {
        SRawPerson raw;
        raw.base.fill(base);
        raw.name = name;
        raw.figure1 = startYear;
        CPersonData person;
        person.TakeBaseRecord(LoadBasePerson(raw.Bytes()));
        person.SetIndex(static_cast<int>(persons.size()));
        persons.push_back(person);
        return static_cast<int>(persons.size()) - 1;
    }

    int Hire(CEnterprise& employer, int base, const std::string& name = "Ann Example") {
        int index = AddPerson(base, name);
        persons[static_cast<size_t>(index)].SetEmployer(employer.GetNumber() + 1);
        employer.AddDirector(index);
        return index;
    }

    // The company's lot: the map's owner layer and the fake's cell answer.
    void Own(int area, int x, int y, int companyNumber = 1) {
        map->GetArea(area).SetCellOwner(x, y, companyNumber + 1);
        doc.cells[{area, x, y}].owner = companyNumber + 1;
    }

    CFakeDocService doc;
    CFakeFrameService frame;
    std::unique_ptr<CMapDoc> map;
    std::vector<CPersonData> persons;
    CEnterprise other, company;
    CScopedService<IDocService> scopedDoc = ScopedDoc(&doc);
    CScopedService<IFrameService> scopedFrame = ScopedFrame(&frame);
};
