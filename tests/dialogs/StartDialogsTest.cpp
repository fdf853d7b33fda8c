// The start choice and the map data file choice as a person meets them:
// the buttons, the keys, the saved game loaded, and the preview of the map
// files of the program folder, damaged ones included.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "dialogs/DialogBench.h"
#include "dialogs/TranslatedPump.h"
#include "dialogs/DlgSelectMapFile.h"
#include "dialogs/InputStartDlg.h"
#include "fakes/MapFileFixture.h"
#include "model/MapDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/ArchiveStream.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/ListBox.h"
#include "resources/SetUpIds.h"

namespace {

namespace fs = std::filesystem;
using namespace dialog_script;

bool IsOpen(CDialog& d) {
    return d.IsWindow() && !d.IsEnding();
}

class StartDialogsTest : public DialogBench {
protected:
    void TearDown() override {
        CAutoAnswer::SetScript(nullptr);
        CProgramFolder::Override("");
        DialogBench::TearDown();
    }
    // Message boxes answered and recorded.
    void RecordBoxes() {
        CAutoAnswer::Set(true);
        CAutoAnswer::SetScript([this](const std::string& text, int answer) {
            boxes.push_back(text);
            return answer;
        });
    }
    std::vector<std::string> boxes;
};

// ---------------------------------------------------------------- start choice

struct SStartCase {
    const char* name;
    // Keys and clicks; the load step answers `loads`.
    std::function<void(CInputStartDlg&)> script;
    bool loads;
    int chosen, choice, loadAsked;
};

TEST_F(StartDialogsTest, TheStartChoiceAnswersItsButtonsAndKeys) {
    const SStartCase cases[] = {
        {"Escape ends it unchosen", [](CInputStartDlg& d) { PressKey(d, VK_ESCAPE); }, false, 0, 1,
         0},
        {"Enter before a choice does nothing",
         [](CInputStartDlg& d) {
             PressKey(d, VK_RETURN);
             PumpTranslated();
             EXPECT_TRUE(IsOpen(d));
             PressKey(d, VK_ESCAPE);
         },
         false, 0, 1, 0},
        {"New Game", [](CInputStartDlg& d) { Click(d.GetButton(0)); }, false, 1, 1, 0},
        {"Tab to New Game, Enter does nothing, Space presses it",
         [](CInputStartDlg& d) {
             PressKey(d, VK_TAB);
             PumpTranslated();
             EXPECT_EQ(CWnd::GetFocus(), &d.GetButton(0));
             PressKey(d, VK_RETURN);
             PumpTranslated();
             EXPECT_TRUE(IsOpen(d));
             PressKey(d, VK_SPACE);
         },
         false, 1, 1, 0},
        {"Space on the focused Load Data, the file dialog cancelled, then New Game",
         [](CInputStartDlg& d) {
             PressKey(d, VK_SPACE);
             PumpTranslated();
             EXPECT_TRUE(IsOpen(d));
             EXPECT_TRUE(d.GetButton(0).IsWindowEnabled());
             EXPECT_TRUE(d.GetButton(1).IsWindowEnabled());
             Click(d.GetButton(0));
         },
         false, 1, 1, 1},
        {"Load Data of a game that loads", [](CInputStartDlg& d) { Click(d.GetButton(1)); }, true,
         1, 0, 1},
    };
    for (const SStartCase& c : cases) {
        SCOPED_TRACE(c.name);
        int asked = 0;
        CInputStartDlg start([&] {
            ++asked;
            return c.loads;
        });
        CWnd* focus = nullptr;
        OnOpen([&](CDialog&) {
            focus = CWnd::GetFocus();
            c.script(start);
        });
        start.DoModal();
        EXPECT_EQ(focus, &start.GetButton(1));
        EXPECT_EQ(start.IsChosen(), c.chosen);
        EXPECT_EQ(start.GetChoice(), c.choice);
        EXPECT_EQ(asked, c.loadAsked);
    }
}

TEST_F(StartDialogsTest, LoadDataOpensASavedGameOfSimulate) {
    GameInProgress();
    const std::string saved = folder + "in-progress.mqd";
    int loaded = 0;
    CInputStartDlg start([&] {
        loaded = doc.LoadFile(saved);
        return loaded == -1;
    });
    OnOpen([&](CDialog&) { Click(start.GetButton(1)); });
    start.DoModal();
    EXPECT_EQ(loaded, -1);
    EXPECT_EQ(start.IsChosen(), 1);
    EXPECT_EQ(start.GetChoice(), 0);
    EXPECT_GT(doc.CompanyCount(), 0);
}

TEST_F(StartDialogsTest, UnattendedTheStartChoiceTakesANewGame) {
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    CInputStartDlg start([] { return true; });
    EXPECT_EQ(start.DoModal(), IDOK);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(start.IsChosen(), 1);
    EXPECT_EQ(start.GetChoice(), 1);
    EXPECT_NE(log.find("[auto-answer] MERCAVO-START: Select one -> &New Game"), std::string::npos)
        << log;
}

// ---------------------------------------------------------------- map file choice

class MapFileChoiceTest : public StartDialogsTest {
protected:
    void SetUp() override {
        StartDialogsTest::SetUp();
        const fs::path authored = fs::path(CProgramFolder::Get()) / "ORIGINAL.MQM";
        if (!fs::exists(authored)) GTEST_SKIP() << "no authored map in the program folder";
        home = fs::path(folder) / "home";
        fs::create_directories(home);
        fs::copy_file(authored, home / "ORIGINAL.MQM");
        WriteBytes("Fixture.mqm", WriteFixtureMapFile(FixtureWithAreas(3)));
        CProgramFolder::Override(home.string());
    }
    void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(home / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    CListBox& List(CDialog& d) { return *static_cast<CListBox*>(d.GetDlgItem(setup_ids::kFileList)); }
    // The lines of the preview after the file at index was picked.
    std::vector<std::string> Preview(CDlgSelectMapFile& select, CDialog& d, int index) {
        PickListItem(List(d), index);
        PumpTranslated();
        std::vector<std::string> lines;
        for (int line = 0; line < select.GetTextWnd().GetLineCount(); ++line)
            lines.push_back(select.GetTextWnd().GetLineText(line));
        return lines;
    }

    fs::path home;
};

TEST_F(MapFileChoiceTest, SelectingAFileListsItsAreas) {
    CMapDoc authored;
    {
        CFileStream file;
        ASSERT_TRUE(file.Open((home / "ORIGINAL.MQM").string(), CFileStream::modeRead));
        CArchive ar(file, CArchive::load);
        authored.SetMapFileMode(1);
        authored.Serialize(ar);
    }
    std::vector<std::string> expected = {FormatText("Map:%d", authored.GetAreaCount())};
    for (int a = 0; a < authored.GetAreaCount(); ++a)
        expected.push_back(FormatText(" %3d.%s", a + 1, authored.GetAreaName(a).c_str()));
    std::unique_ptr<CMapDoc> fixture = MakeFixtureMap(FixtureWithAreas(3));

    CDlgSelectMapFile select;
    select.SetFileNames({"Fixture.mqm", "ORIGINAL.MQM"});
    OnOpen([&](CDialog& d) {
        EXPECT_EQ(List(d).GetCount(), 2);
        EXPECT_EQ(List(d).GetCurSel(), -1);
        const std::vector<std::string> fixtureLines = Preview(select, d, 0);
        ASSERT_EQ(fixtureLines.size(), 4u);
        EXPECT_EQ(fixtureLines[0], "Map:3");
        EXPECT_EQ(fixtureLines[1], "   1." + fixture->GetAreaName(0));
        EXPECT_EQ(Preview(select, d, 1), expected);
        PressKey(d, VK_RETURN);
    });
    select.DoModal();
    EXPECT_EQ(select.GetChosen(), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MapFileChoiceTest, OkWithoutASelectionBeepsAndEscapeDoesNothing) {
    CDlgSelectMapFile select;
    select.SetFileNames({"Fixture.mqm", "ORIGINAL.MQM"});
    OnOpen([&](CDialog& d) {
        Click(*d.GetDlgItem(IDOK));
        PumpTranslated();
        EXPECT_TRUE(IsOpen(d));
        EXPECT_EQ(Beeps(), 1);
        PressKey(d, VK_ESCAPE);
        d.SendMessage(WM_CLOSE, 0, 0);
        PumpTranslated();
        EXPECT_TRUE(IsOpen(d));
        PickListItem(List(d), 0);
        Click(*d.GetDlgItem(IDOK));
    });
    select.DoModal();
    EXPECT_EQ(select.GetChosen(), 0);
    EXPECT_EQ(Beeps(), 1);
}

// A damaged file shows the first message with its full path and an empty
// preview; the game's own map is never touched by a preview.
TEST_F(MapFileChoiceTest, ADamagedFileShowsTheMessageAndLeavesTheGameAlone) {
    SmallGame(0);
    std::vector<uint8_t> badSum = WriteFixtureMapFile();
    badSum[badSum.size() - 2] ^= 0x5A;
    WriteBytes("BadSum.mqm", badSum);
    // The head's area count (after the magic and three header values) 0:
    // the loader's own check refuses it.
    std::vector<uint8_t> noAreas = WriteFixtureMapFile();
    const size_t areaCount = CMapDoc::kMagicSize + 3 * 4;
    std::fill(noAreas.begin() + static_cast<std::ptrdiff_t>(areaCount),
              noAreas.begin() + static_cast<std::ptrdiff_t>(areaCount + 4), 0);
    WriteBytes("NoAreas.mqm", noAreas);
    WriteBytes("Empty.mqm", {});
    auto saved = [&] {
        CMemoryStream stream;
        {
            CArchive ar(stream, CArchive::store);
            doc.GetMap().Serialize(ar);
        }
        return stream.TakeBytes();
    };
    std::vector<uint8_t> before;
    ASSERT_NO_THROW(before = saved());
    RecordBoxes();
    const std::vector<std::string> names = {"BadSum.mqm", "NoAreas.mqm", "Empty.mqm",
                                            "Missing.mqm"};
    CDlgSelectMapFile select;
    select.SetFileNames(names);
    OnOpen([&](CDialog& d) {
        for (size_t i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(names[i]);
            EXPECT_TRUE(Preview(select, d, static_cast<int>(i)).empty());
            ASSERT_EQ(boxes.size(), i + 1);
            EXPECT_EQ(boxes[i], FormatText(CDlgSelectMapFile::kBadFileText,
                                           (home / names[i]).string().c_str()));
            EXPECT_TRUE(IsOpen(d));
        }
        Click(*d.GetDlgItem(IDOK));
    });
    select.DoModal();
    EXPECT_EQ(select.GetChosen(), 3);
    EXPECT_EQ(saved(), before);
}

TEST_F(MapFileChoiceTest, UnattendedTheFirstFileByNameIsTaken) {
    CAutoAnswer::Set(true);
    testing::internal::CaptureStderr();
    CDlgSelectMapFile select;
    select.SetFileNames({"b.mqm", "ORIGINAL.MQM", "A.mqm"});
    EXPECT_EQ(select.DoModal(), IDOK);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(select.GetChosen(), 2);
    EXPECT_NE(log.find("[auto-answer] Map Data File: Select Map Data File -> A.mqm"),
              std::string::npos)
        << log;
}

}  // namespace
