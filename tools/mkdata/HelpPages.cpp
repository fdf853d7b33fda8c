#include "tools/mkdata/HelpPages.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "model/PictureCatalog.h"
#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/Messages.h"
#include "resources/CommandTable.h"
#include "resources/IntroductionText.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"
#include "tools/mkdata/GamePalette.h"
#include "tools/mkdata/MapSource.h"
#include "tools/mkdata/PersonSource.h"
#include "tools/mkdata/PngWriter.h"
#include "tools/mkdata/ResourcePictures.h"

namespace {

using namespace mercavo_ids;

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

// A menu entry as a player reads it: without the '&' mark and the key
// after the tab.
std::string EntryName(const char* menuText) {
    std::string name;
    for (const char* p = menuText; p && *p && *p != '\t'; ++p)
        if (*p != '&') name += *p;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::string Page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           Escape(title) + "</title>\n<link rel=\"stylesheet\" href=\"" + CHelpPages::kStyleSheet +
           "\">\n</head>\n<body>\n<nav><a href=\"how_to_play.html\">How to play</a> | "
           "<a href=\"initial_setting.html\">Setting up a game</a> | "
           "<a href=\"about_mercavo.html\">About MERCAVO</a></nav>\n<h1>" +
           Escape(title) + "</h1>\n" + body + "</body>\n</html>\n";
}

// What each menu command does, in a sentence.
const std::map<UINT, const char*>& CommandHelp() {
    static const std::map<UINT, const char*> help = {
        {kFileOpen, "Opens a saved game."},
        {kFileSave, "Saves the game (in a network game only the host saves)."},
        {kFileSaveAs, "Saves the game under a new name."},
        {kRecentFile1, "Opens one of the games used last."},
        {kAppExit, "Ends the program."},
        {kShowAcquired,
         "Marks your plots in the shown area on the map; choose it again to stop. With Shift held "
         "it shows the portfolio."},
        {kPortfolio, "Lists the real estate your company owns."},
        {kPartialMap, "Shows only part of the map, or the land without buildings."},
        {kZoom50, "Draws the map at half size."},
        {kZoom75, "Draws the map at three quarters of its size."},
        {kZoom100, "Draws the map at its own size."},
        {kZoom125, "Draws the map a quarter larger."},
        {kZoom150, "Draws the map half as large again."},
        {kZoom200, "Draws the map at twice its size."},
        {kViewNorth, "Looks at the city from the north."},
        {kViewEast, "Looks at the city from the east."},
        {kViewSouth, "Looks at the city from the south."},
        {kViewWest, "Looks at the city from the west."},
        {kNetworkWindow, "Shows or hides the network window in a network game."},
        {kViewToolbar, "Shows or hides the tool bar."},
        {kViewStatusBar, "Shows or hides the status bar."},
        {kPurchaseDesignated, "Click a plot or building on the map to buy it."},
        {kAcquireLand, "Sends a director to find and buy land."},
        {kSellRealEstate, "Click a plot you own to sell it."},
        {kPurchaseStock, "Buys shares of a company."},
        {kSellStock, "Sells shares you hold."},
        {kPurchaseTeam, "Buys a professional sports team."},
        {kSellTeam, "Sells one of your teams."},
        {kConstruction, "Choose a building, then click the land to build it on."},
        {kDemolition, "Click a building of yours to pull it down."},
        {kReinforce, "Click a building of yours to strengthen it."},
        {kSalary, "Sets the pay of your employees and directors."},
        {kRecruitEmployees, "Sends a director to hire employees."},
        {kRecruitManagement, "Hires a new director."},
        {kHeadhunting, "Tries to win a director from another company."},
        {kAbandonProject, "Calls a director back from a task."},
        {kLayoff, "Lets employees or directors go."},
        {kAdvertising, "Starts an advertising campaign."},
        {kAdvertisingCost, "Changes what you spend on advertising every month."},
        {kLoan, "Borrows money from the bank."},
        {kRepayLoan, "Pays back part of your debt."},
        {kAdvice, "Asks your staff for advice."},
        {kInvestment, "Invests in an area or donates to its governor."},
        {kScore, "Shows how the companies stand."},
        {kFinancialSupport, "Supports one of your teams with money."},
        {kChangeHomeField, "Moves one of your teams to another stadium."},
        {kOptions,
         "Music, sound effects, waiting time, map colours and the music and sound files."},
        {kEndOperations, "Ends your operations for this month."},
        {kHelpTopics, "Opens the page about MERCAVO."},
        {kGettingStarted, "Opens this page."},
        {kAppAbout, "Shows the program's version."},
        {kDataAuthor, "Shows who made the map and character data."},
        {kHomepage, "Opens the game's home page in your web browser."},
        {kChatRoom, "Opens the players' chat room in your web browser."},
    };
    return help;
}

// The keys of a command from the accelerator table, "Ctrl+O, ...".
std::string KeysOf(UINT command) {
    std::string keys;
    for (const ACCEL& a : mercavo_resources::Accelerators().Entries()) {
        if (a.cmd != command) continue;
        if (!keys.empty()) keys += ", ";
        keys += CHelpPages::KeyText(a.fVirt, a.key);
    }
    return keys;
}

void AddMenu(std::string& out, const MENUITEMDEF& menu, const std::string& path) {
    if (menu.flags & MF_SEPARATOR) return;
    if (menu.flags & MF_POPUP) {
        const std::string name =
            path.empty() ? EntryName(menu.text) : path + " &gt; " + EntryName(menu.text);
        if (path.empty())
            out += "<tr><th colspan=\"3\">" + Escape(EntryName(menu.text)) + "</th></tr>\n";
        for (const MENUITEMDEF& item : menu.items) AddMenu(out, item, name);
        return;
    }
    const auto help = CommandHelp().find(menu.id);
    const std::string entry = path.empty() ? Escape(EntryName(menu.text))
                                           : path + " &gt; " + Escape(EntryName(menu.text));
    const std::string keys = KeysOf(menu.id);
    out += "<tr><td>" + entry + "</td><td>" +
           (keys.empty() ? "" : "<kbd>" + Escape(keys) + "</kbd>") + "</td><td>" +
           Escape(help != CommandHelp().end() ? help->second : "") + "</td></tr>\n";
}

std::string CommandTableHtml() {
    std::string out =
        "<table class=\"commands\">\n<tr><th>Command</th><th>Key</th><th>What it does</th></tr>\n";
    for (const MENUITEMDEF& menu : mercavo_resources::MainMenu().items) {
        // "End Operations" is an entry of the menu bar itself.
        if (!(menu.flags & MF_POPUP)) out += "<tr><th colspan=\"3\">Menu bar</th></tr>\n";
        AddMenu(out, menu, "");
    }
    out += "</table>\n";
    return out;
}

std::string KeyOnlyCommands() {
    const std::vector<std::pair<UINT, const char*>> commands = {
        {kProsperityDisplay,
         "Shows how prosperous each part of the map is, until Esc or another command."},
        {kCursorToCentre,
         "While you pick a place on the map: puts the map cursor in the middle of the map."},
        {kHistoryTexts, "Writes every company's history as a text file into the program folder."},
        {kHelpF1, "Opens the page about MERCAVO."},
        {kHelpContext, "Opens the page about MERCAVO."},
    };
    std::string out = "<table class=\"commands\">\n<tr><th>Key</th><th>What it does</th></tr>\n";
    for (const auto& [id, text] : commands)
        out += "<tr><td><kbd>" + Escape(KeysOf(id)) + "</kbd></td><td>" + Escape(text) +
               "</td></tr>\n";
    out += "</table>\n";
    return out;
}

std::string IntroductionQuote(int first, int last) {
    std::string out = "<blockquote class=\"intro\">\n";
    const auto& lines = mercavo_resources::IntroductionLines();
    for (int i = first; i < last; ++i) {
        const mercavo_resources::SIntroLine& line = lines[static_cast<size_t>(i)];
        if (*line.text == '\0') continue;
        const bool heading = line.font == mercavo_resources::EIntroFont::Message2;
        out += std::string(heading ? "<p class=\"strong\">" : "<p>") + Escape(line.text) + "</p>\n";
    }
    out += "</blockquote>\n";
    return out;
}

std::string ToolBarList() {
    std::string out = "<p><img src=\"" + std::string(CHelpPages::kToolBarPicture) +
                      "\" alt=\"The tool bar's nine buttons\"></p>\n<ol class=\"toolbar\">\n";
    for (int command : CPictureCatalog::kToolFaceCommands) {
        const mercavo_resources::SCommand* c =
            mercavo_resources::FindCommand(static_cast<UINT>(command));
        out += "<li>" + Escape(c ? EntryName(c->menuText) : "") + "</li>\n";
    }
    return out + "</ol>\n";
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    return out.write(text.data(), static_cast<std::streamsize>(text.size())) && out.flush();
}

bool WritePicture(const std::string& path, int id, const CGamePalette& palette) {
    const SPictureEntry* entry = CPictureCatalog::Find(id);
    if (!entry) return false;
    const CCanvas picture = CResourcePictures::Draw(*entry, palette);
    std::vector<SRgb> colors;
    for (int i = 0; i < CGamePalette::kSize; ++i) colors.push_back(palette.Color(i));
    return CPngWriter::WriteFile(
        path, CPngWriter::Encode(picture.Width(), picture.Height(), picture.Pixels(), colors));
}

}  // namespace

const std::vector<std::string>& CHelpPages::Pages() {
    static const std::vector<std::string> pages = {"how_to_play.html", "initial_setting.html",
                                                   "about_mercavo.html"};
    return pages;
}

const std::vector<std::string>& CHelpPages::Files() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> all = Pages();
        all.insert(all.end(), {kStyleSheet, kToolBarPicture, kTitlePicture});
        return all;
    }();
    return files;
}

std::string CHelpPages::KeyText(int modifiers, int key) {
    std::string text;
    if (modifiers & FCONTROL) text += "Ctrl+";
    if (modifiers & FALT) text += "Alt+";
    if (modifiers & FSHIFT) text += "Shift+";
    static const std::map<int, const char*> kNames = {
        {VK_BACK, "Backspace"}, {VK_INSERT, "Insert"}, {VK_DELETE, "Delete"}, {VK_LEFT, "Left"},
        {VK_UP, "Up"},          {VK_RIGHT, "Right"},   {VK_DOWN, "Down"},     {VK_ESCAPE, "Esc"},
        {VK_RETURN, "Enter"},   {VK_SPACE, "Space"},   {VK_TAB, "Tab"}};
    if (key >= VK_F1 && key < VK_F1 + 24) return text + "F" + std::to_string(key - VK_F1 + 1);
    const auto name = kNames.find(key);
    if (name != kNames.end()) return text + name->second;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return text + static_cast<char>(key);
    return text + "key " + std::to_string(key);
}

std::string CHelpPages::StyleSheet() {
    return "body { font-family: \"DejaVu Sans\", sans-serif; max-width: 50em; margin: 1em auto; "
           "padding: 0 1em; color: #202020; background: #fbfaf6; line-height: 1.45; }\n"
           "nav { font-size: 90%; border-bottom: 1px solid #b0a890; padding-bottom: 0.4em; }\n"
           "h1 { color: #24456e; }\nh2 { color: #24456e; border-bottom: 1px solid #d8d0b8; "
           "margin-top: 1.6em; }\n"
           "table.commands { border-collapse: collapse; width: 100%; }\n"
           "table.commands th, table.commands td { border: 1px solid #c8c0a8; padding: 0.2em "
           "0.5em; text-align: left; "
           "vertical-align: top; }\n"
           "table.commands th { background: #e8e2d0; }\n"
           "kbd { font-family: \"DejaVu Sans Mono\", monospace; white-space: nowrap; }\n"
           "blockquote.intro { background: #f0ecdf; border-left: 4px solid #24456e; margin: 1em 0; "
           "padding: 0.5em 1em; }\n"
           "blockquote.intro p { margin: 0.2em 0; }\n.strong { font-weight: bold; }\n"
           "img { image-rendering: pixelated; }\n";
}

std::string CHelpPages::HowToPlay() {
    using mercavo_resources::kIntroPartOneStart;
    const int lineCount = static_cast<int>(mercavo_resources::IntroductionLines().size());
    std::string body;
    body +=
        "<h2 id=\"goal\">The goal</h2>\n<p>You are the president of a company in a city of map "
        "areas. "
        "Buy land, put up buildings that people want, hire employees and directors, and grow your "
        "company "
        "month by month against the other companies, played by people or by the computer. When the "
        "game "
        "years you chose are over, every company is judged and ranked.</p>\n";
    body += "<p>Before a new game begins, MERCAVO explains the first weeks:</p>\n" +
            IntroductionQuote(0, kIntroPartOneStart);
    body +=
        "<h2 id=\"month\">A month and its phases</h2>\n<p>A game runs in months. Each month begins "
        "with the "
        "calendar and, when one is due, a governor election; then the month's events (fires, "
        "earthquakes, "
        "strikes, expos, changes of land value) happen. Every company then has its operations "
        "phase: you give "
        "your orders, the computer players give theirs. After that the directors carry out their "
        "tasks, each "
        "area of the city lives its month, and the month is settled: sales, wages, interest and "
        "the "
        "month-end reports. December closes the year, and a company that cannot pay goes "
        "bankrupt.</p>\n";
    body +=
        "<h2 id=\"directors\">Directors and orders</h2>\n<p>Most orders need a free director: a "
        "director "
        "without a task takes the order and carries it out over the month. The more directors you "
        "have, "
        "the more you can do at once; good directors do their work better. When no director is "
        "free the "
        "orders that need one are greyed in the menus.</p>\n";
    body += "<p>When play begins after the founding weeks, MERCAVO gives this advice:</p>\n" +
            IntroductionQuote(kIntroPartOneStart, lineCount);
    body +=
        "<h2 id=\"commands\">Commands</h2>\n<p>Every command of the menus, with its key where it "
        "has one:</p>\n" +
        CommandTableHtml();
    body += "<p>Some commands have a key but no menu entry:</p>\n" + KeyOnlyCommands();
    body += "<p>The tool bar holds the most used commands, in this order:</p>\n" + ToolBarList();
    body +=
        "<h2 id=\"end-operations\">End Operations</h2>\n<p>When you have given your orders, choose "
        "<em>End Operations</em> on the menu bar (<kbd>" +
        Escape(KeysOf(kEndOperations)) +
        "</kbd>). The next company takes its turn, and when all have, the month goes on.</p>\n";
    body +=
        "<h2 id=\"reports\">Reports and advice</h2>\n<p>What your directors achieve, what happens "
        "in the city "
        "and what the bank and your rivals do is reported in message boxes and in the message log "
        "at the "
        "bottom of the window. <em>Advice</em> on the Management menu asks your staff what to do "
        "next.</p>\n";
    body +=
        "<h2 id=\"saving\">Saving</h2>\n<p><em>Save</em> and <em>Save As</em> on the File menu "
        "keep the whole "
        "game in a file that <em>Open</em> loads again. In a network game only the host "
        "saves.</p>\n"
        "<p>Every month, before the players' turns, MERCAVO also saves an automatic backup, "
        "BACKUP.MQD in the "
        "program folder, so that little is lost when something goes wrong.</p>\n";
    body +=
        "<h2 id=\"end\">The end and the judgment</h2>\n<p>After the last month of the last game "
        "year MERCAVO "
        "saves the final state as QORDIN.mqd and starts QORDIN, the judgment program. QORDIN "
        "scores every "
        "company in 15 categories, gives bonus points to the best three of each, announces the "
        "ranking page "
        "by page and writes a text report.</p>\n";
    return Page("How to play MERCAVO", body);
}

std::string CHelpPages::InitialSetting() {
    std::string body;
    body +=
        "<h2 id=\"start\">New or saved game</h2>\n<p>When MERCAVO starts it asks whether to begin "
        "a "
        "<em>New Game</em> or to <em>Load</em> a saved one. A saved game goes on where it was "
        "saved.</p>\n";
    body +=
        "<h2 id=\"map\">The map</h2>\n<p>A new game asks for the map data file to play on. The map "
        "gives the "
        "city's areas, the land and building types, the leagues and the game lengths it "
        "offers.</p>\n";
    body +=
        "<h2 id=\"modes\">Play modes</h2>\n<ul>\n<li><em>Normal play</em>: every player on this "
        "one "
        "machine, taking turns.</li>\n<li><em>Network play (Server)</em>: this machine hosts the "
        "game; the "
        "other players connect to it.</li>\n<li><em>Network play (Client)</em>: connect to a host "
        "by its "
        "address and play your company from here.</li>\n<li><em>Continuous network play "
        "(Client)</em>: "
        "join a saved network game again, with its password.</li>\n<li>Observers connect to a "
        "network game "
        "and watch without a company.</li>\n</ul>\n";
    body +=
        "<h2 id=\"players\">Players and observers</h2>\n<p>Choose how many companies people play; "
        "the other "
        "companies are played by the computer. With no human player the computer plays every "
        "company and you "
        "watch. A host also says how many observers it admits (up to five).</p>\n";
    body +=
        "<h2 id=\"length\">Game length</h2>\n<p>Choose one of the game lengths, in years, that the "
        "map "
        "offers. When the last year ends, the companies are judged.</p>\n";
    body +=
        "<h2 id=\"names\">Company and player names, colours</h2>\n<p>Each player then gets a page "
        "for the "
        "company's name, the player's name and the company's colour. Every company needs its own "
        "colour; a colour that another player took cannot be chosen again.</p>\n";
    body +=
        "<h2 id=\"password\">Password</h2>\n<p>A network game has a password. A player who joins a "
        "saved "
        "network game again gives it, so that only the players of that game can take their "
        "seats.</p>\n";
    return Page("Setting up a game", body);
}

std::string CHelpPages::AboutMercavo(const std::vector<std::string>& authors) {
    const DIALOGTEMPLATE& about = mercavo_resources::AboutDialog();
    std::string version;
    for (const DIALOGITEM& item : about.items)
        if (item.id == kAboutVersionText) version = item.text;
    std::string body = "<p><img src=\"" + std::string(kTitlePicture) + "\" alt=\"MERCAVO\"></p>\n";
    body += "<p>" + Escape(version) + "</p>\n";
    body +=
        "<h2 id=\"game\">The game</h2>\n<p>MERCAVO is a turn-based business game: run a company in "
        "a city of "
        "map areas, month by month, against people and computer players, on one machine or over a "
        "network.</p>\n";
    body +=
        "<h2 id=\"programs\">The programs</h2>\n<ul>\n<li><em>mercavo</em>: the game.</li>\n"
        "<li><em>qordin</em>: the judgment program, started by the game when the last year ends; "
        "it scores "
        "the companies and announces the ranking.</li>\n<li><em>mkdata</em>: the data tool that "
        "makes the map "
        "and character data, the pictures, the music, the sound effects and these "
        "pages.</li>\n</ul>\n";
    body += "<h2 id=\"authors\">Authors of the data</h2>\n<ul>\n";
    for (const std::string& author : authors) body += "<li>" + Escape(author) + "</li>\n";
    body +=
        "</ul>\n<p>The music and the sound effects are composed and made by mkdata itself.</p>\n";
    body +=
        "<h2 id=\"software\">Free software</h2>\n<p>MERCAVO uses these free programs and data, "
        "each under "
        "its own licence:</p>\n<ul>\n"
        "<li>Qt 6: windows and drawing; GNU Lesser General Public License, version 3.</li>\n"
        "<li>SDL2 and SDL2_mixer: sound output and playing music and sound effects; zlib "
        "licence.</li>\n"
        "<li>FluidSynth: playing MIDI music; GNU Lesser General Public License, version 2.1 or "
        "later.</li>\n"
        "<li>The TimGM6mb General MIDI soundfont (Debian's timgm6mb-soundfont): the instruments of "
        "the music; "
        "GNU General Public License, version 2.</li>\n"
        "<li>The DejaVu fonts: the texts; a free licence derived from the Bitstream Vera Fonts "
        "licence, "
        "public domain for DejaVu's changes.</li>\n</ul>\n";
    return Page("About MERCAVO", body);
}

bool CHelpPages::WriteAll(const std::string& folder, const std::string& dataFolder,
                          const CGamePalette& palette, std::string& error) {
    std::vector<std::string> authors;
    try {
        const CMapContent map = CMapSource::ReadFolder(dataFolder);
        for (const auto& author : map.authors)
            if (!author.name.empty()) authors.push_back(author.name + " (map data)");
        CPersonSource persons;
        persons.ReadFile(dataFolder + CPersonSource::kSourceName);
        authors.push_back(persons.GetAuthorName() + " (character data)");
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    const std::string hlp = folder + kFolder;
    std::error_code made;
    std::filesystem::create_directories(hlp, made);
    const std::vector<std::pair<std::string, std::string>> texts = {
        {kStyleSheet, StyleSheet()},
        {"how_to_play.html", HowToPlay()},
        {"initial_setting.html", InitialSetting()},
        {"about_mercavo.html", AboutMercavo(authors)},
    };
    for (const auto& [name, text] : texts) {
        if (!WriteText(hlp + name, text)) {
            error = "cannot write " + hlp + name;
            return false;
        }
    }
    if (!WritePicture(hlp + kToolBarPicture, CPictureCatalog::kToolFaces, palette) ||
        !WritePicture(hlp + kTitlePicture, 383, palette)) {
        error = "cannot write the pictures of " + hlp;
        return false;
    }
    return true;
}
