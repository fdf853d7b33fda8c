#include "shell/TarvoApp.h"

#include <ctime>

#include "game/VDoc.h"
#include "model/GamePaletteFile.h"
#include "model/Random.h"
#include "model/services/Services.h"
#include "platform/core/Clock.h"
#include "platform/core/Profile.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/RuntimeRandom.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DC.h"
#include "platform/ui/CloseSignals.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WndClassRegistry.h"
#include "resources/MercavoIds.h"
#include "resources/MercavoResources.h"
#include "shell/MainFrame.h"
#include "shell/VView.h"
#include "views/BitmapRecolor.h"

namespace {

CTarvoApp* g_app = nullptr;

constexpr UINT kSaveBitsStyle = 0x0800;

// The cursor of a catalogue entry: its picture above its mask.
std::unique_ptr<CCursor> LoadCursorPicture(const std::string& folder, int id,
                                           const CPalette* palette) {
    CBitmap picture, mask;
    int hotX = 0, hotY = 0;
    if (!CPictureStrips::LoadCursorCells(folder, id, palette, picture, mask, hotX, hotY)) {
        return nullptr;
    }
    return std::make_unique<CCursor>(picture, mask, CPoint(hotX, hotY));
}

}  // namespace

CTarvoApp::CTarvoApp() : m_template(mercavo_ids::kMainResource) {
    g_app = this;
    IBlockHost::Set(this);
    IDialogHost::Set(this);
    m_profile = std::make_unique<CProfile>(kRegistryKey, kProfileName);
    m_recent = std::make_unique<CRecentFileList>(m_profile.get(), "Recent File List", "File%d",
                                                 kRecentFiles);
}

CTarvoApp::~CTarvoApp() {
    // The windows go first; then the services they were registered as.
    m_template.CloseAll();
    Services::SetFrame(nullptr);
    Services::SetDoc(nullptr);
    Services::SetApp(nullptr);
    if (Services::RegisteredDialogs() == &m_dialogs) Services::SetDialogs(nullptr);
    if (g_app == this) g_app = nullptr;
    if (IBlockHost::Get() == this) IBlockHost::Set(nullptr);
    if (IDialogHost::Get() == this) IDialogHost::Set(nullptr);
}

CTarvoApp* CTarvoApp::Get() {
    return g_app;
}

// ---------------------------------------------------------------- start

void CTarvoApp::RegisterWindowClasses() {
    const CWndClassInfo classes[] = {
        {"VELM_NormalWindow", 0, nullptr, COLOR_WINDOW + 1},
        {"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1},
        {"VELMO_NoBackWindow", 0, nullptr, COLOR_SCROLLBAR + 1},
        {"VELMO_SaveBitsWindow", kSaveBitsStyle, nullptr, COLOR_3DFACE + 1},
    };
    // A class found registered already counts as registered.
    for (const CWndClassInfo& info : classes) {
        if (!CWndClassRegistry::IsRegistered(info.name)) CWndClassRegistry::Register(info);
    }
}

int CTarvoApp::InitInstance(const std::vector<std::string>& args) {
    mercavo_resources::Register();
    CCloseSignals::Install();
    RegisterWindowClasses();
    Services::SetApp(this);
    Services::SetDialogs(&m_dialogs);
    CRuntimeRandom::Seed(CClock::GetTickCount() % 65535);
    m_recent->ReadList();
    if (!m_template.OpenUntitled()) return 0;
    CMainFrame* frame = m_template.GetFrame();
    frame->SetRecentFileList(m_recent.get());
    m_mainView = m_template.GetView();
    for (const std::string& arg : args) {
        if (!arg.empty()) {
            m_template.GetDocument()->SetLoadedGame(OpenDocumentFile(arg));
            break;
        }
    }
    frame->PostMessage(CMainFrame::WM_START_GAME, 0, 0);
    return 1;
}

int CTarvoApp::Run() {
    CMessageLoop::SetIdleHandler([this](long count) { return OnIdle(count); });
    const int code = CMessageLoop::Run();
    CMessageLoop::SetIdleHandler(nullptr);
    return code;
}

bool CTarvoApp::OnIdle(long count) {
    // The random sequence follows the player's timing.
    Random(0);
    if (CMainFrame* frame = GetMainFrame(); frame && frame->IsWindow()) {
        frame->OnIdleUpdateCmdUI();
    }
    return count < 1;
}

// ---------------------------------------------------------------- services

std::string CTarvoApp::GetProgramDirectory() {
    return CProgramFolder::Get();
}

CPalette* CTarvoApp::GetPalette() {
    return m_palette.GetEntryCount() > 0 ? &m_palette : nullptr;
}

int64_t CTarvoApp::GetUtcTime() {
    return static_cast<int64_t>(std::time(nullptr));
}

CFont* CTarvoApp::GetStandardFont() {
    return GetLayoutSize().cy > 0 ? m_fonts.GetMessageFont() : nullptr;
}

int CTarvoApp::GetStandardCharWidth() {
    return GetLayoutSize().cx;
}

// ---------------------------------------------------------------- dialogs

void CTarvoApp::PlayEffect(int effect) {
    if (CMainFrame* frame = GetMainFrame()) frame->PlayEffect(effect);
}

int CTarvoApp::IsCommandInputActive() {
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->IsHumanTurnOpen() : 0;
}

int CTarvoApp::IsNetworkGame() {
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetFrameState().IsNetworkGame() : 0;
}

void CTarvoApp::ShowNetworkWindow(int toggle, int show, int refresh) {
    if (CMainFrame* frame = GetMainFrame()) frame->ShowNetworkWindow(toggle, show, refresh);
}

// The network window's log is the frame's message log until the window
// has one of its own.
void CTarvoApp::AddNetworkMessage(const std::string& text) {
    if (CMainFrame* frame = GetMainFrame()) frame->AddInfoMessage(text);
}

void CTarvoApp::PostFrameMessage(unsigned message) {
    if (CMainFrame* frame = GetMainFrame()) frame->PostMessage(message, 0, 0);
}

void CTarvoApp::CloseProgramUnasked() {
    if (CVDoc* doc = GetDocument()) doc->SetModifiedFlag(false);
    if (CMainFrame* frame = GetMainFrame()) frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

int CTarvoApp::IsObserving() {
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetFrameState().IsObserver() : 0;
}

int CTarvoApp::GetAdmittedObservers() {
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetAdmittedObservers() : 0;
}

CBaseDialog* CTarvoApp::GetOpenDialog() {
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetOpenDialog() : nullptr;
}

void CTarvoApp::SetOpenDialog(CBaseDialog* dialog) {
    if (CMainFrame* frame = GetMainFrame()) frame->SetOpenDialog(dialog);
}

// ---------------------------------------------------------------- blocks

CWnd* CTarvoApp::GetMainWindow() {
    return GetMainFrame();
}

COLORREF CTarvoApp::GetCustomColour(int index) {
    CMainFrame* frame = GetMainFrame();
    if (!frame || index < 0 || index >= COptionData::kCustomColours) return RGB(255, 255, 255);
    return static_cast<COLORREF>(frame->GetOptions().customColours[static_cast<size_t>(index)]);
}

void CTarvoApp::SetCustomColour(int index, COLORREF colour) {
    CMainFrame* frame = GetMainFrame();
    if (!frame || index < 0 || index >= COptionData::kCustomColours) return;
    frame->GetOptions().customColours[static_cast<size_t>(index)] = static_cast<int>(colour);
}

// ---------------------------------------------------------------- profile

int CTarvoApp::ReadWindowLayout(WINDOWPLACEMENT* placement, const std::string& key) {
    return CWindowPlacement::Load(*m_profile, kLayoutSection, key, placement) ? 1 : 0;
}

void CTarvoApp::WriteWindowLayout(const WINDOWPLACEMENT& placement, const std::string& key) {
    CWindowPlacement::Save(*m_profile, kLayoutSection, key, placement);
}

int CTarvoApp::DoPromptFileName(std::string& name, unsigned titleId, unsigned long flags,
                                bool open) {
    const std::string filter = "MERCAVO Data File(*.mqd)|*.mqd|" +
                               CStringTable::Get(mercavo_ids::kAllFilesFilter) + "|*.*||";
    CMainFrame* frame = GetMainFrame();
    CFileDialog dialog(open ? TRUE : FALSE, "mqd", name.empty() ? nullptr : name.c_str(),
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | flags, filter.c_str(), frame);
    dialog.m_ofn.lpstrTitle = CStringTable::Prompt(titleId);
    if (frame) frame->SetOpenFileDialog(&dialog);
    const int result = dialog.DoModal();
    if (frame) frame->SetOpenFileDialog(nullptr);
    if (result != IDOK) return 0;
    name = dialog.GetPathName();
    return 1;
}

// ---------------------------------------------------------------- resources

bool CTarvoApp::CreateAppPalette() {
    CGamePaletteFile file;
    const auto result = file.ReadFile(GetProgramDirectory() + CGamePaletteFile::kFileName);
    if (result != CGamePaletteFile::EResult::Ok) {
        AfxMessageBox(CGamePaletteFile::ErrorText(result), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const auto& entries = file.Entries();
    return m_palette.CreatePalette(entries.data(), static_cast<int>(entries.size())) != FALSE;
}

bool CTarvoApp::CreateDrawingResources() {
    if (!m_strips.Load(GetProgramDirectory(), &m_palette)) {
        if (!AfxMessageBox(CMainFrame::kStartFailedText, MB_OK | MB_ICONEXCLAMATION)) {
            MessageBeep(0);
        }
        return false;
    }
    // The copies of the tool-button faces fail the start without a message.
    return CreateToolButtonFaces() && m_pens.Create() && CreateCursors();
}

bool CTarvoApp::CreateToolButtonFaces() {
    CBitmap* faces = m_strips.GetBitmap(CPictureCatalog::kToolFacesGrey);
    if (!faces) return false;
    for (CBitmap& copy : m_toolButtonFaces) {
        if (!CPictureStrips::CopyBitmap(*faces, copy) || !RecolorBitmapGreys(copy)) return false;
    }
    return RecolorBitmapGreysMasked(m_toolButtonFaces[1]) &&
           RecolorBitmapFace(m_toolButtonFaces[2]);
}

CBitmap* CTarvoApp::GetToolButtonFaces(int look) {
    return look >= 0 && look < 3 ? &m_toolButtonFaces[static_cast<size_t>(look)] : nullptr;
}

bool CTarvoApp::CreateCursors() {
    const int ids[2] = {CPictureCatalog::kCursorPick, CPictureCatalog::kCursorHand};
    for (int i = 0; i < 2; ++i) {
        m_cursors[static_cast<size_t>(i)] =
            LoadCursorPicture(GetProgramDirectory(), ids[i], &m_palette);
        if (!m_cursors[static_cast<size_t>(i)]) return false;
    }
    return true;
}

bool CTarvoApp::CreateFonts(CDC& dc) {
    return m_fonts.Create(m_strips.GetIconCellSize().cy, dc);
}

int CTarvoApp::GetIconCellSize(int flag) const {
    const CSize cell = m_strips.GetIconCellSize();
    return flag ? cell.cx : cell.cy;
}

CSize CTarvoApp::GetLogoSize() const {
    return m_strips.GetCellSize(CPictureCatalog::kLogo);
}

CSize CTarvoApp::GetHeaderSize() const {
    return m_strips.GetCellSize(CPictureCatalog::kLogo);
}

const CCursor* CTarvoApp::GetAppCursor(int which) const {
    return which >= 0 && which < 2 ? m_cursors[static_cast<size_t>(which)].get() : nullptr;
}

// ---------------------------------------------------------------- marks

void CTarvoApp::DrawColorMark(CDC& dc, int x, int y, int colour, BOOL centred) {
    m_strips.DrawColorMark(dc, x, y, colour, centred);
}

void CTarvoApp::DrawSmallMark(CDC& dc, int x, int y, int index, BOOL centred) {
    m_strips.DrawSmallMark(dc, x, y, index, centred);
}

void CTarvoApp::DrawPairMark(CDC& dc, int x, int y, int index) {
    m_strips.DrawPairMark(dc, x, y, index);
}

void CTarvoApp::DrawRowMark(CDC& dc, int index, int x, int y, BOOL centred) {
    m_strips.DrawRowMark(dc, index, x, y, centred);
}

void CTarvoApp::DrawCompanyTitle(CDC& dc, int x, int y, int width, int height,
                                 const CEnterprise& company, BOOL secondLine) {
    m_strips.DrawCompanyTitle(dc, x, y, width, height, company, secondLine);
}

void CTarvoApp::DrawPersonTitle(CDC& dc, int x, int y, int width, int height,
                                const CEnterprise* company, const std::string& personName) {
    m_strips.DrawPersonTitle(dc, x, y, width, height, company, personName);
}

void CTarvoApp::DrawEtchedFrame(CDC& dc, int x, int y, int width, int height) {
    m_strips.DrawEtchedFrame(dc, x, y, width, height);
}

// ---------------------------------------------------------------- documents

bool CTarvoApp::OpenDocumentFile(const std::string& path) {
    const int error = m_template.OpenDocumentFile(path);
    if (error != -1) {
        if (CMainFrame* frame = GetMainFrame()) frame->ShowLoadError(error);
        return false;
    }
    m_recent->Add(path);
    m_recent->WriteList();
    return true;
}

void CTarvoApp::OnAppAbout() {
    CDialog about(mercavo_ids::kAboutDialog, GetMainFrame());
    about.DoModal();
    if (CMainFrame* frame = GetMainFrame()) frame->OnUpdateFrameTitle();
}
