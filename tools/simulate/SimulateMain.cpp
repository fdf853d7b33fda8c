// simulate: sets up a new game of computer companies from the data files (or
// loads a saved game), runs months of it without any window, saves it and
// prints a one-screen summary. The vehicle of the end-to-end tests and the
// benchmarks.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "HashStream.h"
#include "MonthRunner.h"
#include "SimulateOptions.h"
#include "game/HeadlessServices.h"
#include "game/Transcript.h"
#include "game/VDoc.h"
#include "model/Formatting.h"
#include "model/MapData.h"
#include "model/MercavoError.h"
#include "model/PersonDataFile.h"
#include "model/Random.h"
#include "model/services/Services.h"
#include "platform/core/Archive.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"

namespace {

// Names a month phase that is to fail: lets the end-to-end tests check what
// a failing phase does to the run.
constexpr const char* kFailStepVariable = "MERCAVO_SIMULATE_FAIL_STEP";

// A game without human players steps with the shortest wait.
constexpr int kComputerGameWait = 3;

// The hash of the game's saved form.
uint32_t GameChecksum(CVDoc& doc) {
    CHashStream hash;
    CArchive ar(hash, CArchive::store);
    doc.Serialize(ar);
    return hash.Hash();
}

bool NewGame(CVDoc& doc, const CSimulateOptions& options) {
    doc.SetGameYears(options.years);
    doc.SetPlayerCount(0, 1);
    doc.SetWaitTime(kComputerGameWait);
    doc.SetEnterpriseCount(options.companies);
    std::string map =
        options.mapFile.empty() ? CProgramFolder::File(CVDoc::kDefaultMapFile) : options.mapFile;
    std::string persons = options.personFile.empty()
                              ? CProgramFolder::File(CPersonDataFile::kFileName)
                              : options.personFile;
    if (!doc.PrepareNewGameFrom(map, persons) || !doc.SetupEnterprises()) return false;
    // The end of the founding phase: every company issues its shares.
    doc.InitIssuedShares();
    return true;
}

void PrintSummary(CVDoc& doc) {
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
    if (options.seed)
        CRuntimeRandom::Seed(static_cast<uint32_t>(*options.seed));
    else
        SeedRandom();

    CHeadlessServices services;
    CTranscript& transcript = services.GetTranscript();
    CVDoc doc;
    auto scopedDoc = ScopedDoc(&doc);

    if (!options.loadFile.empty()) {
        int result = doc.LoadFile(options.loadFile);
        if (result != -1) {
            std::fprintf(stderr, "simulate: %s: %s\n", options.loadFile.c_str(),
                         GetMercavoErrorText(result));
            return 1;
        }
    } else if (!NewGame(doc, options)) {
        for (const std::string& line : transcript.GetLines())
            std::fprintf(stderr, "%s\n", line.c_str());
        std::fprintf(stderr, "simulate: the new game could not be set up\n");
        return 1;
    }

    CMonthRunner runner(doc);
    if (const char* step = std::getenv(kFailStepVariable))
        runner.SetBeforeStep([want = std::string(step)](const std::string& name) {
            if (name == want)
                throw std::out_of_range("failure asked for by " + std::string(kFailStepVariable));
        });
    int months = options.months.value_or(-1);
    for (int m = 0; months < 0 || m < months; ++m)
        if (!runner.RunMonth()) break;

    if (const auto& failure = runner.GetFailure()) {
        // The game in memory is not to be trusted: the file named by --save
        // keeps what it held.
        std::fprintf(stderr, "simulate: year %d, %s, step \"%s\" failed: %s; nothing saved\n",
                     failure->year + 1, GetMonthName(failure->month), failure->step.c_str(),
                     failure->what.c_str());
        return 1;
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
