#include "fakes/GameInProgress.h"

#include <filesystem>

#include "fakes/SimulatedGame.h"
#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonDataFile.h"
#include "platform/core/ProgramFolder.h"

namespace {
constexpr int kSeed = 3;
constexpr int kMonths = 18;
constexpr int kHumanCompanies = 2;
}  // namespace

bool LoadGameInProgress(CVDoc& doc, const std::string& folder, std::string& reason) {
    namespace fs = std::filesystem;
    const std::string bin = CProgramFolder::Get();
    const std::string map = CProgramFolder::File(CVDoc::kDefaultMapFile);
    const std::string persons = CProgramFolder::File(CPersonDataFile::kFileName);
    if (!fs::exists(fs::path(bin) / "simulate") || !fs::exists(map) || !fs::exists(persons)) {
        reason = "simulate or the authored data files are not in " + bin;
        return false;
    }
    // The map says how many companies a game of it may have.
    if (!doc.PrepareNewGameFrom(map, persons)) {
        reason = "the authored data make no game";
        return false;
    }
    const int companies = doc.GetMap().GetMaxCompanyCount();
    const std::string file = (fs::path(folder) / "in-progress.mqd").string();
    if (!CopySimulatedGame(bin,
                           "--companies " + std::to_string(companies) + " --months " +
                               std::to_string(kMonths) + " --seed " + std::to_string(kSeed),
                           file)) {
        reason = "simulate did not play the game";
        return false;
    }
    if (doc.LoadFile(file) != -1) {
        reason = "the played game does not load";
        return false;
    }
    for (int c = 0; c < kHumanCompanies && c < doc.CompanyCount(); ++c) {
        // A company without a computer president is played by a person.
        CEnterprise& company = *doc.GetEnterprise(c);
        company.SetPresident(0);
        company.SetPresidentName("Player " + std::to_string(c + 1));
    }
    doc.SetPlayerCount(kHumanCompanies, 1);
    return true;
}
