#include "tools/mkdata/DataFileTable.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "model/GamePaletteFile.h"
#include "model/MidiFile.h"
#include "model/PersonDataFile.h"
#include "model/WaveFile.h"
#include "tools/mkdata/EffectSynth.h"
#include "tools/mkdata/HelpPages.h"
#include "tools/mkdata/HtmlCheck.h"
#include "tools/mkdata/MapBuilder.h"
#include "tools/mkdata/MapFileReport.h"
#include "tools/mkdata/MusicComposer.h"
#include "tools/mkdata/MusicTable.h"
#include "tools/mkdata/PersonFileReport.h"
#include "tools/mkdata/WaveWriter.h"

namespace {

using EKind = CDataFileTable::EKind;

// The music file names of the options: the months, then the situations.
std::vector<std::string> MusicNames() {
    static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    std::vector<std::string> names;
    for (const char* month : kMonths) names.push_back(std::string("MERC_") + month + ".MID");
    for (int i = 1; i <= 10; ++i) names.push_back("MERC_" + std::to_string(i) + ".MID");
    return names;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    return out.write(reinterpret_cast<const char*>(bytes.data()),
                     static_cast<std::streamsize>(bytes.size())) &&
           out.flush();
}

bool CheckMusic(const std::string& path, std::string& problem) {
    CMidiFile midi;
    if (!midi.ReadFile(path)) {
        problem = midi.Error();
        return false;
    }
    if (midi.LengthTicks() == 0) {
        problem = "a piece without length";
        return false;
    }
    return true;
}

bool CheckSound(const std::string& path, std::string& problem) {
    CWaveFile wave;
    if (!wave.ReadFile(path)) {
        problem = wave.Error();
        return false;
    }
    if (wave.FormatTag() != CWaveFile::kPcm || wave.Channels() != 1 || wave.BitsPerSample() != 16 ||
        wave.SampleRate() != CEffectSynth::kSampleRate) {
        problem = "not 16-bit mono PCM at 22,050 Hz";
        return false;
    }
    return true;
}

bool CheckHelpFile(const std::string& path, std::string& problem) {
    std::ifstream in(path, std::ios::binary);
    char first[8] = {};
    if (!in.read(first, sizeof first)) {
        problem = "empty or unreadable";
        return false;
    }
    const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
    if (png && std::string(first, 8) != "\x89PNG\r\n\x1a\n") {
        problem = "not a PNG picture";
        return false;
    }
    return true;
}

}  // namespace

const std::vector<CDataFileTable::SFile>& CDataFileTable::Files() {
    static const std::vector<SFile> files = [] {
        std::vector<SFile> all = {{EKind::Palette, CGamePaletteFile::kFileName},
                                  {EKind::MapData, CMapBuilder::kFileName},
                                  {EKind::PersonData, CPersonDataFile::kFileName}};
        for (const std::string& name : MusicNames()) all.push_back({EKind::Music, name});
        for (const CEffectSynth::SEffect& e : CEffectSynth::Effects())
            all.push_back({EKind::Sound, e.file});
        for (const std::string& name : CHelpPages::Files()) {
            const bool page = name.size() > 5 && name.compare(name.size() - 5, 5, ".html") == 0;
            all.push_back({page ? EKind::HelpPage : EKind::HelpFile, CHelpPages::kFolder + name});
        }
        return all;
    }();
    return files;
}

std::vector<std::string> CDataFileTable::Names(EKind kind) {
    std::vector<std::string> names;
    for (const SFile& f : Files())
        if (f.kind == kind) names.push_back(f.name);
    return names;
}

bool CDataFileTable::WriteMusicSoundsAndHelp(const std::string& folder,
                                             const std::string& dataFolder,
                                             const CGamePalette& palette, std::string& error) {
    std::map<std::string, CMusicTable::SPiece> pieces;
    try {
        for (const CMusicTable::SPiece& p :
             CMusicTable::ReadFile(dataFolder + CMusicTable::kSourceName))
            pieces[p.file] = p;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    const std::vector<std::string> music = Names(EKind::Music);
    for (const std::string& name : music) {
        const auto piece = pieces.find(name);
        if (piece == pieces.end()) {
            error = std::string(CMusicTable::kSourceName) + ": no line for " + name;
            return false;
        }
        if (!WriteBytes(folder + name, CMusicComposer::Compose(piece->second))) {
            error = "cannot write " + folder + name;
            return false;
        }
    }
    if (pieces.size() != music.size()) {
        error =
            std::string(CMusicTable::kSourceName) + ": a line for a file the programs do not play";
        return false;
    }
    for (size_t i = 0; i < CEffectSynth::Effects().size(); ++i) {
        const std::string path = folder + CEffectSynth::Effects()[i].file;
        const std::vector<int16_t> samples = CEffectSynth::Synthesise(static_cast<int>(i));
        if (!WriteBytes(path, CWaveWriter::Bytes(samples, CEffectSynth::kSampleRate))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return CHelpPages::WriteAll(folder, dataFolder, palette, error);
}

bool CDataFileTable::CheckFile(const std::string& folder, const SFile& file, std::string& problem) {
    const std::string path = folder + file.name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        problem = "missing";
        return false;
    }
    switch (file.kind) {
        case EKind::Palette: {
            CGamePaletteFile palette;
            const CGamePaletteFile::EResult result = palette.ReadFile(path);
            if (result != CGamePaletteFile::EResult::Ok)
                problem = CGamePaletteFile::ErrorText(result, file.name);
            return result == CGamePaletteFile::EResult::Ok;
        }
        case EKind::MapData:
        case EKind::PersonData: {
            std::string text;
            const bool ok = file.kind == EKind::MapData ? CMapFileReport::Describe(path, text)
                                                        : CPersonFileReport::Describe(path, text);
            if (!ok) problem = text;
            return ok;
        }
        case EKind::Music:
            return CheckMusic(path, problem);
        case EKind::Sound:
            return CheckSound(path, problem);
        case EKind::HelpPage: {
            const std::filesystem::path relative(file.name);
            return CHtmlCheck::CheckFile(folder + relative.parent_path().string() + "/",
                                         relative.filename().string(), problem);
        }
        case EKind::HelpFile:
            return CheckHelpFile(path, problem);
    }
    return false;
}

bool CDataFileTable::CheckAll(const std::string& folder, std::string& report) {
    bool all = true;
    for (const SFile& file : Files()) {
        std::string problem;
        if (CheckFile(folder, file, problem)) {
            report += file.name + ": loads\n";
        } else {
            while (!problem.empty() && problem.back() == '\n') problem.pop_back();
            report += file.name + ": " + problem + "\n";
            all = false;
        }
    }
    return all;
}
