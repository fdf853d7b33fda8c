#pragma once
// The application over a small game (four companies with colours, the
// fixture's persons with faces, two areas, structure types with the codes
// 71 and 72, the leagues of both kinds), with the report box's modal run
// replaced: every box the composer opens is recorded and answered.
//
// Expected texts are written compactly: a box as its caption and the
// settings that differ from the box's defaults, its runs line by line as
// [bold] and "normal", a colour mark after a run as <colour>. Placeholders
// stand for the fixture's names: {C1} company 1 as a marked bold run, {c1}
// its bare name, {P0} the name of person role 0, {i0} its index, {A0} area
// 0's name, {T3} structure type 3's name, {B0.1} league 0's team 1, {G0}
// area 0's governor.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "dialogs/MyMessageDlg.h"
#include "fakes/GameFilesFixture.h"
#include "fakes/MapFileFixture.h"
#include "fakes/HeldStart.h"
#include "fakes/TempFolder.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "model/PersonData.h"
#include "model/ProTeam.h"
#include "model/StructureCodes.h"
#include "platform/core/Clock.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/SystemMetrics.h"
#include "shell/MainFrame.h"
#include "shell/SetDrawMes.h"
#include "shell/TarvoApp.h"
#include "views/MapDrawWnd.h"

// What a box held when it was run.
struct SShownBox {
    std::string caption;
    int company = -1;
    int style = 1;
    int person = -1;
    int structure = -1;
    int bitmap = 0;
    int cancel = 0;
    BOOL notify = TRUE;
    int autoClose = 0;
    int adviceList = 0;
    std::vector<CMyMessageDlg::SLineTag> tags;
    std::vector<CDrawTextWnd::SRun> runs;
};

class ReportTest : public ::testing::Test {
public:
    // Person roles: 0 and 1 directors of company 0 and 1, 2 a second
    // director of company 1, 3 a person without employer.
    static constexpr int kRoles = 4;

    void SetUp() override {
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        setenv("XDG_CONFIG_HOME", config.Folder().c_str(), 1);
        CRuntimeRandom::Seed(7);
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance({}), 1);
        CMessageLoop::PumpPending();
        frame = app->GetMainFrame();
        ASSERT_NE(frame, nullptr);
        CHeldStart::OpenWindow(*frame);
        doc = frame->GetDocument();
        ASSERT_NE(doc, nullptr);
        NewGame();
        CMyMessageDlg::SetModalHook([this](CMyMessageDlg& box) {
            shown.push_back(Record(box));
            return answer;
        });
    }
    void TearDown() override {
        CMyMessageDlg::SetModalHook(nullptr);
        CDialog::SetInitHook(nullptr);
        CAutoAnswer::Reset();
        app.reset();
        CMessageLoop::Reset();
    }

    void NewGame() {
        const std::string folder = config.Folder();
        ASSERT_TRUE(WriteGameDataFiles(folder, *MakeGameFixtureMap(), {}));
        doc->SetEnterpriseCount(4);
        ASSERT_EQ(doc->PrepareNewGameFrom(folder + "ORIGINAL.MQM", folder + "ORIGINAL.MQP"), 1);
        ASSERT_EQ(doc->SetPlayerCount(1, 1), 1);
        doc->GetEnterprise(0)->SetName("Player Company 0");
        doc->GetEnterprise(0)->SetPresidentName("Player 0");
        doc->GetEnterprise(0)->SetColor(0);
        ASSERT_EQ(doc->SetupEnterprises(), 1);
        for (int c = 0; c < 4; ++c) doc->GetEnterprise(c)->SetColor(c * 3 + 2);
        roles[0] = Hire(0);
        roles[1] = Hire(1);
        roles[2] = Hire(1);
        roles[3] = FreePerson();
    }
    // A director of the table without employer, hired by company c.
    int Hire(int c) {
        for (int p = 0; p < doc->GetDirectorTableSize(); ++p) {
            CPersonData& person = *doc->GetDirector(p);
            if (person.GetEmployerNo() != 0 || person.GetPresidentFlag()) continue;
            person.SetEmployer(c + 1);
            doc->GetEnterprise(c)->AddDirector(p);
            return p;
        }
        ADD_FAILURE() << "no free director";
        return -1;
    }
    int FreePerson() {
        for (int p = 0; p < doc->GetDirectorTableSize(); ++p) {
            const CPersonData& person = *doc->GetDirector(p);
            if (person.GetEmployerNo() == 0 && !person.GetPresidentFlag()) return p;
        }
        ADD_FAILURE() << "no free person";
        return -1;
    }
    CPersonData* Role(int role) { return doc->GetDirector(roles[role]); }
    // The structure type of a code; -1 none.
    int TypeOfCode(int code) { return FindStructureOfCode(doc->GetMap(), code); }
    void SetNetworkGame(bool network) {
        frame->GetFrameState().SetNetworkRoles(network ? 1 : 0, 0, 0);
    }

    SShownBox Record(CMyMessageDlg& box) {
        SShownBox s;
        s.caption = box.GetCaption();
        s.company = box.GetEnterprise();
        s.style = box.GetEnterpriseStyle();
        s.person = box.GetPerson();
        s.structure = box.GetStructure();
        s.bitmap = box.GetBitmap();
        s.cancel = box.IsCancelShown();
        s.notify = box.GetFrameNotify();
        s.autoClose = box.GetAutoClose();
        s.adviceList = box.IsAdviceList();
        s.tags = box.GetLineTags();
        s.runs = box.GetTextWnd().GetRuns();
        return s;
    }

    // The box without its automatic close: caption, then what differs from
    // the defaults.
    static std::string Settings(const SShownBox& box) {
        std::string s = box.caption;
        if (box.company >= 0) s += " panel " + std::to_string(box.company);
        if (box.style != 1) s += " style " + std::to_string(box.style);
        if (box.person >= 0) s += " face " + std::to_string(box.person);
        if (box.structure >= 0) s += " bd " + std::to_string(box.structure);
        if (box.bitmap) s += " bitmap";
        if (box.cancel) s += " Cancel";
        if (!box.notify) s += " quiet";
        return s;
    }
    // The runs line by line: "1: [bold]<mark> \"normal\"".
    std::vector<std::string> Lines(const SShownBox& box) const {
        std::vector<std::string> lines;
        int line = -1;
        for (const CDrawTextWnd::SRun& run : box.runs) {
            const bool first = run.pos.y != line;
            if (first) {
                line = run.pos.y;
                lines.push_back(std::to_string(line) + ":");
            }
            std::string& text = lines.back();
            // x 0 starts a line and -1 continues it; anything else is shown.
            if ((first && run.pos.x != 0) || (!first && run.pos.x != -1))
                text += " @" + std::to_string(run.pos.x);
            const bool bold = run.font == app->GetMessageFont2();
            EXPECT_TRUE(bold || run.font == app->GetMessageFont()) << run.text;
            EXPECT_EQ(run.colour, GetSysColor(COLOR_BTNTEXT)) << run.text;
            EXPECT_EQ(run.rightLimit, 0) << run.text;
            text += bold ? " [" + run.text + "]" : " \"" + run.text + "\"";
            if (run.mark >= -2) text += "<" + std::to_string(run.mark) + ">";
        }
        return lines;
    }

    // Fills in the placeholders of an expected text.
    std::string Expand(const std::string& pattern) {
        static const std::regex placeholder(R"(\{([CcPiATBG])(-?\d+)(?:\.(\d+))?\})");
        std::string out;
        auto begin = std::sregex_iterator(pattern.begin(), pattern.end(), placeholder);
        size_t last = 0;
        for (auto it = begin; it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            out += pattern.substr(last, static_cast<size_t>(m.position()) - last);
            last = static_cast<size_t>(m.position() + m.length());
            const char kind = m[1].str()[0];
            const int n = std::stoi(m[2].str());
            out += Name(kind, n, m[3].matched ? std::stoi(m[3].str()) : 0);
        }
        return out + pattern.substr(last);
    }
    std::string Name(char kind, int n, int sub) {
        switch (kind) {
            case 'C': {
                const CEnterprise& c = *doc->GetEnterprise(n);
                return "[" + c.GetName() + "]<" + std::to_string(c.GetColor()) + ">";
            }
            case 'c': return doc->GetEnterprise(n)->GetName();
            case 'P': return Role(n)->GetName();
            case 'i': return std::to_string(roles[n]);
            case 'A': return doc->GetAreaName(n);
            case 'T': return doc->GetStructureType(n)->GetName();
            case 'B': return doc->GetMap().GetProTeam(n, sub).GetName();
            case 'G': return doc->GetAreaGovernor(n)->GetName();
            default: return "?";
        }
    }

    // Runs a builder once in a local and once in a network game; each must
    // show one box, the same but for the automatic close.
    struct SResult {
        std::string settings;
        std::vector<std::string> lines;
        int localClose = -1;
        int networkClose = -1;
        SShownBox box;
    };
    SResult RunBoth(const std::function<void(CSetDrawMes&)>& build) {
        SResult result;
        for (bool network : {false, true}) {
            SetNetworkGame(network);
            shown.clear();
            CSetDrawMes mes(frame);
            build(mes);
            EXPECT_EQ(shown.size(), 1u);
            if (shown.size() != 1) continue;
            (network ? result.networkClose : result.localClose) = shown[0].autoClose;
            if (!network) {
                result.box = shown[0];
                result.settings = Settings(shown[0]);
                result.lines = Lines(shown[0]);
            } else {
                EXPECT_EQ(Settings(shown[0]), result.settings);
                EXPECT_EQ(Lines(shown[0]), result.lines);
            }
        }
        SetNetworkGame(false);
        return result;
    }

    // One row of a builder table.
    struct SRow {
        const char* name;
        std::function<void(ReportTest&, CSetDrawMes&)> build;
        // Caption and settings, then " auto L/N": the automatic close in a
        // local and in a network game.
        std::string box;
        std::vector<std::string> lines;
    };
    void CheckRows(const std::vector<SRow>& rows) {
        for (const SRow& row : rows) {
            SCOPED_TRACE(row.name);
            const SResult result = RunBoth([&](CSetDrawMes& mes) { row.build(*this, mes); });
            EXPECT_EQ(result.settings + " auto " + std::to_string(result.localClose) + "/" +
                          std::to_string(result.networkClose),
                      Expand(row.box));
            std::vector<std::string> expected;
            for (const std::string& line : row.lines) expected.push_back(Expand(line));
            EXPECT_EQ(result.lines, expected);
        }
    }

    CTempFolder config;
    CHeldStart held;
    std::unique_ptr<CTarvoApp> app;
    CMainFrame* frame = nullptr;
    CVDoc* doc = nullptr;
    int roles[kRoles] = {-1, -1, -1, -1};
    std::vector<SShownBox> shown;
    int answer = IDOK;
    // What the confirmations of a table returned.
    std::vector<BOOL> answers;
};
