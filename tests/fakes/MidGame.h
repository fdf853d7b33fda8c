#pragma once
// A mid-game month on a loaded game: every company owns buildings all over
// the map, has three directors, staff, income and funds, and stands at
// presence level 3 in some areas. Shared by the computer player's
// benchmarks and its guard against changed results.

#include <filesystem>
#include <string>

#include "bench/SharedStructures.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/PersonData.h"
#include "model/PersonDataFile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

inline void MakeMidGame(CVDoc& doc) {
    ShareOutStructures(doc);
    const int companies = doc.GetCompanyCount();
    int person = 0;
    for (int c = 0; c < companies; ++c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        // Three directors from the persons nobody employs.
        for (int hired = 0; hired < 3 && person < doc.GetDirectorTableSize(); ++person) {
            CPersonData& director = *doc.GetDirector(person);
            if (director.GetEmployerNo() != 0 || director.GetPresidentFlag()) continue;
            director.SetEmployer(c + 1);
            company.AddDirector(person);
            ++hired;
        }
        company.SetEmployees(3000);
        company.SetEmployeesAtWork(2500);
        company.SetStandardSalary(25);
        company.SetAdvertisingBudget(40);
        company.SetFunds(20000 + 3000 * c);
        for (int m = 0; m < 12; ++m) company.AddYearResult(-1, m, 900, 300, 700 + 50 * c, 0);
        for (int a = 0; a < company.GetAreaCount(); ++a) {
            company.SetAreaLevel(a, (a + c) % 4 == 0 ? 3 : (a + c) % 4 == 1 ? 1 : 0);
            company.RecountAreaLand(a);
        }
    }
    doc.SetYear(3);
    doc.SetMonth(4);
}

// Whether the program folder holds the authored map and persons.
inline bool HasAuthoredData() {
    return std::filesystem::exists(CProgramFolder::File(CVDoc::kDefaultMapFile)) &&
           std::filesystem::exists(CProgramFolder::File(CPersonDataFile::kFileName));
}

// Ten companies on the authored map in the mid-game month (seed 1); false
// when the data files make no game.
inline bool MakeAuthoredMidGame(CVDoc& doc) {
    CRuntimeRandom::Seed(1);
    doc.SetEnterpriseCount(10);
    if (!doc.PrepareNewGameFrom(CProgramFolder::File(CVDoc::kDefaultMapFile),
                                CProgramFolder::File(CPersonDataFile::kFileName)) ||
        !doc.SetupEnterprises())
        return false;
    MakeMidGame(doc);
    return true;
}
