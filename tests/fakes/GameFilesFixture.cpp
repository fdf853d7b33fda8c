#include "GameFilesFixture.h"

#include <fstream>

#include "TestPictures.h"
#include "model/BasePerson.h"
#include "model/MapDoc.h"
#include "model/MapFileWriter.h"

namespace {

CBasePerson MakePerson(int seed, bool governor, bool faces) {
    CBasePerson person;
    person.SetKind(governor ? 2 : seed % 2);
    person.SetBaseAge(28 + seed % 30);
    person.SetGrade(seed % 7);
    person.SetSociability(seed % 6);
    for (int i = 0; i < CBasePerson::kAbilityCount; ++i) {
        person.SetBaseAbility(i, 20 + (seed * 7 + i * 13) % 60);
        person.SetGrowth(i, (seed + i) % 5);
    }
    person.SetTableFlag(governor ? 1 : 0);
    person.SetFigure2(seed % 5 + 1);
    person.SetFigure3(seed % 3 + 2);
    person.SetName((governor ? "Governor " : "Director ") + std::to_string(seed));
    if (faces)
        for (int f = 0; f < 3; ++f)
            person.SetFace(f, CBM(MakeTestImageBlock(4 + f, 5, 8, 0, seed + f)));
    return person;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

CPersonDataFile MakeFixturePersonFile(const SPersonFixtureOptions& options) {
    CPersonDataFile file;
    // Directors and governors mixed in file order, as a real file may have
    // them.
    int d = 0, g = 0, seed = 1;
    while (d < options.directors || g < options.governors) {
        bool governor = g < options.governors && (d >= options.directors || seed % 3 == 0);
        file.AddPerson(MakePerson(seed++, governor, options.faces));
        ++(governor ? g : d);
    }
    file.SetFirstYearCandidates(options.firstYearCandidates);
    file.SetAuthorName("Fixture Data Team");
    file.SetAuthorMark({9, 8, 7, 6, 5, 4, 3, 2, 1});
    return file;
}

std::vector<uint8_t> WriteFixturePersonFile(const SPersonFixtureOptions& options) {
    return MakeFixturePersonFile(options).Write();
}

std::unique_ptr<CMapDoc> MakeGameFixtureMap(const SMapFixtureOptions& options) {
    auto map = MakeFixtureMap(options);
    for (int i = 0; i < map->GetStructureTypeCount(); ++i) {
        CBD* type = map->GetStructureType(i);
        if (type->GetTypeCode() == 60 || type->GetTypeCode() == 61)
            type->SetFlags(type->GetUsableFlag(), 1, type->GetThirdFlag());
    }
    return map;
}

bool WriteGameDataFiles(const std::string& folder, CMapDoc& map,
                        const SPersonFixtureOptions& persons) {
    return WriteBytes(folder + "ORIGINAL.MQM", CMapFileWriter::Write(map)) &&
           WriteBytes(folder + "ORIGINAL.MQP", WriteFixturePersonFile(persons));
}
