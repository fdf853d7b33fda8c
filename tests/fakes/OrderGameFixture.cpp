#include "fakes/OrderGameFixture.h"

#include <filesystem>

#include "fakes/GameFilesFixture.h"
#include "model/BD.h"
#include "model/League.h"
#include "model/PersonData.h"
#include "model/services/Services.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// The next person nobody employs or presides over; -1 when none is left.
int FreePerson(CVDoc& doc) {
    for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
        const CPersonData* person = doc.GetDirector(p);
        if (person->GetEmployerNo() == 0 && person->GetPresidentFlag() == 0) return p;
    }
    return -1;
}

}  // namespace

SOrderGame PrepareOrderGame(CVDoc& doc) {
    SOrderGame game;
    doc.InitIssuedShares();
    for (int c = 0; c < doc.CompanyCount(); ++c) {
        CEnterprise& company = *doc.GetEnterprise(c);
        std::vector<int> staff;
        for (int i = 0; i < SOrderGame::kDirectorsPerCompany; ++i) {
            int p = FreePerson(doc);
            if (p < 0) break;
            doc.GetDirector(p)->SetEmployer(c + 1);
            company.AddDirector(p);
            doc.GetDirector(p)->SetRelation(c, SOrderGame::kRelation);
            staff.push_back(p);
        }
        game.staff.push_back(staff);
        company.SetEmployees(SOrderGame::kEmployees);
        company.SetEmployeesAtWork(SOrderGame::kEmployeesAtWork);
        company.SetFunds(SOrderGame::kFunds);
        company.SetDebt(SOrderGame::kDebt);
    }
    CMapDoc& map = doc.GetMap();
    for (int s = 0; s < map.GetStructureTypeCount(); ++s)
        map.GetStructureType(s)->SetPriceStep(s + 1);
    if (doc.CompanyCount() > 1) doc.SetStockHolding(0, 1, SOrderGame::kHeldShares);
    if (doc.CompanyCount() > 0 && map.GetLeague(0).GetTeamCount() > 0) {
        doc.GetEnterprise(0)->SetLeagueTeam(0, 0);
        map.GetLeague(0).GetTeam(0).SetOwner(0);
    }
    return game;
}

std::vector<uint8_t> MakeOrderGameBytes(const std::string& folder) {
    std::filesystem::create_directories(folder);
    // The same game every time: the set-up draws its presidents.
    CRuntimeRandom::Seed(7);
    CVDoc doc;
    auto scoped = ScopedDoc(&doc);
    std::vector<uint8_t> bytes;
    bool made = WriteGameDataFiles(folder, *MakeGameFixtureMap());
    if (made) {
        doc.SetEnterpriseCount(3);
        made = doc.PrepareNewGameFrom(folder + "ORIGINAL.MQM", folder + "ORIGINAL.MQP") == 1 &&
               doc.SetPlayerCount(1, 1) == 1;
    }
    if (made) {
        // What the set-up wizard gives the human company.
        doc.GetEnterprise(0)->SetName("Player Company 0");
        doc.GetEnterprise(0)->SetPresidentName("Player 0");
        doc.GetEnterprise(0)->SetColor(0);
        made = doc.SetupEnterprises() == 1;
    }
    if (made) {
        PrepareOrderGame(doc);
        bytes = doc.SaveBytes();
    }
    std::filesystem::remove_all(folder);
    return bytes;
}
