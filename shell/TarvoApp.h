#pragma once
// The application object of the game program. It starts the program (the
// window classes, the profile, the random seed, the recent files, the
// document template with its document, frame and view, a file named on the
// command line), owns what every window draws with (the palette, the picture
// strips, the three fonts, the company-colour pens and brushes, the
// cursors), keeps the data checksum and answers the application service of
// the records. One exists for the run; Get() finds it.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/DialogHost.h"
#include "dialogs/GameDialogService.h"
#include "model/AppFonts.h"
#include "model/CompanyPens.h"
#include "model/PictureStrips.h"
#include "model/services/AppService.h"
#include "platform/gfx/Palette.h"
#include "platform/ui/Point.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/MySingleDocTemplate.h"
#include "views/BlockHost.h"

class CCursor;
class CDC;
class CEnterprise;
class CMainFrame;
class CProfile;
class CRecentFileList;
class CVDoc;
class CVView;

class CTarvoApp : public IAppService, public IBlockHost, public IDialogHost {
public:
    static constexpr const char* kRegistryKey = "QUELF";
    static constexpr const char* kProfileName = "MERCAVO\\1.0";
    static constexpr const char* kLayoutSection = "Window Layout";
    static constexpr int kRecentFiles = 8;
    static constexpr int kCursorPick = 0;
    static constexpr int kCursorHand = 1;

    CTarvoApp();
    ~CTarvoApp() override;
    CTarvoApp(const CTarvoApp&) = delete;
    CTarvoApp& operator=(const CTarvoApp&) = delete;

    // The application object of the run; nullptr before one exists.
    static CTarvoApp* Get();

    // The start: 1 to run the message loop, 0 to end the program. args are
    // the command line without the program name; a file among them is
    // opened as a saved game.
    int InitInstance(const std::vector<std::string>& args);
    // The message loop with the idle handler; its exit code.
    int Run();
    // One random draw, then the frame's idle update of the tool bar.
    bool OnIdle(long count);

    // ---- IAppService
    CDataChecksum& DataChecksum() override { return m_checksum; }
    std::string GetProgramDirectory() override;
    CPalette* GetPalette() override;
    int64_t GetUtcTime() override;
    CFont* GetStandardFont() override;
    int GetStandardCharWidth() override;
    int GetSpeedClass() override { return m_speedClass; }

    // ---- IBlockHost: what the dialogs' building blocks draw with (the
    // palette is the one above)
    CPictureStrips* GetMarkStrips() override { return &m_strips; }
    CAppFonts* GetAppFonts() override { return &m_fonts; }
    CCompanyPens* GetColourPens() override { return &m_pens; }
    CWnd* GetMainWindow() override;
    CVDoc* GetActiveDocument() override { return GetDocument(); }
    COLORREF GetCustomColour(int index) override;
    void SetCustomColour(int index, COLORREF colour) override;
    const CCursor* GetHandCursor() override { return GetAppCursor(kCursorHand); }

    // ---- profile and window positions
    CProfile& GetProfile() { return *m_profile; }
    CRecentFileList& GetRecentFiles() { return *m_recent; }
    // The placement under `key` of "Window Layout": 1 when all ten numbers
    // were read (placement filled), else 0 and the placement stays.
    int ReadWindowLayout(WINDOWPLACEMENT* placement, const std::string& key);
    void WriteWindowLayout(const WINDOWPLACEMENT& placement, const std::string& key);
    // The open or save dialog of saved games: 1 for OK with the chosen path
    // in name.
    int DoPromptFileName(std::string& name, unsigned titleId, unsigned long flags, bool open);
    // ---- IDialogHost: where the dialogs open ((-1, -1) until one was
    // placed; kept for the run only) and what they ask of the frame
    CPoint GetDialogPos() const override { return m_dialogPos; }
    void SetDialogPos(CPoint pos) override { m_dialogPos = pos; }
    void PlayEffect(int effect) override;
    int IsCommandInputActive() override;
    int IsNetworkGame() override;
    void ShowNetworkWindow(int toggle, int show, int refresh) override;
    CBaseDialog* GetOpenDialog() override;
    void SetOpenDialog(CBaseDialog* dialog) override;
    void AddNetworkMessage(const std::string& text) override;
    void PostFrameMessage(unsigned message) override;
    void CloseProgramUnasked() override;
    int IsObserving() override;
    int GetAdmittedObservers() override;

    // ---- drawing resources (made by the frame's creation)
    // Reads the palette file; false after its message.
    bool CreateAppPalette();
    // The strips, pens, brushes and cursors; false after the message for a
    // strip, or silently for a pen or a cursor.
    bool CreateDrawingResources();
    // The three fonts from the colour-mark cell height, measured on dc.
    bool CreateFonts(CDC& dc);
    CPictureStrips& GetStrips() { return m_strips; }
    CAppFonts& GetFonts() { return m_fonts; }
    CFont* GetMessageFont() { return m_fonts.GetMessageFont(); }
    CFont* GetUIFont() { return m_fonts.GetUIFont(); }
    CFont* GetMessageFont2() { return m_fonts.GetMessageFont2(); }
    CSize GetLayoutSize() const { return m_fonts.GetLayoutSize(); }
    CSize GetCaptionLineSize() const { return m_fonts.GetCaptionLineSize(); }
    CSize GetCharSize() const { return m_fonts.GetCharSize(); }
    // The colour-mark cell: its width when flag is non-zero, else its height.
    int GetIconCellSize(int flag) const;
    // A cell of the logo strip, and the header band of the logo's height.
    CSize GetLogoSize() const;
    CSize GetHeaderSize() const;
    CCompanyPens& GetCompanyPens() { return m_pens; }
    CPen* GetGrayPen() { return m_pens.GetGrayTextPen(); }
    // Colour 0..31; nullptr outside.
    CPen* GetColourPen(int colour) { return m_pens.GetSolidPen(colour); }
    CPen* GetColourDotPen(int colour) { return m_pens.GetDotPen(colour); }
    CBrush* GetColourBrush(int colour) { return m_pens.GetBrush(colour); }
    const CCursor* GetAppCursor(int which) const;
    // The three recoloured copies of the tool-button faces (normal, disabled,
    // latched); nullptr outside 0..2.
    CBitmap* GetToolButtonFaces(int look);

    // ---- marks, forwarded to the strips
    void DrawColorMark(CDC& dc, int x, int y, int colour, BOOL centred);
    void DrawSmallMark(CDC& dc, int x, int y, int index, BOOL centred);
    void DrawPairMark(CDC& dc, int x, int y, int index);
    void DrawRowMark(CDC& dc, int index, int x, int y, BOOL centred);
    void DrawCompanyTitle(CDC& dc, int x, int y, int width, int height,
                          const CEnterprise& company, BOOL secondLine);
    void DrawPersonTitle(CDC& dc, int x, int y, int width, int height, const CEnterprise* company,
                         const std::string& personName);
    void DrawEtchedFrame(CDC& dc, int x, int y, int width, int height);

    // ---- the document, the frame and the view
    CMySingleDocTemplate& GetTemplate() { return m_template; }
    CVDoc* GetDocument() { return m_template.GetDocument(); }
    CMainFrame* GetMainFrame() { return m_template.GetFrame(); }
    CVView* GetMainView() { return m_mainView; }
    // Opens a saved game into the document: true when it loaded (the error
    // is shown otherwise and the running game stays).
    bool OpenDocumentFile(const std::string& path);
    // The About box (dialog 500); the title is refreshed afterwards.
    void OnAppAbout();

private:
    static void RegisterWindowClasses();
    bool CreateCursors();
    bool CreateToolButtonFaces();

    CDataChecksum m_checksum;
    std::unique_ptr<CProfile> m_profile;
    std::unique_ptr<CRecentFileList> m_recent;
    CPalette m_palette;
    CPictureStrips m_strips;
    CAppFonts m_fonts;
    CCompanyPens m_pens;
    std::array<std::unique_ptr<CCursor>, 2> m_cursors;
    std::array<CBitmap, 3> m_toolButtonFaces;
    int m_speedClass = CDetachedAppService::kSpeedClassCurrent;
    CPoint m_dialogPos{-1, -1};
    CGameDialogService m_dialogs;
    CVView* m_mainView = nullptr;
    // Last, so that the windows go before the resources they draw with.
    CMySingleDocTemplate m_template;
};
