#pragma once
// The application object of the judgment program. It starts the program
// (window classes, profile, random seed, the frame, the view and the
// document with the judgment data file), owns what every window draws with
// (the palette, the four bitmaps and the cursor, the four fonts, the
// company-colour pens and brushes) and answers the application service of
// the records. One exists for the run; Get() finds it.

#include <memory>
#include <string>
#include <vector>

#include "judge/JudgeFonts.h"
#include "model/CompanyPens.h"
#include "model/PictureStrips.h"
#include "model/services/AppService.h"
#include "platform/gfx/Palette.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"
#include "platform/ui/WindowPlacement.h"

class CCursor;
class CDC;
class CProfile;

namespace judge {

class CArboDoc;
class CArboDocService;
class CArboView;
class CEnterprise;
class CMainFrame;

class CArboApp : public IAppService {
public:
    static constexpr const char* kRegistryKey = "QUELF";
    static constexpr const char* kProfileName = "MERCAVO\\1.0";
    static constexpr const char* kLayoutSection = "Window Layout";
    static constexpr const char* kPlacementKey = "MainWindow";
    static constexpr const char* kTitle = "MERCAVO Judgment";
    // The framework family: a current system, whose button frames have no
    // dark-shadow ring.
    static constexpr int kWindowsFamily = 300;
    static constexpr const char* kNormalClass = "MERCAVO_JUDGE_NormalWindow";
    static constexpr const char* kFaceClass = "MERCAVO_JUDGE_3DFaceWindow";
    static constexpr const char* kNoBackClass = "MERCAVO_JUDGE_NoBackWindow";
    // The bitmaps the judgment draws (logo, colour marks, small marks, row
    // marks) and its cursor.
    static const std::vector<int>& BitmapIds();
    static constexpr int kCursorId = 352;

    CArboApp();
    ~CArboApp() override;
    CArboApp(const CArboApp&) = delete;
    CArboApp& operator=(const CArboApp&) = delete;

    static CArboApp* Get();

    // The start: 1 to run the message loop, 0 to end the program. args are
    // the command line without the program name; a file among them is the
    // judgment data file.
    int InitInstance(const std::vector<std::string>& args);
    int Run();

    // ---- IAppService
    CDataChecksum& DataChecksum() override { return m_checksum; }
    std::string GetProgramDirectory() override;
    CPalette* GetPalette() override;
    int64_t GetUtcTime() override;
    CFont* GetStandardFont() override;
    int GetStandardCharWidth() override;
    int GetSpeedClass() override { return kWindowsFamily; }

    CProfile& GetProfile() { return *m_profile; }
    // The placement under "MainWindow" of "Window Layout": true when all
    // ten numbers were read.
    bool LoadWindowLayout(WINDOWPLACEMENT* placement);
    // The judgment data file named on the command line; empty when none
    // (or after a failed start, or once the view has deleted it).
    const std::string& GetCommandFile() const { return m_commandFile; }
    void ClearCommandFile() { m_commandFile.clear(); }

    // ---- drawing resources (made by the frame's creation)
    // Reads the palette file; false after its message.
    bool CreateAppPalette();
    // The four bitmaps; false after "The program (qordin.exe) cannot start.".
    bool LoadBitmaps();
    bool CreateFonts(CDC& dc);
    // The pens, the brushes and the cursor.
    bool CreatePensAndCursor();

    CJudgeFonts& GetFonts() { return m_fonts; }
    CFont* GetFont(int font) { return m_fonts.GetFont(font); }
    // Average width and line height of font 1, the application's text.
    CSize GetCharSize() const { return m_fonts.GetSize(1); }
    CBitmap* GetBitmap(int id) { return m_strips.GetBitmap(id); }
    CSize GetCellSize(int id) const { return m_strips.GetCellSize(id); }
    // The colour-mark cell.
    CSize GetMarkSize() const { return m_strips.GetIconCellSize(); }
    CPen* GetColourPen(int colour) { return m_pens.GetSolidPen(colour); }
    CPen* GetColourDotPen(int colour) { return m_pens.GetDotPen(colour); }
    CBrush* GetColourBrush(int colour) { return m_pens.GetBrush(colour); }
    CPen* GetShadowDotPen() { return m_pens.GetGrayTextPen(); }
    CCompanyPens* GetCompanyPens() { return &m_pens; }
    const CCursor* GetCursor() const { return m_cursor.get(); }

    // Mark n (-2..31) of the colour-mark bitmap at the point or centred on
    // it.
    void DrawMark(CDC& dc, int mark, CPoint point, BOOL centred);
    // Row r of the row-mark bitmap (380).
    void DrawRowMark(CDC& dc, int row, CPoint point, BOOL centred);
    // The company's mark and name, with the president's name on a second
    // line when asked.
    void DrawCompanyName(CDC& dc, const CRect& rect, const CEnterprise& company,
                         BOOL withPresident);

    // ---- the document, the frame and the view
    CArboDoc* GetDocument() { return m_doc.get(); }
    CMainFrame* GetMainFrame() { return m_frame.get(); }
    CArboView* GetView() { return m_view.get(); }
    void OnAppAbout();

private:
    static void RegisterWindowClasses();
    bool CreateFrameAndView();
    bool OpenJudgment(const std::string& path);
    void ShowMainWindow();

    CDataChecksum m_checksum;
    std::unique_ptr<CProfile> m_profile;
    std::string m_commandFile;
    CPalette m_palette;
    CPictureStrips m_strips;
    CJudgeFonts m_fonts;
    CCompanyPens m_pens;
    std::unique_ptr<CCursor> m_cursor;
    std::unique_ptr<CArboDoc> m_doc;
    std::unique_ptr<CArboDocService> m_docService;
    // Last, so that the windows go before what they draw with.
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CArboView> m_view;
};

}  // namespace judge
