#pragma once
// The help pages of the program folder's hlp/ folder: how_to_play.html,
// initial_setting.html and about_mercavo.html with their one stylesheet and
// the pictures they show, which mkdata draws. The menu commands and their
// keys come from the game program's menu and accelerator tables, the
// introduction texts from its text table and the data's authors from the
// sources in data/, so the pages say what the programs do.

#include <string>
#include <vector>

class CGamePalette;

class CHelpPages {
public:
    static constexpr const char* kFolder = "hlp/";
    static constexpr const char* kStyleSheet = "style.css";
    static constexpr const char* kToolBarPicture = "toolbar.png";
    static constexpr const char* kTitlePicture = "title.png";

    // Every file of hlp/, pages first.
    static const std::vector<std::string>& Files();
    // The pages among them.
    static const std::vector<std::string>& Pages();

    // Writes every file into folder/hlp/ (folder ends in '/'), with the
    // authors read from the sources in dataFolder. False with the reason in
    // error when a file cannot be written or a source cannot be read.
    static bool WriteAll(const std::string& folder, const std::string& dataFolder,
                         const CGamePalette& palette, std::string& error);

    // The texts of the files (for the tests).
    static std::string StyleSheet();
    static std::string HowToPlay();
    static std::string InitialSetting();
    static std::string AboutMercavo(const std::vector<std::string>& authors);
    // The key of an accelerator entry as a player reads it ("Ctrl+O",
    // "Shift+F1").
    static std::string KeyText(int modifiers, int key);
};
