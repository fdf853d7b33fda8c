#include "judge/ArboApp.h"

#include <ctime>

#include "judge/ArboDoc.h"
#include "judge/ArboDocService.h"
#include "judge/ArboView.h"
#include "judge/Enterprise.h"
#include "judge/MainFrame.h"
#include "model/GamePaletteFile.h"
#include "model/MercavoError.h"
#include "model/services/Services.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/gfx/DC.h"
#include "platform/ui/CloseSignals.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/WndClassRegistry.h"
#include "resources/JudgeIds.h"
#include "resources/JudgeResources.h"

namespace judge {

namespace {

CArboApp* g_app = nullptr;

}  // namespace

const std::vector<int>& CArboApp::BitmapIds() {
    static const std::vector<int> ids = {CPictureCatalog::kLogo, CPictureCatalog::kColorMarks,
                                         CPictureCatalog::kSmallMarks,
                                         CPictureCatalog::kRowMarks};
    return ids;
}

CArboApp::CArboApp() {
    g_app = this;
    m_profile = std::make_unique<CProfile>(kRegistryKey, kProfileName);
}

CArboApp::~CArboApp() {
    // The windows go first; then the services they were registered as.
    if (m_frame && m_frame->IsWindow()) m_frame->DestroyWindow();
    m_view.reset();
    m_frame.reset();
    Services::SetDoc(nullptr);
    Services::SetApp(nullptr);
    m_docService.reset();
    m_doc.reset();
    if (g_app == this) g_app = nullptr;
}

CArboApp* CArboApp::Get() {
    return g_app;
}

// ---------------------------------------------------------------- start

void CArboApp::RegisterWindowClasses() {
    const CWndClassInfo classes[] = {
        {kNormalClass, 0, nullptr, COLOR_WINDOW + 1},
        {kFaceClass, 0, nullptr, COLOR_3DFACE + 1},
        {kNoBackClass, 0, nullptr, COLOR_SCROLLBAR + 1},
    };
    for (const CWndClassInfo& info : classes) {
        if (!CWndClassRegistry::IsRegistered(info.name)) CWndClassRegistry::Register(info);
    }
}

int CArboApp::InitInstance(const std::vector<std::string>& args) {
    judge_resources::Register();
    CCloseSignals::Install();
    RegisterWindowClasses();
    Services::SetApp(this);
    CRuntimeRandom::Seed(CClock::GetTickCount() % 65535);
    std::string path = GetProgramDirectory() + CArboDoc::kFileName;
    for (const std::string& arg : args) {
        if (!arg.empty()) {
            m_commandFile = arg;
            path = arg;
            break;
        }
    }
    m_doc = std::make_unique<CArboDoc>();
    m_docService = std::make_unique<CArboDocService>(*m_doc);
    Services::SetDoc(m_docService.get());
    // A file that could not be judged stays where it is.
    if (!CreateFrameAndView() || !OpenJudgment(path)) {
        m_commandFile.clear();
        return 0;
    }
    ShowMainWindow();
    m_view->GetMapFrame().GetNameStrip().ComputeDefaultSize();
    // A network game starts with the judgment network, which starts the
    // announcement on every machine together.
    if (m_doc->GetFrameState().IsNetworkGame()) {
        m_frame->SetupNetwork();
        m_frame->PostMessage(CMainFrame::WM_NETWORK_START, 0, 0);
    } else {
        m_frame->PostMessage(CMainFrame::WM_START_ANNOUNCEMENT, 0, 0);
    }
    return 1;
}

bool CArboApp::CreateFrameAndView() {
    m_frame = std::make_unique<CMainFrame>();
    m_view = std::make_unique<CArboView>(m_doc.get());
    m_frame->AttachDocument(m_doc.get(), m_view.get());
    m_frame->ReadJudgeOptions();
    if (!m_frame->LoadFrame(judge_ids::kMainResource, WS_OVERLAPPEDWINDOW)) return false;
    if (!m_view->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                        m_frame.get(), AFX_IDW_PANE_FIRST)) {
        return false;
    }
    m_frame->RecalcLayout();
    return true;
}

bool CArboApp::OpenJudgment(const std::string& path) {
    const int error = m_doc->LoadFile(path);
    if (error != -1) {
        CMainFrame::ShowStartupError(error, path);
        return false;
    }
    m_doc->SetView(m_view.get());
    if (!m_doc->PrepareJudgment()) {
        CMainFrame::ShowStartupError(eMERCAVO_ERROR_MEMORY, path);
        return false;
    }
    m_frame->SetNetworkGame(m_doc->GetFrameState().IsNetworkGame() != 0);
    m_frame->SetWindowText(kTitle);
    return true;
}

void CArboApp::ShowMainWindow() {
    WINDOWPLACEMENT placement;
    if (LoadWindowLayout(&placement)) {
        const bool maximised = placement.showCmd == SW_SHOWMAXIMIZED;
        placement.showCmd = SW_HIDE;
        CWindowPlacement::Set(m_frame.get(), &placement);
        m_frame->ShowWindow(maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    } else {
        m_frame->ShowWindow(SW_SHOWMAXIMIZED);
    }
    m_frame->UpdateWindow();
}

int CArboApp::Run() {
    return CMessageLoop::Run();
}

// ---------------------------------------------------------------- services

std::string CArboApp::GetProgramDirectory() {
    return CProgramFolder::Get();
}

CPalette* CArboApp::GetPalette() {
    return m_palette.GetEntryCount() > 0 ? &m_palette : nullptr;
}

int64_t CArboApp::GetUtcTime() {
    return static_cast<int64_t>(std::time(nullptr));
}

CFont* CArboApp::GetStandardFont() {
    return GetCharSize().cy > 0 ? m_fonts.GetFont(1) : nullptr;
}

int CArboApp::GetStandardCharWidth() {
    return GetCharSize().cx;
}

bool CArboApp::LoadWindowLayout(WINDOWPLACEMENT* placement) {
    return CWindowPlacement::Load(*m_profile, kLayoutSection, kPlacementKey, placement);
}

// ---------------------------------------------------------------- resources

bool CArboApp::CreateAppPalette() {
    CGamePaletteFile file;
    const auto result = file.ReadFile(GetProgramDirectory() + CGamePaletteFile::kFileName);
    if (result != CGamePaletteFile::EResult::Ok) {
        AfxMessageBox(CGamePaletteFile::ErrorText(result), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const auto& entries = file.Entries();
    return m_palette.CreatePalette(entries.data(), static_cast<int>(entries.size())) != FALSE;
}

bool CArboApp::LoadBitmaps() {
    if (!m_strips.Load(GetProgramDirectory(), &m_palette, BitmapIds())) {
        AfxMessageBox(CMainFrame::kStartFailedText, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CArboApp::CreateFonts(CDC& dc) {
    return m_fonts.Create(GetMarkSize().cy, dc);
}

bool CArboApp::CreatePensAndCursor() {
    if (!m_pens.Create()) return false;
    CBitmap picture, mask;
    int hotX = 0, hotY = 0;
    if (!CPictureStrips::LoadCursorCells(GetProgramDirectory(), kCursorId, &m_palette, picture,
                                         mask, hotX, hotY)) {
        return false;
    }
    m_cursor = std::make_unique<CCursor>(picture, mask, CPoint(hotX, hotY));
    return true;
}

// ---------------------------------------------------------------- drawing

void CArboApp::DrawMark(CDC& dc, int mark, CPoint point, BOOL centred) {
    m_strips.DrawColorMark(dc, point.x, point.y, mark, centred);
}

void CArboApp::DrawRowMark(CDC& dc, int row, CPoint point, BOOL centred) {
    m_strips.DrawRowMark(dc, row, point.x, point.y, centred);
}

void CArboApp::DrawCompanyName(CDC& dc, const CRect& rect, const CEnterprise& company,
                               BOOL withPresident) {
    m_strips.DrawCompanyTitle(dc, rect.left, rect.top, rect.Width(), rect.Height(),
                              company.Record(), withPresident);
}

void CArboApp::OnAppAbout() {
    CDialog about(judge_ids::kAboutDialog, m_frame.get());
    about.DoModal();
}

}  // namespace judge
