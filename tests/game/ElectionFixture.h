#pragma once
// A small game for the governor elections: recording dialogs and network,
// the calendar in year 5, and helpers that set up terms, offices,
// donations and populations.

#include <string>
#include <vector>

#include "GameFixture.h"
#include "fakes/FakeServices.h"
#include "game/Election.h"
#include "model/Enterprise.h"
#include "model/FixedFieldFormat.h"
#include "model/MapData.h"
#include "model/PersonData.h"

class ElectionTest : public GameTest {
protected:
    static constexpr int kNow = 5 * 12 + 3;

    // areas areas and governors governors; every governor's term began
    // this month (none due).
    void StartGame(int areas = 2, int governors = 6) {
        SPersonFixtureOptions persons;
        persons.governors = governors;
        NewGame(2, 0, FixtureWithAreas(areas), persons);
        doc.SetYear(5);
        doc.SetMonth(3);
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) StartTerm(a, 0);
    }

    CPersonData& Incumbent(int area) { return *doc.GetAreaGovernor(area); }
    int IncumbentIndex(int area) { return doc.GetArea(area)->GetGovernor(); }
    // The area's governor was elected monthsAgo months ago.
    void StartTerm(int area, int monthsAgo) { Incumbent(area).SetElectionMonth(kNow - monthsAgo); }
    // Company 0 has an office (level 3) in the area, or no company has.
    void SetOffice(int area, bool office) {
        for (int c = 0; c < doc.CompanyCount(); ++c)
            doc.GetEnterprise(c)->SetAreaLevel(area, office && c == 0 ? 3 : 0);
    }
    void SetDonations(int area, const std::vector<int>& ratings) {
        for (size_t c = 0; c < ratings.size(); ++c)
            doc.GetEnterprise(static_cast<int>(c))->SetAreaRating(3, area, ratings[c], 0);
    }
    // Any population, as a peer's area state may carry it.
    void SetPopulation(int area, int population) {
        CMapData& record = *doc.GetArea(area);
        const std::string text = record.BuildAreaState(area);
        const size_t tail = 3 * 4 + 10 + 4 * 5 + 4 + 4 + 5 + 5 * CMapData::kEffectCount;
        std::string body = text.substr(text.size() - tail);
        body.replace(12, 10, FormatFixedInt(population, 10));
        ASSERT_TRUE(record.ReadAreaState(body));
        ASSERT_EQ(record.GetPopulation(), population);
    }
    // Governors of no area, in table order.
    std::vector<int> FreeGovernors() {
        std::vector<int> free;
        for (int p = 0; p < doc.GetGovernorTableSize(); ++p)
            if (doc.GetGovernor(p)->GetEmployerNo() <= 0) free.push_back(p);
        return free;
    }
    bool LogHas(const std::string& part) const {
        for (const std::string& line : frame.infoLines)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }

    CFakeDialogService dialogs;
    CScopedService<IDialogService> scopedDialogs = ScopedDialogs(&dialogs);
    CFakeNetService net;
    CScopedService<INetService> scopedNet = ScopedNet(&net);
};
