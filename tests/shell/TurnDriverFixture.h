#pragma once
// The game program in this process on a program folder of its own with the
// small fixture map: every question is answered by script (or with its
// default), the judgment program's launch is recorded, and every chain
// message is recorded as the frame takes it, together with what waited in
// the queue beside it and each write of the automatic backup.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakes/DialogScript.h"
#include "fakes/GameFilesFixture.h"
#include "fakes/MapFileFixture.h"
#include "fakes/TempFolder.h"
#include "game/MonthChain.h"
#include "game/VDoc.h"
#include "platform/core/Clock.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/ui/AutoAnswer.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/MessageLoop.h"
#include "resources/SetUpIds.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"

class TurnDriverTest : public ::testing::Test {
protected:
    struct SLaunch {
        std::string program;
        std::vector<std::string> args;
    };

    void SetUp() override {
        namespace fs = std::filesystem;
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CRuntimeRandom::Seed(7);
        setenv("XDG_CONFIG_HOME", (root.Path() / "config").c_str(), 1);
        setenv("MERCAVO_SETUP_YEARS", "1", 1);
        home = root.Path() / "home";
        fs::remove_all(home);
        fs::create_directories(home);
        CopyDataFiles(fs::path(CProgramFolder::Get()), home);
        ASSERT_TRUE(WriteGameDataFiles(home.string() + "/", *MakeGameFixtureMap()));
        CProgramFolder::Override(home.string());
        CAutoAnswer::Set(true);
        CAutoAnswer::SetScript([this](const std::string& text, int defaultAnswer) {
            asked.push_back(text);
            const auto it = answers.find(text);
            return it == answers.end() ? defaultAnswer : it->second;
        });
        CDesktop::SetLaunchHook(
            [this](const std::string& program, const std::vector<std::string>& args,
                   const std::string&) {
                launches.push_back({program, args});
                return launchSucceeds;
            });
    }

    void TearDown() override {
        app.reset();
        CDialog::SetInitHook(nullptr);
        CMainFrame::SetChainGate(nullptr);
        CAutoAnswer::SetScript(nullptr);
        CAutoAnswer::Reset();
        CDesktop::SetLaunchHook(nullptr);
        CProgramFolder::Override("");
        unsetenv("MERCAVO_SETUP_YEARS");
        CMessageLoop::Reset();
    }

    // The program folder's data files of the build, without the programs,
    // the data files of the game and any saved game.
    static void CopyDataFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
        namespace fs = std::filesystem;
        for (const fs::directory_entry& e : fs::directory_iterator(from)) {
            const std::string name = e.path().filename().string();
            const std::string ext = e.path().extension().string();
            if (e.is_directory() && name == "res") {
                fs::copy(e.path(), to / "res", fs::copy_options::recursive);
            } else if (e.is_regular_file() &&
                       (fs::status(e.path()).permissions() & fs::perms::owner_exec) ==
                           fs::perms::none &&
                       ext != ".MQM" && ext != ".MQP" && ext != ".MQD" && ext != ".mqd") {
                fs::copy_file(e.path(), to / name);
            }
        }
    }

    void Start(const std::vector<std::string>& args = {}) {
        app = std::make_unique<CTarvoApp>();
        ASSERT_EQ(app->InitInstance(args), 1);
        frame = app->GetMainFrame();
        doc = app->GetDocument();
        frame->SetChainTrace([this](UINT message) { OnChainMessage(message); });
    }

    void OnChainMessage(UINT message) {
        // A company may be founded during the game: each month's companies
        // are those whose operations run, counted at the first of them.
        if (message == ePHASE_MONTH_START) countedThisMonth = false;
        if (message == 0x569u && !countedThisMonth && Count(ePHASE_MONTH_START) > 0) {
            countedThisMonth = true;
            monthCompanies.push_back(doc->CompanyCount());
        }
        trace.push_back(message);
        // No other chain message may wait beside the one taken.
        MSG msg;
        const UINT ranges[][2] = {{0x504, 0x504}, {0x564, 0x577}, {0x6F4, 0x6F4}};
        for (const auto& range : ranges) {
            if (CMessageLoop::Peek(msg, frame, range[0], range[1], PM_NOREMOVE)) {
                queuedBeside.push_back(msg.message);
            }
        }
        if (message >= ePHASE_MONTH_START && message <= ePHASE_BANKRUPTCIES &&
            frame->IsInputEnabled() && !frame->IsHumanTurnOpen()) {
            ++inputDuringMonth;
        }
        NoteBackup();
        if (onMessage) onMessage(message);
    }

    void NoteBackup() {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(home / CMainFrame::kBackupFile, error);
        if (!error && time != lastBackup) {
            lastBackup = time;
            ++backups;
        }
    }

    void Run() { CMessageLoop::PumpPending(); }

    // The start dialogs answered as a person would: "&New Game", the first
    // map file, and the set-up of a game at this machine with `players`
    // players, page i named "Company i" and "Player i" in the colour the
    // page offers (or the one in `colours`). Every start dialog that opens
    // is noted in `opened`.
    void PlayAtThisMachine(int players, std::vector<int> colours = {}) {
        using namespace setup_ids;
        CDialog::SetInitHook([this, players, colours](CDialog& d, int id) {
            const bool start = id == static_cast<int>(kStartDialog) ||
                               id == static_cast<int>(kMapFileDialog) ||
                               id == static_cast<int>(kSettingDialog);
            if (!start) return;
            opened.push_back(id);
            auto post = [&d](int control) {
                d.PostMessage(WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), 0);
            };
            if (id == static_cast<int>(kStartDialog)) post(kNewGame);
            if (id == static_cast<int>(kMapFileDialog)) {
                dialog_script::PickListItem(*static_cast<CListBox*>(d.GetDlgItem(kFileList)), 0);
                post(IDOK);
            }
            if (id != static_cast<int>(kSettingDialog)) return;
            if (players < 0) {
                post(IDCANCEL);
                return;
            }
            d.SetDlgItemText(kPlayers, std::to_string(players));
            post(IDOK);
            for (int page = 0; page < players; ++page) {
                dialog_script::Type(*d.GetDlgItem(kCompanyName), "Company " + std::to_string(page));
                dialog_script::Type(*d.GetDlgItem(kPlayerName), "Player " + std::to_string(page));
                if (static_cast<size_t>(page) < colours.size())
                    dialog_script::PickComboItem(*static_cast<CComboBox*>(d.GetDlgItem(kColour)),
                                                 colours[static_cast<size_t>(page)]);
                post(IDOK);
            }
        });
    }
    // The set-up is cancelled.
    void CancelSetUp() { PlayAtThisMachine(-1); }

    // Ends every turn of a person until the program has closed.
    void PlayToEnd() {
        Run();
        for (int guard = 0; guard < 1000 && frame->IsWindow() && frame->IsHumanTurnOpen(); ++guard) {
            frame->EndTurn();
            Run();
        }
        NoteBackup();
    }

    int Count(UINT message) const {
        return static_cast<int>(std::count(trace.begin(), trace.end(), message));
    }

    // The months of the trace, each from its 0x564 to its 0x570.
    std::vector<std::vector<UINT>> Months() const {
        std::vector<std::vector<UINT>> months;
        for (UINT m : trace) {
            if (m == ePHASE_MONTH_START) months.emplace_back();
            if (!months.empty()) months.back().push_back(m);
        }
        return months;
    }

    static std::vector<UINT> WithoutRepeats(const std::vector<UINT>& messages) {
        std::vector<UINT> phases;
        for (UINT m : messages)
            if (phases.empty() || phases.back() != m) phases.push_back(m);
        return phases;
    }

    CTempFolder root;
    std::filesystem::path home;
    std::unique_ptr<CTarvoApp> app;
    CMainFrame* frame = nullptr;
    CVDoc* doc = nullptr;
    std::map<std::string, int> answers;
    std::vector<std::string> asked;
    std::vector<SLaunch> launches;
    bool launchSucceeds = true;
    std::vector<UINT> trace;
    std::vector<int> monthCompanies;
    bool countedThisMonth = false;
    std::vector<UINT> queuedBeside;
    int inputDuringMonth = 0;
    int backups = 0;
    std::filesystem::file_time_type lastBackup{};
    std::function<void(UINT)> onMessage;
    std::vector<int> opened;
};
