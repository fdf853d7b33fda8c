#include "fakes/DialogScript.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/detail/WindowList.h"

namespace dialog_script {

namespace {

void Post(CWnd* target, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    CMessageLoop::PostPrepared(msg);
}

// The character a key types; 0 for keys without one.
int KeyCharacter(int vk) {
    switch (vk) {
        case VK_SPACE: return ' ';
        case VK_RETURN: return 13;
        case VK_ESCAPE: return 27;
        case VK_TAB: return 9;
        default: return 0;
    }
}

// The focused window when it lies in the window's top-level window.
CWnd* KeyTarget(CWnd& window) {
    CWnd* focus = CWnd::GetFocus();
    if (focus && CWindowList::IsAlive(focus) &&
        focus->GetTopLevelParent() == window.GetTopLevelParent())
        return focus;
    return &window;
}

}  // namespace

void PressKey(CWnd& window, int vk) {
    CWnd* target = KeyTarget(window);
    Post(target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    if (const int ch = KeyCharacter(vk)) Post(target, WM_CHAR, static_cast<WPARAM>(ch), 1);
    Post(target, WM_KEYUP, static_cast<WPARAM>(vk), 1);
}

void ClickAt(CWnd& window, int x, int y) {
    Post(&window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Post(&window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Click(CWnd& control) {
    CRect client;
    control.GetClientRect(&client);
    ClickAt(control, client.Width() / 2, client.Height() / 2);
}

void Type(CWnd& edit, const std::string& text) {
    Click(edit);
    for (char c : text) Post(&edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PickListItem(CListBox& list, int index) {
    CRect item;
    if (list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return;
    ClickAt(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

void PickComboItem(CComboBox& combo, int index) {
    combo.SetFocus();
    Post(&combo, WM_KEYDOWN, VK_HOME, 1);
    for (int i = 0; i < index; ++i) Post(&combo, WM_KEYDOWN, VK_DOWN, 1);
}

CWnd* FindTopWindow(const std::string& caption) {
    for (CWnd* wnd : CWindowList::TopLevelsFrontFirst())
        if (wnd->IsWindowVisible() && wnd->GetWindowText() == caption) return wnd;
    return nullptr;
}

}  // namespace dialog_script
