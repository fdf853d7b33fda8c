#pragma once
// What the dialogs' building blocks (the text and picture windows and the
// small controls) draw with and ask of the application: the palette, the
// picture strips with the colour marks, the three fonts and their sizes,
// the company-colour brushes, the main window to measure text on, the
// active game document and the colour dialog's custom colours. The
// application registers itself as the host at start-up; tests and the
// gallery register a fake. Without a host the blocks draw no marks and
// measure with the default font.

#include "platform/ui/GdiDefs.h"

class CAppFonts;
class CCursor;
class CCompanyPens;
class CPalette;
class CPictureStrips;
class CVDoc;
class CWnd;

class IBlockHost {
public:
    static constexpr int kCustomColourCount = 16;

    virtual ~IBlockHost() = default;

    // The registered host; nullptr while none is.
    static IBlockHost* Get();
    static void Set(IBlockHost* host);

    // nullptr while the application has none.
    virtual CPalette* GetPalette() = 0;
    virtual CPictureStrips* GetMarkStrips() = 0;
    virtual CAppFonts* GetAppFonts() = 0;
    virtual CCompanyPens* GetColourPens() = 0;
    // The window whose context text is measured with; nullptr: a memory
    // context of the same fonts.
    virtual CWnd* GetMainWindow() { return nullptr; }
    // The document of the running game; nullptr while none.
    virtual CVDoc* GetActiveDocument() = 0;
    // The 16 custom colours of the colour dialog (index 0..15).
    virtual COLORREF GetCustomColour(int /*index*/) { return RGB(255, 255, 255); }
    virtual void SetCustomColour(int /*index*/, COLORREF /*colour*/) {}
    // The application's pointing-hand cursor (picture 352); nullptr while
    // it has none.
    virtual const CCursor* GetHandCursor() { return nullptr; }
};
