#pragma once
// The one table of the program folder's files besides the pictures and
// cursors of the picture catalogue: the palette, the map and character data
// files, the 22 music pieces, the 5 sound effects and the help pages with
// their stylesheet and pictures. mkdata writes the music, the sounds and
// the help from it, and its check walks the same list, loading each file
// through the programs' own readers.

#include <string>
#include <vector>

class CGamePalette;

class CDataFileTable {
public:
    enum class EKind { Palette, MapData, PersonData, Music, Sound, HelpPage, HelpFile };

    struct SFile {
        EKind kind;
        std::string name;  // relative to the program folder
    };

    static const std::vector<SFile>& Files();
    // The names of one kind, in table order.
    static std::vector<std::string> Names(EKind kind);

    // Composes the music from dataFolder's music table, synthesises the
    // sounds and writes the help into folder (both end in '/'). False with
    // the reason in error.
    static bool WriteMusicSoundsAndHelp(const std::string& folder, const std::string& dataFolder,
                                        const CGamePalette& palette, std::string& error);

    // Loads every file of the table from folder: one line per file in
    // report, naming what is missing, unreadable or wrong. False when any
    // fails.
    static bool CheckAll(const std::string& folder, std::string& report);
    // One file; false with the fault in problem.
    static bool CheckFile(const std::string& folder, const SFile& file, std::string& problem);
};
