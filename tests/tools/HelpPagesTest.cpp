#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/Messages.h"
#include "resources/CommandTable.h"
#include "resources/IntroductionText.h"
#include "resources/MercavoResources.h"
#include "tools/mkdata/HelpPages.h"
#include "tools/mkdata/HtmlCheck.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The menu entry as the page shows it: no '&', nothing after the tab.
std::string Shown(const char* menuText) {
    std::string name;
    for (const char* p = menuText; *p && *p != '\t'; ++p)
        if (*p != '&') name += *p;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

TEST(HelpPages, KeysReadAsPlayersTypeThem) {
    struct SCase {
        int modifiers;
        int key;
        const char* text;
    };
    const std::vector<SCase> cases = {
        {FVIRTKEY | FCONTROL, 'O', "Ctrl+O"},
        {FVIRTKEY, VK_F1, "F1"},
        {FVIRTKEY | FSHIFT, VK_F1 + 5, "Shift+F6"},
        {FVIRTKEY | FALT, VK_BACK, "Alt+Backspace"},
        {FVIRTKEY | FSHIFT, VK_DELETE, "Shift+Delete"},
        {FVIRTKEY | FCONTROL, VK_INSERT, "Ctrl+Insert"},
        {FVIRTKEY | FSHIFT, VK_LEFT, "Shift+Left"},
    };
    for (const SCase& c : cases) EXPECT_EQ(CHelpPages::KeyText(c.modifiers, c.key), c.text);
}

TEST(HelpPages, HowToPlayNamesEveryMenuCommandWithItsKeys) {
    const std::string page = CHelpPages::HowToPlay();
    for (const mercavo_resources::SCommand& c : mercavo_resources::Commands()) {
        SCOPED_TRACE(c.menuText);
        const size_t row = page.find(Shown(c.menuText) + "</td>");
        ASSERT_NE(row, std::string::npos);
        const std::string line = page.substr(row, page.find("</tr>", row) - row);
        for (const ACCEL& a : mercavo_resources::Accelerators().Entries())
            if (a.cmd == c.id)
                EXPECT_TRUE(Contains(line, CHelpPages::KeyText(a.fVirt, a.key))) << line;
    }
    for (const char* key : {"Ctrl+A", "Ctrl+H", "Shift+Left", "Ctrl+Q"})
        EXPECT_TRUE(Contains(page, key)) << key;
}

TEST(HelpPages, HowToPlayQuotesTheIntroductionAndCoversTheGame) {
    const std::string page = CHelpPages::HowToPlay();
    for (const mercavo_resources::SIntroLine& line : mercavo_resources::IntroductionLines()) {
        std::string text = line.text;
        for (size_t at = text.find('"'); at != std::string::npos; at = text.find('"', at + 6))
            text.replace(at, 1, "&quot;");
        EXPECT_TRUE(Contains(page, text)) << line.text;
    }
    for (const char* id :
         {"goal", "month", "directors", "commands", "end-operations", "reports", "saving", "end"})
        EXPECT_TRUE(Contains(page, std::string("id=\"") + id + "\"")) << id;
    EXPECT_TRUE(Contains(page, "BACKUP.MQD"));
}

TEST(HelpPages, AboutNamesVersionAuthorsAndLicences) {
    const std::string page =
        CHelpPages::AboutMercavo({"First Author (map data)", "Second & Co (character data)"});
    for (const char* part : {"MERCAVO Ver5.03(English edition)", "First Author (map data)",
                             "Second &amp; Co (character data)", "Qt", "SDL2_mixer", "FluidSynth",
                             "General MIDI soundfont", "DejaVu", "qordin"})
        EXPECT_TRUE(Contains(page, part)) << part;
}

TEST(HelpPages, WrittenPagesPassTheCheck) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "mercavo_help_pages";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "hlp");
    for (const std::string& name :
         {CHelpPages::kStyleSheet, CHelpPages::kToolBarPicture, CHelpPages::kTitlePicture})
        std::ofstream(folder / "hlp" / name) << "x";
    const std::string hlp = (folder / "hlp").string() + "/";
    const std::vector<std::string> pages = {CHelpPages::HowToPlay(), CHelpPages::InitialSetting(),
                                            CHelpPages::AboutMercavo({"A"})};
    for (const std::string& page : CHelpPages::Pages())
        std::ofstream(hlp + page) << "<!DOCTYPE html>";
    for (const std::string& text : pages) {
        std::string problem;
        EXPECT_TRUE(CHtmlCheck::CheckText(hlp, text, problem)) << problem;
    }
    std::filesystem::remove_all(folder);
}

TEST(HtmlCheck, FaultsAreNamedWithTheirLine) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "mercavo_html_check";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "other.html") << "<!DOCTYPE html>";
    const std::string dir = folder.string() + "/";
    struct SCase {
        const char* name;
        std::string page;
        const char* problem;  // empty: the page passes
    };
    const std::string head = "<!DOCTYPE html>\n<html><body>\n";
    const std::vector<SCase> cases = {
        {"good",
         head + "<p id=\"x\"><a href=\"other.html#y\">a</a> <a "
                "href=\"#x\">b</a><br></p>\n</body></html>",
         ""},
        {"no doctype", "<html></html>", "no <!DOCTYPE html>"},
        {"unclosed", head + "<p>text\n</body></html>", "</body> closes <p> (line 4)"},
        {"left open", head + "<p>", "<p> is not closed"},
        {"unquoted", head + "<a href=other.html>x</a></body></html>", "not quoted"},
        {"outside", head + "<a href=\"https://example.org/\">x</a></body></html>",
         "leaves the help folder"},
        {"parent", head + "<img src=\"../x.png\" alt=\"\"></body></html>",
         "leaves the help folder"},
        {"missing file", head + "\n<a href=\"gone.html\">x</a></body></html>",
         "the link gone.html names no file in the help folder (line 4)"},
        {"missing id", head + "<a href=\"#nowhere\">x</a></body></html>", "names no id"},
        {"not UTF-8", head + "\xC3(</body></html>", "not UTF-8"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string problem;
        const bool ok = CHtmlCheck::CheckText(dir, c.page, problem);
        EXPECT_EQ(ok, *c.problem == '\0') << problem;
        EXPECT_TRUE(Contains(problem, c.problem)) << problem;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
