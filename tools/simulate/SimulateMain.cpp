// simulate: sets up a new game of computer companies from the data files (or
// loads a saved game), runs months of it without any window, saves it and
// prints a one-screen summary. The vehicle of the end-to-end tests and the
// benchmarks.

#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <vector>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "HashStream.h"
#include "GameCheck.h"
#include "GameRun.h"
#include "SimulateOptions.h"
#include "game/HeadlessServices.h"
#include "game/Transcript.h"
#include "game/VDoc.h"
#include "model/FileBytes.h"
#include "model/Formatting.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "model/PersonDataFile.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/Clock.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// Names a month phase that is to fail: lets the end-to-end tests check what
// a failing phase does to the run.
constexpr const char* kFailStepVariable = "MERCAVO_SIMULATE_FAIL_STEP";

// A game without human players steps with the shortest wait.
constexpr int kComputerGameWait = 3;

// The monthly backup and the file of the finished game for the judgment,
// both in the program folder.
constexpr const char* kBackupFile = "BACKUP.MQD";
constexpr const char* kJudgmentFile = "QORDIN.mqd";

// The hash of the game's saved form.
uint32_t GameChecksum(CVDoc& doc) {
    CHashStream hash;
    CArchive ar(hash, CArchive::store);
    doc.Serialize(ar);
    return hash.Hash();
}

bool NewGame(CVDoc& doc, const CSimulateOptions& options, std::string& error) {
    doc.SetGameYears(options.years);
    doc.SetPlayerCount(0, 1);
    doc.SetWaitTime(kComputerGameWait);
    doc.SetEnterpriseCount(options.companies);
    std::string map =
        options.mapFile.empty() ? CProgramFolder::File(CVDoc::kDefaultMapFile) : options.mapFile;
    std::string persons = options.personFile.empty()
                              ? CProgramFolder::File(CPersonDataFile::kFileName)
                              : options.personFile;
    if (!doc.PrepareNewGameFrom(map, persons)) return false;
    const int most = doc.GetMap().GetMaxCompanyCount();
    if (options.companies > most) {
        error = "--companies " + std::to_string(options.companies) + ": the map has room for 1 to " +
                std::to_string(most) + " companies";
        return false;
    }
    if (!doc.SetupEnterprises()) return false;
    // The end of the founding phase: every company issues its shares.
    doc.InitIssuedShares();
    return true;
}

// A saved game loads and saves again to the same bytes apart from the two
// words a load changes: 0 when it does, 1 otherwise.
int VerifySavedGame(const std::string& path) {
    std::vector<uint8_t> stored;
    // A saved game holds the map with its pictures: far below this.
    constexpr size_t kLargestGame = size_t{1} << 30;
    if (CFileBytes::Read(path, kLargestGame, stored) != CFileBytes::EResult::Ok) {
        std::fprintf(stderr, "simulate: cannot read %s\n", path.c_str());
        return 1;
    }
    CHeadlessServices services;
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);
    if (int result = doc.LoadBytes(stored); result != -1) {
        std::fprintf(stderr, "simulate: %s: %s\n", path.c_str(), GetMercavoErrorText(result));
        return 1;
    }
    if (!CVDoc::SameApartFromLoadWords(stored, doc.SaveBytes())) {
        std::fprintf(stderr, "simulate: %s saves again to other bytes\n", path.c_str());
        return 1;
    }
    std::printf("%s loads and saves again unchanged\n", path.c_str());
    return 0;
}

// The soak's copies of the backup: one month of every game year, drawn
// with a generator of its own so that the game's draws stay as they are,
// and the last month of the game.
class CBackupKeeper {
public:
    CBackupKeeper(uint32_t seed, int years) : m_draw(seed) {
        for (int y = 0; y < years; ++y) m_months.push_back(static_cast<int>(m_draw() % 12));
    }
    void Keep(CVDoc& doc, const std::string& backup) {
        const int year = doc.GetYear(), month = doc.GetMonth();
        const bool drawn = year < static_cast<int>(m_months.size()) &&
                           m_months[static_cast<size_t>(year)] == month;
        const bool last = year == doc.GetGameYears() - 1 && month == 11;
        if (!drawn && !last) return;
        const std::string copy = CProgramFolder::File("BACKUP-" + std::to_string(year + 1) + "-" +
                                                      std::to_string(month + 1) + ".MQD");
        std::error_code error;
        std::filesystem::copy_file(backup, copy, std::filesystem::copy_options::overwrite_existing,
                                   error);
        if (error) throw std::runtime_error("cannot write " + copy);
    }

private:
    std::minstd_rand m_draw;
    std::vector<int> m_months;
};

void PrintSummary(CVDoc& doc) {
    if (doc.GetYear() >= doc.GetGameYears())
        std::printf("Game end after %d years\n", doc.GetGameYears());
    else
        std::printf("Year %d of %d, %s\n", doc.GetYear() + 1, doc.GetGameYears(),
                    GetMonthName(doc.GetMonth()));
    std::printf("%-3s %-24s %10s %10s %6s %10s\n", "#", "company", "funds", "debt", "areas",
                "employees");
    for (int c = 0; c < doc.CompanyCount(); ++c) {
        const CEnterprise& company = *doc.GetEnterprise(c);
        int areas = 0;
        for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a) areas += company.GetAreaLevel(a) > 0;
        std::printf("%-3d %-24s %10d %10d %6d %10d\n", c, company.GetName().c_str(),
                    company.GetFunds(), company.GetDebt(), areas, company.GetEmployees());
    }
    int64_t population = 0;
    for (int a = 0; a < doc.GetMap().GetAreaCount(); ++a)
        population += doc.GetMap().GetArea(a).GetPopulation();
    std::printf("population %lld in %d areas\n", static_cast<long long>(population),
                doc.GetMap().GetAreaCount());
    std::printf("character data checksum %d, game checksum %08x\n", doc.GetPersonChecksum(),
                GameChecksum(doc));
}

}  // namespace

int main(int argc, char** argv) {
    CSimulateOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::fprintf(stderr, "simulate: %s\n%s", error.c_str(), CSimulateOptions::Usage());
        return 2;
    }
    if (!options.verifyFile.empty()) return VerifySavedGame(options.verifyFile);
    // Nobody watches: every wait of the game returns at once, whatever wait
    // time the game keeps.
    CClock::SetTimeScale(0);

    uint32_t seed = 0;
    if (options.seed) {
        seed = static_cast<uint32_t>(*options.seed);
    } else {
        // A seed of its own, told so that a failing run can be replayed.
        seed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() %
                                     0x7FFFFFFF);
        std::printf("seed %u\n", seed);
    }
    CRuntimeRandom::Seed(seed);

    CHeadlessServices services;
    CTranscript& transcript = services.GetTranscript();
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);

    // A loaded game goes on with the companies' operations, as the game
    // program resumes it; a new game starts its first month.
    int firstPhase = ePHASE_MONTH_START;
    if (!options.loadFile.empty()) {
        int result = doc.LoadFile(options.loadFile);
        if (result != -1) {
            std::fprintf(stderr, "simulate: %s: %s\n", options.loadFile.c_str(),
                         GetMercavoErrorText(result));
            return 1;
        }
        firstPhase = ePHASE_OPERATIONS;
    } else if (std::string error; !NewGame(doc, options, error)) {
        for (const std::string& line : transcript.GetLines())
            std::fprintf(stderr, "%s\n", line.c_str());
        std::fprintf(stderr, "simulate: %s\n",
                     error.empty() ? "the new game could not be set up" : error.c_str());
        return error.empty() ? 1 : 2;
    }

    CGameRun run(doc, firstPhase);
    if (const char* step = std::getenv(kFailStepVariable))
        run.SetBeforeStep([want = std::string(step)](const std::string& name) {
            if (name == want)
                throw std::out_of_range("failure asked for by " + std::string(kFailStepVariable));
        });
    if (options.check)
        run.SetAfterPhase([&doc](int) {
            if (std::string fault = CheckGameInvariants(doc); !fault.empty())
                throw std::logic_error("broken invariant: " + fault);
        });
    std::optional<CBackupKeeper> keeper;
    if (options.keepBackups) keeper.emplace(seed, doc.GetGameYears());
    run.GetChain().SetBackupPoint([&doc, &keeper] {
        const std::string path = CProgramFolder::File(kBackupFile);
        if (!doc.SaveFile(path)) throw std::runtime_error("cannot write " + path);
        if (keeper) keeper->Keep(doc, path);
    });
    const CGameRun::eSTOP stop = run.Run(options.months.value_or(-1));

    if (const auto& failure = run.GetFailure()) {
        // The game in memory is not to be trusted: the file named by --save
        // keeps what it held.
        std::fprintf(stderr,
                     "simulate: year %d, %s, step \"%s\" failed: %s; nothing saved (seed %u)\n",
                     failure->year + 1, GetMonthName(failure->month), failure->step.c_str(),
                     failure->what.c_str(), seed);
        return 1;
    }
    if (stop == CGameRun::eSTOP_GAME_END) {
        const std::string path = CProgramFolder::File(kJudgmentFile);
        if (!doc.SaveFile(path)) {
            std::fprintf(stderr, "simulate: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("The game has ended; %s holds it for the judgment.\n", path.c_str());
    } else if (stop == CGameRun::eSTOP_OVER) {
        std::printf("No company is left: the game is over.\n");
    }

    int status = 0;
    if (!options.saveFile.empty() && !doc.SaveFile(options.saveFile)) {
        std::fprintf(stderr, "simulate: cannot write %s\n", options.saveFile.c_str());
        status = 1;
    }
    if (!options.transcriptFile.empty() && !transcript.WriteFile(options.transcriptFile)) {
        std::fprintf(stderr, "simulate: cannot write %s\n", options.transcriptFile.c_str());
        status = 1;
    }
    PrintSummary(doc);
    return status;
}
