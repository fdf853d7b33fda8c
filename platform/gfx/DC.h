#pragma once
// A device context: the drawing state (pen, brush, font, palette, colours,
// modes, clipping) and the drawing calls, over a window's pixels or over a
// bitmap selected into a memory context. Coordinates are pixels from the
// client area's top-left corner (the whole window's for a window context,
// the bitmap's for a memory context), moved by the viewport origin.

#include <cstddef>
#include <memory>
#include <string>

#include "platform/gfx/GdiDefs.h"
#include "platform/gfx/Rect.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPalette;
class CPen;
class CWnd;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory context (a 1 x 1 black bitmap until one is selected). `dc`
    // may be nullptr.
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Selection returns the previously selected object of the kind (a stock
    // object at first), so that it can be selected back.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int id);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    // Our surfaces hold true colour, so no entry ever needs mapping: 0.
    UINT RealizePalette();
    int SaveDC();
    BOOL RestoreDC(int saved);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int GetROP2() const;
    UINT SetTextAlign(UINT align);
    UINT GetTextAlign() const;
    int SetStretchBltMode(int mode);
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const;
    // Logical rectangles; the clip only ever shrinks until SelectClipRgn.
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const RECT& rect);
    // Drops the clip set by IntersectClipRect (the framework's
    // SelectClipRgn(nullptr)).
    int SelectClipRgn(std::nullptr_t);
    int GetClipBox(RECT* rect) const;

    // Fills and frames.
    void FillRect(const RECT& rect, CBrush* brush);
    // Fills with a colour; like the framework's helper, the colour becomes
    // the background colour.
    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(const RECT& rect, CBrush* brush);
    void InvertRect(const RECT& rect);
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags);
    // The dotted frame of the focus, drawn by inverting; drawing it twice
    // removes it.
    void DrawFocusRect(const RECT& rect);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);

    // Lines and shapes with the pen (outline) and brush (inside), through
    // the drawing mode (SetROP2). Lines leave out their last point.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const RECT& rect);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const RECT& rect);

    // Text (UTF-8). dx, when given, holds the advance of every character.
    BOOL TextOut(int x, int y, const std::string& text);
    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, const std::string& text,
                    const int* dx = nullptr);
    CSize GetTextExtent(const std::string& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    // Block transfers. The source may be this context itself and the two
    // rectangles may overlap.
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);
    // A device-independent bitmap: `info` holds the header and colour table,
    // `bits` the rows; both with their sizes, which are checked. For a
    // bottom-up bitmap ySrc counts from the bottom row, as the stored form
    // does. Returns the number of rows drawn, 0 on bad input.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, const void* bits, size_t bitsSize, const void* info,
                      size_t infoSize, UINT usage, DWORD rop);
    int SetDIBitsToDevice(int x, int y, int width, int height, int xSrc, int ySrc, const void* bits,
                          size_t bitsSize, const void* info, size_t infoSize, UINT usage);

    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }
    // With a palette selected, the nearest colour of the palette (what an
    // 8-bit display would show); else the colour itself.
    COLORREF GetNearestColor(COLORREF color) const;

    // The checkerboard brush of focus frames.
    static CBrush* GetHalftoneBrush();

    struct Impl;
    Impl& PlatformImpl() const { return *m_impl; }

protected:
    std::unique_ptr<Impl> m_impl;
};
