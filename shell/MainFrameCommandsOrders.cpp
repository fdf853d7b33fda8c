// The frame's order commands: each runs the player's order command of the
// same name, or its dialog; the construction choice, the salaries, the
// advertising cost and the options.

#include <algorithm>
#include <iterator>

#include "dialogs/DlgInputStructure.h"
#include "dialogs/InputPublicityDlg.h"
#include "dialogs/OptionDlg.h"
#include "dialogs/SetWageDlg.h"
#include "game/OrderCommands.h"
#include "game/VDoc.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapDoc.h"
#include "platform/core/Profile.h"
#include "platform/ui/Styles.h"
#include "resources/MercavoIds.h"
#include "shell/CommandRules.h"
#include "shell/ConstructionChoice.h"
#include "shell/FrameSound.h"
#include "shell/MainFrame.h"

using namespace mercavo_ids;

namespace {

constexpr int kStructureSlot = 0;
// The music of a player's operations.
constexpr int kOperationsMusic = 3;

struct SOrderEntry {
    UINT id;
    void (COrderCommands::*run)();
};

constexpr SOrderEntry kOrders[] = {
    {kPortfolio, &COrderCommands::DoRealEstatePortfolio},
    {kAcquireLand, &COrderCommands::DoAcquireLand},
    {kPurchaseStock, &COrderCommands::DoPurchaseStock},
    {kSellStock, &COrderCommands::DoSellStock},
    {kPurchaseTeam, &COrderCommands::DoPurchaseProTeam},
    {kSellTeam, &COrderCommands::DoSellProTeam},
    {kRecruitEmployees, &COrderCommands::DoRecruitEmployees},
    {kRecruitManagement, &COrderCommands::DoRecruitManagement},
    {kHeadhunting, &COrderCommands::DoHeadhunting},
    {kAbandonProject, &COrderCommands::DoAbandonProject},
    {kLayoff, &COrderCommands::DoLayoff},
    {kAdvertising, &COrderCommands::DoAdvertising},
    {kLoan, &COrderCommands::DoLoan},
    {kRepayLoan, &COrderCommands::DoRepayLoan},
    {kAdvice, &COrderCommands::DoAdvice},
    {kInvestment, &COrderCommands::DoInvestment},
    {kScore, &COrderCommands::DoShowScore},
    {kFinancialSupport, &COrderCommands::DoFinancialSupport},
    {kChangeHomeField, &COrderCommands::DoChangeHomeField},
};

// An index the dialog gives back for a table of n files: -1 (none) when
// it names none of them.
int FileIndex(int index, int n) {
    return index >= 0 && index < n ? index : -1;
}

}  // namespace

bool CMainFrame::RunOrderCommand(UINT id) {
    const auto order = std::find_if(std::begin(kOrders), std::end(kOrders),
                                    [id](const SOrderEntry& e) { return e.id == id; });
    if (order != std::end(kOrders)) {
        if (BeginPlayerCommand() && m_doc) (m_doc->GetCommands().*(order->run))();
        return true;
    }
    switch (id) {
        case kSalary:
            if (BeginPlayerCommand()) SetSalaries();
            return true;
        case kAdvertisingCost:
            if (BeginPlayerCommand()) AdjustAdvertisingCost();
            return true;
        case kOptions:
            if (BeginPlayerCommand()) EditOptions();
            return true;
        default:
            return false;
    }
}

// ---------------------------------------------------------------- construction

void CMainFrame::ChooseConstruction(int modeBefore) {
    // Chosen again while its pick runs, the command only ends the pick.
    if (modeBefore == CCommandRules::kMapConstruction || !m_doc) return;
    const CEnterprise* company = m_doc->GetEnterprise(GetSeatCompany());
    if (!company) return;
    CDlgInputStructure dialog(m_doc);
    CConstructionChoice::Fill(dialog, m_doc->GetMap(), *company, GetShownArea());
    if (dialog.DoModal() != IDOK) return;
    // Only an entry the company can build now is taken.
    const int type = dialog.GetSelectedStructure();
    bool buildable = false;
    for (int i = 0; i < dialog.GetEntryCount(); ++i) {
        const CDlgInputStructure::SEntry entry = dialog.GetEntry(i);
        if (entry.structureType == type && entry.buildable) buildable = true;
    }
    const CBD* chosen = m_doc->GetMap().GetStructureType(type);
    if (!buildable || !chosen) return;
    int width = 1, height = 1;
    chosen->GetSize(width, height);
    SetChangeFlag(kStructureSlot, type);
    BeginMapMode(CCommandRules::kMapConstruction);
    SetMapPickMode(1, width, height);
}

// ---------------------------------------------------------------- dialogs

void CMainFrame::SetSalaries() {
    const int own = GetSeatCompany();
    CEnterprise* company = m_doc ? m_doc->GetEnterprise(own) : nullptr;
    if (!company) return;
    CSetWageDlg dialog;
    if (!dialog.SetCompany(m_doc, own)) return;
    dialog.SetFrameNotify(0);
    if (dialog.DoModal() != IDOK) return;
    // Row 0 is the employees' pay, row r the r-th director's salary.
    const int rows = std::min(company->GetDirectorCount() + 1, dialog.GetRowCount());
    for (int row = 0; row < rows; ++row) {
        company->IssueDirectorSalary(row, dialog.GetSalary(row), dialog.GetFixedFlag(), 1);
    }
}

void CMainFrame::AdjustAdvertisingCost() {
    CEnterprise* company = m_doc ? m_doc->GetEnterprise(GetSeatCompany()) : nullptr;
    if (!company) return;
    CInputPublicityDlg dialog;
    dialog.SetCost(company->GetAdvertisingCost());
    if (dialog.DoModal() != IDOK) return;
    company->IssueAdvertisingCost(dialog.GetCost(), 1);
}

void CMainFrame::EditOptions() {
    if (!m_doc) return;
    CSoundOptions& sound = m_sound ? m_sound->Options() : m_options.sound;
    COptionDlg dialog;
    dialog.SetWaitTime(m_doc->GetWaitTime());
    dialog.SetConfirmFlag(m_doc->IsActivityReportOn());
    dialog.SetGameMusic(sound.music);
    dialog.SetJudgeMusic(m_options.judgeMusic);
    dialog.SetEffectSound(sound.effects);
    for (int i = 0; i < COptionDlg::kMusicFiles; ++i) dialog.SetMusicFile(i, sound.musicFiles[i]);
    for (int i = 0; i < COptionDlg::kScenes; ++i) dialog.SetSceneMusic(i, sound.musicIndex[i]);
    for (int i = 0; i < COptionDlg::kSoundFiles; ++i) dialog.SetSoundFile(i, sound.soundFiles[i]);
    for (int i = 0; i < COptionDlg::kEvents; ++i) dialog.SetEventSound(i, sound.effectIndex[i]);
    if (dialog.DoModal() != IDOK) return;

    const int wait = std::clamp(dialog.GetWaitTime(), 0, CVDoc::kMaxWaitTime);
    m_doc->SetWaitTime(wait);
    m_options.waitTime = wait;
    GetProfile().WriteProfileInt(COptionData::kSection, "WaitTime", wait);
    m_doc->SetActivityReport(dialog.GetConfirmFlag());
    sound.music = dialog.GetGameMusic() ? 1 : 0;
    m_options.judgeMusic = dialog.GetJudgeMusic() ? 1 : 0;
    sound.effects = dialog.GetEffectSound() ? 1 : 0;
    for (int i = 0; i < COptionDlg::kMusicFiles; ++i) sound.musicFiles[i] = dialog.GetMusicFile(i);
    for (int i = 0; i < COptionDlg::kScenes; ++i) {
        sound.musicIndex[i] = FileIndex(dialog.GetSceneMusic(i), COptionDlg::kMusicFiles);
    }
    for (int i = 0; i < COptionDlg::kSoundFiles; ++i) sound.soundFiles[i] = dialog.GetSoundFile(i);
    for (int i = 0; i < COptionDlg::kEvents; ++i) {
        sound.effectIndex[i] = FileIndex(dialog.GetEventSound(i), COptionDlg::kSoundFiles);
    }
    if (sound.music) {
        PlayMusic(kOperationsMusic);
    } else {
        StopMusic(1);
    }
    m_doc->SetModifiedFlag(true);
}
