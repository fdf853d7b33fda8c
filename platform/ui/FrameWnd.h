#pragma once
// The main frame: a top-level window with a menu bar, accelerators, bars
// along its edges (tool bar, status bar) and the view (the child of id
// AFX_IDW_PANE_FIRST) in the room that is left.
//
// Commands arrive as WM_COMMAND by id (OnCommand) from the menu bar, pop-up
// menus, accelerators and the tool bar. Each command may have an update
// rule: override OnUpdateCommand and answer for the ids that have one
// (call Enable / SetCheck on the CCmdUI). The rules run when a pop-up of
// the menu bar opens, for the tool bar in OnIdleUpdateCmdUI (which the
// program's idle handler calls), and before an accelerator's or a tool-bar
// button's command runs: a command whose rule disables it, whose menu item
// is greyed or whose pop-up on the menu bar is greyed does not run. A
// command without a rule is enabled whenever its menu is.
//
// Pointing at a menu item or a tool shows the first line of the command's
// string (CStringTable) in the status bar; the idle text comes back after.

#include <memory>
#include <string>

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/ControlBar.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Wnd.h"

class CCmdUI;
class CProfile;
class CMenuBarWnd;
class CRecentFileList;
class CStatusBar;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(const char* className, const char* title, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = CRect(0, 0, 640, 480), CWnd* parent = nullptr);
    // Create with the menu, accelerators and title (string) of one id.
    BOOL LoadFrame(UINT id, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr);

    // The menu stays the caller's (nullptr removes the bar).
    BOOL SetMenu(CMenu* menu);
    CMenu* GetMenu() const { return m_menu; }
    // The frame's own menu object (LoadFrame fills it).
    CMenu& FrameMenu() { return m_ownMenu; }
    void DrawMenuBar();
    void SetAccelerators(const CAcceleratorTable* table) { m_accel = table; }
    void SetRecentFileList(CRecentFileList* list) { m_recent = list; }

    // Lays out the bars and the view.
    void RecalcLayout();
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay = FALSE);
    CStatusBar* GetStatusBar() const;
    CWnd* GetView() const;
    // Which bars are shown, kept in the profile under "<section>-Bar<id>".
    void SaveBarState(CProfile& profile, const std::string& section) const;
    void LoadBarState(const CProfile& profile, const std::string& section);
    // Docking is not offered; kept so that frames can ask for it.
    void EnableDocking(DWORD style) { m_dockStyle = style; }
    void DockControlBar(CControlBar* bar) { (void)bar; }

    // Runs the update rule of one command (see above).
    void UpdateCommand(CCmdUI* ui);
    bool IsCommandEnabled(UINT id);
    void OnIdleUpdateCmdUI();
    // The status bar's text: a command's prompt, a text, or the idle text.
    void SetMessageText(const std::string& text);
    void SetMessageText(UINT id);
    std::string GetIdleText() const;

    BOOL PreTranslateMessage(MSG* msg) override;

    // For the menu bar: runs the menu of a top-level item.
    void TrackMenuBar(int index);

protected:
    virtual void OnUpdateCommand(CCmdUI* ui) { (void)ui; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

private:
    void InitMenuPopup(CMenu* popup);
    void MenuSelect(UINT id, UINT flags, bool closed);

    CMenu m_ownMenu;
    CMenu* m_menu = nullptr;
    const CAcceleratorTable* m_accel = nullptr;
    CRecentFileList* m_recent = nullptr;
    std::unique_ptr<CMenuBarWnd> m_menuBar;
    DWORD m_dockStyle = 0;
};
