// The frame's help commands: the help pages in the desktop's browser, the
// players' web pages, and the authors of the data.

#include "dialogs/CreatorDlg.h"
#include "platform/ui/Desktop.h"
#include "resources/MercavoIds.h"
#include "shell/MainFrame.h"
#include "shell/TarvoApp.h"

using namespace mercavo_ids;

#ifndef MERCAVO_WEB_FOLDER
#define MERCAVO_WEB_FOLDER ""
#endif

namespace {

constexpr const char* kAboutPage = "hlp/about_mercavo.html";
constexpr const char* kHowToPlayPage = "hlp/how_to_play.html";
constexpr const char* kChatRoomPage = "mnetchat.cgi";

std::string& WebFolder() {
    static std::string folder = MERCAVO_WEB_FOLDER;
    return folder;
}

}  // namespace

void CMainFrame::SetWebFolder(const std::string& folder) {
    WebFolder() = folder;
}

const std::string& CMainFrame::GetWebFolder() {
    return WebFolder();
}

bool CMainFrame::RunHelpCommand(UINT id) {
    switch (id) {
        case kHelpTopics:
        case kHelpContext:
        case kHelpF1:
        case kHelpIndex:
        // The game has no web site of its own: its home page is the about
        // page that comes with it.
        case kHomepage:
            OpenHelpPage(kAboutPage);
            return true;
        case kGettingStarted:
            OpenHelpPage(kHowToPlayPage);
            return true;
        case kChatRoom:
            OpenChatRoom();
            return true;
        case kDataAuthor:
            ShowDataAuthors();
            return true;
        default:
            return false;
    }
}

void CMainFrame::OpenHelpPage(const char* page) {
    // Without a browser nothing opens; there is nothing to tell the player.
    CDesktop::OpenPage(CTarvoApp::Get()->GetProgramDirectory() + page);
}

void CMainFrame::OpenChatRoom() {
    std::string folder = WebFolder();
    if (folder.empty()) return;
    if (folder.back() != '/') folder += '/';
    CDesktop::OpenPage(folder + kChatRoomPage);
}

void CMainFrame::ShowDataAuthors() {
    EndMapPick(0);
    CCreatorDlg dialog(m_doc);
    dialog.DoModal();
}
