#pragma once
// The order fixture game seen from a computer company: company 1 (the
// fixture's companies 1 and 2 are computer played) with a president of
// chosen abilities, a chosen annual income and no plans.

#include <array>
#include <cstdint>

#include "OrderFixture.h"
#include "fakes/ScriptedDraws.h"
#include "game/ComCommand.h"
#include "model/BD.h"
#include "model/BasePerson.h"
#include "model/MapData.h"

class ComCommandTest : public OrderTest {
protected:
    static constexpr int kSubject = 1;

    void SetUp() override {
        OrderTest::SetUp();
        // A turn order in index order, so that "earlier" is the lower index.
        for (int p = 0; p < doc.CompanyCount(); ++p) doc.SetTurnOrderEntry(p, p);
        SetAbilities(President(kSubject), {5, 5, 5, 5, 5}, 3);
        // Every land type may be built on.
        CMapDoc& map = doc.GetMap();
        for (int i = 0; i < map.GetLandTypeCount(); ++i) {
            CBD& land = *map.GetLandTypeEntry(i);
            land.SetFlags(1, land.GetSecondFlag(), land.GetThirdFlag());
        }
    }

    CPersonData& President(int c) { return *Company(c).GetPresident(); }

    // Abilities are ten times the base values given (no experience yet).
    static void SetAbilities(CPersonData& person, std::array<int, 5> base, int sociability) {
        CBasePerson record;
        record.SetKind(person.GetKind());
        record.SetGrade(person.GetGrade());
        record.SetSociability(sociability);
        record.SetTableFlag(person.GetTableFlag());
        record.SetFigure1(person.GetStartYear());
        record.SetFigure3(person.GetFigure3());
        record.SetName(person.GetName());
        for (int i = 0; i < 5; ++i) {
            record.SetBaseAbility(i, base[static_cast<size_t>(i)]);
            record.SetGrowth(i, 0);
        }
        person.TakeBaseRecord(record);
    }

    // The whole annual income in the first month.
    void SetIncome(int c, int income) {
        for (int m = 0; m < 12; ++m) Company(c).AddYearResult(-1, m, 0, 0, m == 0 ? income : 0, 0);
    }

    // A kiosk earns well in every month.
    void MakeKiosksProfitable() {
        CBD& kiosk = *doc.GetMap().GetStructureType(FindStructureOfCode(doc.GetMap(), 30));
        kiosk.SetRevenueFigure(1, 200000);
        std::array<int32_t, 12> factors;
        factors.fill(10);
        kiosk.SetMonthFactors(factors);
    }

    // Companies 1 and 2 strong in area 0, with funds, income and grades
    // enough to plan constructions.
    void MakeBothBuilders() {
        for (int c = 1; c <= 2; ++c) {
            Company(c).SetAreaLevel(0, 3);
            Company(c).SetFunds(30000);
            SetIncome(c, 20000);
            for (int a = 0; a < 2; ++a) Company(c).SetAreaGrade(a, 120, 0);
        }
    }

    // Level 3 for the company in area 0 and nothing elsewhere.
    void MakeStrongInArea0(int c) {
        for (int a = 0; a < Company(c).GetAreaCount(); ++a) Company(c).SetAreaLevel(a, a == 0 ? 3 : 0);
    }

    // Stands in for the month's task step: work goes on, and a finished
    // task frees its director and his plan step.
    void AdvanceTasks(int c) {
        CEnterprise& company = Company(c);
        for (int i = 0; i < company.GetDirectorCount(); ++i) {
            CPersonData& director = *company.GetDirector(i);
            if (!director.HasTask() || !director.AdvanceTask()) continue;
            director.AssignTask(0, 0);
            doc.DropDirectorPlan(c, director.GetIndex());
        }
    }

    void BusyAllDirectors(int c) {
        for (int i = 0; i < Company(c).GetDirectorCount(); ++i)
            Company(c).GetDirector(i)->AssignTask(CPersonData::eTASK_RECRUIT_EMPLOYEES, 1000);
    }
};
