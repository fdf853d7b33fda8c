#pragma once
// Answers windows as a person would, for the dialog tests and the gallery:
// keys, clicks and typed text are posted as input messages, so that they
// go through the dialog's own key handling and the controls' own mouse and
// character handling when the loop takes them. Typically called from the
// dialogs' init hook (CDialog::SetInitHook), which runs once a dialog has
// finished OnInitDialog.
//
// A key goes to the control that has the focus when it is posted, or to
// the window itself; Enter, Escape and Tab are handled by the dialog for
// the control focused when they are taken.

#include <string>

class CComboBox;
class CListBox;
class CWnd;

namespace dialog_script {

// WM_KEYDOWN, the key's character when it has one (Space, Enter, Escape,
// Tab), and WM_KEYUP.
void PressKey(CWnd& window, int vk);
// A left click in the middle of the window (a button, a list, an edit).
void Click(CWnd& control);
// A left click at a point of the window's client area.
void ClickAt(CWnd& window, int x, int y);
// Clicks into the edit, then types the characters.
void Type(CWnd& edit, const std::string& text);
// A click on the list's item.
void PickListItem(CListBox& list, int index);
// The combo box takes the focus (as by Tab) and its item is chosen with
// Home and Down.
void PickComboItem(CComboBox& combo, int index);
// A visible top-level window by its caption; nullptr when none.
CWnd* FindTopWindow(const std::string& caption);

}  // namespace dialog_script
