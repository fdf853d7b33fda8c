// The frame's file commands: save, the end of a player's operations and the
// companies' history texts.

#include "game/VDoc.h"
#include "model/Enterprise.h"
#include "resources/MercavoIds.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"

using namespace mercavo_ids;

bool CMainFrame::RunFileCommand(UINT id) {
    switch (id) {
        case kFileSave:
            SaveGame(false);
            return true;
        case kFileSaveAs:
            SaveGame(true);
            return true;
        case kEndOperations:
            EndOperations();
            return true;
        case kHistoryTexts:
            WriteHistoryTexts();
            return true;
        default:
            return false;
    }
}

void CMainFrame::SaveGame(bool askForName) {
    if (!m_doc) return;
    // The document refuses (with a beep) whenever the game may not be saved
    // now; an empty path asks for one.
    const std::string path = askForName ? "" : CTarvoApp::Get()->GetTemplate().GetPathName();
    m_doc->DoSave(path, 1);
}

void CMainFrame::EndOperations() {
    if (!m_inputEnabled) return;
    EndMapPick(0);
    if (m_doc) m_doc->SetModifiedFlag(true);
    EndTurn();
}

void CMainFrame::WriteHistoryTexts() {
    if (!m_doc) return;
    // A file that cannot be written costs only that company's text.
    for (int c = 0; c < m_doc->CompanyCount(); ++c) {
        if (const CEnterprise* company = m_doc->GetEnterprise(c)) company->WriteHistoryText();
    }
}
