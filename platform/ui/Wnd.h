#pragma once
// A window: a rectangle on the screen or inside a parent, that receives
// messages through WindowProc. The base WindowProc hands the messages the
// programs handle to the virtual On... handlers; a handler that does not
// override (or calls the base) gets the default behaviour of DefWindowProc.
// Private messages (WM_USER and up) arrive in WindowProc: override it and
// pass everything else on to CWnd::WindowProc.
//
// Windows are created on the user-interface thread only; all calls must come
// from it.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Messages.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"

class CDC;
class CCursor;
class CFont;
using HCURSOR = const CCursor*;

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    class CWnd* hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

struct PAINTSTRUCT {
    BOOL fErase = FALSE;
    RECT rcPaint;
};

class CWnd {
public:
    CWnd();
    // Destroys the window if it still exists. By then the derived parts are
    // gone, so their WM_DESTROY handling does not run: derived windows that
    // need it destroy the window in their own destructor.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // className names a class registered with CWndClassRegistry (nullptr or
    // "" = the plain default class). For a child window parent is its parent;
    // for a top-level or pop-up window it is the owner. Sends WM_CREATE (a
    // result of -1 fails the creation), WM_SIZE and WM_MOVE; WS_VISIBLE shows
    // the window.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, void* createParam = nullptr);
    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
    // Sends WM_DESTROY, destroys the children, drops the window's timers
    // and queued messages, then calls PostNcDestroy (which may delete this).
    virtual BOOL DestroyWindow();
    BOOL IsWindow() const;
    CWnd* GetSafeHwnd() const { return IsWindow() ? const_cast<CWnd*>(this) : nullptr; }

    // Messages.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called by the main loop and modal loops (never by a drain) for every
    // message aimed at this window or one of its children before dispatch;
    // TRUE means the message was handled (accelerators, dialog keys).
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void PostNcDestroy() {}

    // Timers. Ids are per window; setting an existing id restarts it. The
    // period goes through the clock's time scale. WM_TIMER arrives when due,
    // at most one pending per timer.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);

    // A nested modal loop: disables the owner window, dispatches every
    // message of the thread until EndModalLoop, re-enables the owner and
    // returns the end code (-1 when the program quits meanwhile).
    int RunModalLoop();
    void EndModalLoop(int result);
    bool IsModalLoopRunning() const;

    // Geometry. Window rectangles are in screen coordinates (for a child:
    // relative to its parent's client area when set), client rectangles start
    // at (0, 0).
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    // Maps client points of this window to client points of `to` (nullptr:
    // the screen).
    void MapWindowPoints(const CWnd* to, POINT* points, int count) const;
    void MapWindowPoints(const CWnd* to, RECT* rect) const;
    // The deepest visible window under a screen point, or nullptr.
    static CWnd* WindowFromPoint(POINT screenPoint);
    CWnd* ChildWindowFromPoint(POINT clientPoint) const;

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    void BringWindowToTop();

    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static BOOL ReleaseCapture();
    static CWnd* GetCapture();

    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    UINT GetDlgCtrlID() const;
    CWnd* GetDlgItem(int id) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    // Sends WM_SETTEXT, whose default stores the text (and shows it as the
    // title of a top-level window).
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    HCURSOR GetClassCursor() const;
    // The font the window's text is drawn with (WM_SETFONT / WM_GETFONT);
    // nullptr means the default GUI font. The caller keeps the font alive.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Attaches this object to an existing window, typically a control made
    // from a dialog template: the window keeps its place, size, style, id,
    // text, children, timers and queued messages, and from now on its
    // messages come to this object. The object that held it is left without
    // a window. No WM_CREATE is sent. Fails when this object already has a
    // window or the other has none.
    BOOL SubclassWindow(CWnd* existing);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // A standard control offers its notifications of the parent to itself
    // first (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR,
    // WM_HSCROLL / WM_VSCROLL of scroll bars and sliders): TRUE means it
    // handled them ("reflected") and the parent does not see them; *result
    // is then the answer.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Painting. A window is painted (WM_PAINT) while part of it is invalid.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void ValidateRect(const RECT* rect);
    BOOL GetUpdateRect(RECT* rect, BOOL erase = FALSE);
    // Sends WM_PAINT at once when something is invalid.
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, UINT flags = 0x0001 | 0x0100 | 0x0004);
    CDC* BeginPaint(PAINTSTRUCT* paint);
    void EndPaint(const PAINTSTRUCT* paint);
    // A device context on the client area (GetDC) or the whole window
    // (GetWindowDC); hand it back with ReleaseDC.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    // Moves the pixels of the client area (or of `scroll`) by (dx, dy) and
    // invalidates what was uncovered.
    void ScrollWindow(int dx, int dy, const RECT* scroll = nullptr, const RECT* clip = nullptr);

    // The window's own scroll bars (WS_HSCROLL, WS_VSCROLL). User actions on
    // them arrive as WM_HSCROLL / WM_VSCROLL.
    BOOL SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, int* minPos, int* maxPos) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH);

    // The close command of the window's system menu. A greyed close refuses
    // SC_CLOSE (and the window manager's close button).
    void EnableSystemClose(BOOL enable);
    BOOL IsSystemCloseEnabled() const;

    // Writes what a person would see of the window (with its children) to a
    // PNG file, painting pending invalid parts first.
    bool SaveToPng(const std::string& path);
    // The same picture as colours, row by row; false without a window.
    bool GrabPixels(std::vector<COLORREF>& pixels, int& width, int& height);

    // For the platform layer's own use.
    struct Impl;
    Impl& PlatformImpl() const { return *m_impl; }

protected:
    // Hands the message being handled to DefWindowProc.
    LRESULT Default();
    // Called when this object has just taken over a window.
    virtual void PreSubclassWindow() {}

    virtual int OnCreate(CREATESTRUCT* create);
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnTimer(UINT_PTR id);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnRButtonDblClk(UINT flags, CPoint point);
    // delta: signed, 120 per notch; point in screen coordinates.
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual LRESULT OnNcHitTest(CPoint screenPoint);
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnActivateApp(BOOL active, DWORD threadId);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);

private:
    // Paints what is pending in this window and its shown children.
    void UpdateWindowTree();
    LRESULT DispatchToHandler(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT DispatchInput(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    std::unique_ptr<Impl> m_impl;
};
