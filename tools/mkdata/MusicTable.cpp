#include "tools/mkdata/MusicTable.h"

#include <array>
#include <set>

#include "tools/mkdata/SourceText.h"

namespace {

// "C", "F#", "Bb" ... as a pitch class; -1 when it is none.
int PitchClass(std::string_view name) {
    static const std::array<int, 7> kNatural = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (name.empty() || name.size() > 2 || name[0] < 'A' || name[0] > 'G') return -1;
    int pc = kNatural[static_cast<size_t>(name[0] - 'A')];
    if (name.size() == 2) {
        if (name[1] == '#')
            ++pc;
        else if (name[1] == 'b')
            --pc;
        else
            return -1;
    }
    return (pc + 12) % 12;
}

bool StyleNamed(std::string_view name, CMusicTable::EStyle& style) {
    using S = CMusicTable::EStyle;
    static const std::array<std::pair<const char*, S>, 7> kStyles = {{{"ballad", S::Ballad},
                                                                      {"waltz", S::Waltz},
                                                                      {"march", S::March},
                                                                      {"drive", S::Drive},
                                                                      {"chorale", S::Chorale},
                                                                      {"fanfare", S::Fanfare},
                                                                      {"pop", S::Pop}}};
    for (const auto& [text, value] : kStyles) {
        if (name == text) {
            style = value;
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<CMusicTable::SPiece> CMusicTable::ReadFile(const std::string& path) {
    return Parse(CSourceText::ReadFile(path));
}

std::vector<CMusicTable::SPiece> CMusicTable::ReadText(const std::string& text,
                                                       const std::string& name) {
    return Parse(CSourceText(text, name));
}

std::vector<CMusicTable::SPiece> CMusicTable::Parse(const CSourceText& source) {
    std::vector<SPiece> pieces;
    std::set<std::string> files;
    for (const CSourceText::SLine& line : source.GetLines()) {
        std::string_view rest = line.text;
        SPiece p;
        p.file = std::string(CSourceText::NextWord(rest));
        if (!files.insert(p.file).second) source.Fail(line.number, "a second line for " + p.file);
        p.tempo = source.TakeInt(rest, line.number, "tempo", 40, 200);
        p.metre = source.TakeInt(rest, line.number, "metre", 3, 4);
        p.tonic = PitchClass(CSourceText::NextWord(rest));
        if (p.tonic < 0) source.Fail(line.number, "a key such as C, F# or Bb");
        std::string_view mode = CSourceText::NextWord(rest);
        if (mode != "major" && mode != "minor") source.Fail(line.number, "major or minor");
        p.minor = mode == "minor";
        p.melody = source.TakeInt(rest, line.number, "melody instrument", 1, 128) - 1;
        p.accompaniment = source.TakeInt(rest, line.number, "accompaniment instrument", 1, 128) - 1;
        p.bass = source.TakeInt(rest, line.number, "bass instrument", 1, 128) - 1;
        std::string_view drums = CSourceText::NextWord(rest);
        if (drums != "drums" && drums != "-") source.Fail(line.number, "drums or -");
        p.drums = drums == "drums";
        if (!StyleNamed(CSourceText::NextWord(rest), p.style))
            source.Fail(line.number,
                        "a style: ballad, waltz, march, drive, chorale, fanfare or pop");
        p.seed = static_cast<unsigned>(source.TakeInt(rest, line.number, "seed", 1, 999999));
        source.ExpectEnd(rest, line.number);
        pieces.push_back(std::move(p));
    }
    return pieces;
}
