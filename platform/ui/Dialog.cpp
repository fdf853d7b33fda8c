#include "platform/ui/Dialog.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplateRegistry.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WndClassRegistry.h"
#include "platform/ui/detail/ControlSupport.h"
#include "platform/ui/detail/WindowList.h"

namespace {

const char* DialogClass() {
    static const bool registered = [] {
        CWndClassInfo info;
        info.name = "MercavoDialog";
        info.background = COLOR_BTNFACE + 1;
        return CWndClassRegistry::Register(info) || CWndClassRegistry::IsRegistered(info.name);
    }();
    (void)registered;
    return "MercavoDialog";
}

std::unique_ptr<CWnd> MakeControl(DialogItemKind kind) {
    switch (kind) {
        case DialogItemKind::Button:
            return std::make_unique<CButton>();
        case DialogItemKind::Static:
            return std::make_unique<CStatic>();
        case DialogItemKind::Edit:
            return std::make_unique<CEdit>();
        case DialogItemKind::ListBox:
            return std::make_unique<CListBox>();
        case DialogItemKind::ComboBox:
            return std::make_unique<CComboBox>();
        case DialogItemKind::ScrollBar:
            return std::make_unique<CScrollBar>();
        case DialogItemKind::Slider:
            return std::make_unique<CSliderCtrl>();
        case DialogItemKind::Tab:
            return std::make_unique<CTabCtrl>();
        case DialogItemKind::Header:
            return std::make_unique<CHeaderCtrl>();
        default:
            return std::make_unique<CWnd>();
    }
}

bool IsButtonOfKind(const CWnd* w, DWORD kind) {
    return dynamic_cast<const CButton*>(w) && (w->GetStyle() & BS_TYPEMASK) == kind;
}

bool IsPushButton(const CWnd* w) {
    return IsButtonOfKind(w, BS_PUSHBUTTON) || IsButtonOfKind(w, BS_DEFPUSHBUTTON) ||
           IsButtonOfKind(w, BS_OWNERDRAW);
}

bool IsRadio(const CWnd* w) {
    return IsButtonOfKind(w, BS_RADIOBUTTON) || IsButtonOfKind(w, BS_AUTORADIOBUTTON);
}

// The control's own flags count, not its dialog's: focus moves are asked
// for while the dialog is still being set up and hidden.
bool CanTakeFocus(const CWnd* w) {
    return (w->GetStyle() & WS_VISIBLE) && w->IsWindowEnabled();
}

CDialog::InitHook& InitHookSlot() {
    static CDialog::InitHook hook;
    return hook;
}

}  // namespace

void CDialog::SetInitHook(InitHook hook) {
    InitHookSlot() = std::move(hook);
}

bool CDialog::HasInitHook() {
    return static_cast<bool>(InitHookSlot());
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parentWnd(parent) {}

CDialog::CDialog(const DIALOGTEMPLATE* dialog, CWnd* parent)
    : m_template(dialog), m_parentWnd(parent) {}

CDialog::~CDialog() {
    // Our WM_DESTROY handling must run while we are still a dialog.
    if (IsWindow()) DestroyWindow();
}

const DIALOGTEMPLATE* CDialog::ResolveTemplate() const {
    if (m_template) return m_template;
    return CDialogTemplateRegistry::Find(static_cast<int>(m_templateId));
}

int CDialog::DoModal() {
    const DIALOGTEMPLATE* dialog = ResolveTemplate();
    if (!dialog || IsWindow()) return -1;
    CWnd* owner = m_parentWnd ? m_parentWnd->GetTopLevelParent() : CMainWindow::Get();
    m_modal = true;
    m_endPending = false;
    if (!CreateFromTemplate(*dialog, owner)) {
        m_modal = false;
        return -1;
    }
    int result = m_endResult;
    if (!m_endPending && IsWindow()) {
        ShowWindow(SW_SHOW);
        result = m_endPending ? m_endResult : RunModalLoop();
    }
    m_modal = false;
    if (CWindowList::IsAlive(this) && IsWindow()) DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    m_template = nullptr;
    m_parentWnd = parent;
    const DIALOGTEMPLATE* dialog = ResolveTemplate();
    return dialog ? CreateIndirect(dialog, parent) : FALSE;
}

BOOL CDialog::CreateIndirect(const DIALOGTEMPLATE* dialog, CWnd* parent) {
    if (!dialog || IsWindow()) return FALSE;
    m_template = dialog;
    m_parentWnd = parent;
    m_modal = false;
    CWnd* owner = parent ? parent->GetTopLevelParent() : CMainWindow::Get();
    if (!CreateFromTemplate(*dialog, owner)) return FALSE;
    if ((dialog->style & WS_VISIBLE) && IsWindow()) ShowWindow(SW_SHOW);
    return IsWindow();
}

CRect CDialog::PlaceDialog(const DIALOGTEMPLATE& dialog, CWnd* owner, const CSize& client) const {
    const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // An owner not shown yet (the frame before its game opens) says nothing
    // about where a person is looking: the dialog goes by the screen then.
    CRect area = screen;
    if (owner && owner->IsWindow() && owner->IsWindowVisible()) {
        owner->GetWindowRect(&area);
    }
    CPoint at(area.left + m_units.ToPixelsX(dialog.x), area.top + m_units.ToPixelsY(dialog.y));
    if (dialog.style & DS_CENTER) {
        at = CPoint(area.left + (area.Width() - client.cx) / 2,
                    area.top + (area.Height() - client.cy) / 2);
        // A centred dialog larger than its owner keeps its top-left corner,
        // and with it its caption and first controls, on the screen.
        at.x = std::max(at.x, screen.left);
        at.y = std::max(at.y, screen.top);
    }
    return CRect(at, client);
}

bool CDialog::CreateFromTemplate(const DIALOGTEMPLATE& dialog, CWnd* owner) {
    m_items.clear();
    m_font = std::make_unique<CFont>();
    if (!m_font->CreatePointFont(std::max(1, dialog.pointSize) * 10,
                                 dialog.fontFace ? dialog.fontFace : "MS Sans Serif")) {
        m_font.reset();
    }
    m_units = CDialogUnits::ForFont(m_font.get());
    m_defId = 0;
    const CRect client = m_units.Map(0, 0, dialog.cx, dialog.cy);
    const DWORD style = (dialog.style & ~(WS_VISIBLE | WS_CHILD)) | WS_CLIPSIBLINGS;
    const CRect placed = PlaceDialog(dialog, owner, client.Size());
    DWORD exStyle = dialog.exStyle;
    if (dialog.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    if (!CreateEx(exStyle, DialogClass(), dialog.caption ? dialog.caption : "", style, placed,
                  owner, 0)) {
        return false;
    }
    // Our own frame (pop-ups without a caption) takes room from the client.
    CRect got;
    GetClientRect(&got);
    if (got.Size() != client.Size()) {
        MoveWindow(placed.left, placed.top, placed.Width() + client.Width() - got.Width(),
                   placed.Height() + client.Height() - got.Height(), FALSE);
    }
    SetFont(m_font.get(), FALSE);
    for (const DIALOGITEM& item : dialog.items) {
        if (!CreateItem(item)) {
            DestroyWindow();
            return false;
        }
    }
    if (!IsWindow()) return false;
    const LRESULT focusFirst = SendMessage(WM_INITDIALOG, 0, 0);
    if (!IsWindow()) return false;
    CWnd* first = GetNextDlgTabItem(nullptr);
    if (focusFirst && !m_endPending) GotoDlgCtrl(first);
    if (InitHookSlot() && !m_endPending) InitHookSlot()(*this, dialog.id);
    return IsWindow();
}

bool CDialog::CreateItem(const DIALOGITEM& item) {
    std::unique_ptr<CWnd> control = MakeControl(item.kind);
    const char* className = item.kind == DialogItemKind::Custom ? item.className : nullptr;
    if (item.kind == DialogItemKind::Custom &&
        !CWndClassRegistry::IsRegistered(className ? className : "")) {
        return false;
    }
    const CRect rect = m_units.Map(item.x, item.y, item.cx, item.cy);
    if (!control->CreateEx(item.exStyle, className, item.text ? item.text : "",
                           item.style | WS_CHILD, rect, this, static_cast<UINT>(item.id))) {
        return false;
    }
    control->SetFont(m_font.get(), FALSE);
    if (IsButtonOfKind(control.get(), BS_DEFPUSHBUTTON) && m_defId == 0) {
        m_defId = static_cast<UINT>(item.id);
    }
    m_items.push_back(std::move(control));
    return true;
}

void CDialog::EndDialog(int result) {
    m_endResult = result;
    m_endPending = true;
    if (!IsWindow()) return;
    if (m_modal && IsModalLoopRunning()) EndModalLoop(result);
    ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    const UINT code = HIWORD(wParam);
    if (code != BN_CLICKED && code != 1) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}

void CDialog::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// ---- Controls by id --------------------------------------------------------

void CDialog::SetDlgItemText(int id, const std::string& text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string CDialog::GetDlgItemText(int id) const {
    const CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : std::string();
}

void CDialog::SetDlgItemInt(int id, int value, BOOL isSigned) {
    if (isSigned) {
        SetDlgItemText(id, std::to_string(value));
    } else {
        SetDlgItemText(id, std::to_string(static_cast<unsigned>(value)));
    }
}

int CDialog::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    if (translated) *translated = FALSE;
    const std::string text = GetDlgItemText(id);
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (isSigned && text[i] == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    const size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) return 0;
        ++i;
    }
    if (i == digits || text.find_first_not_of(" \t", i) != std::string::npos) return 0;
    if (negative) value = -value;
    const long long low = isSigned ? std::numeric_limits<int>::min() : 0;
    const long long high = isSigned ? std::numeric_limits<int>::max() : 0xFFFFFFFFLL;
    if (value < low || value > high) return 0;
    if (translated) *translated = TRUE;
    return static_cast<int>(static_cast<uint32_t>(value));
}

void CDialog::CheckDlgButton(int id, UINT check) {
    if (CWnd* item = GetDlgItem(id)) item->SendMessage(BM_SETCHECK, check);
}

UINT CDialog::IsDlgButtonChecked(int id) const {
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CDialog::CheckRadioButton(int first, int last, int check) {
    for (int id = first; id <= last; ++id) CheckDlgButton(id, id == check ? BST_CHECKED : 0);
}

int CDialog::GetCheckedRadioButton(int first, int last) const {
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(id)) return id;
    }
    return 0;
}

// ---- Focus and keys --------------------------------------------------------

CWnd* CDialog::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    const std::vector<CWnd*>& children = PlatformImpl().children;
    const int n = static_cast<int>(children.size());
    if (n == 0) return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (children[static_cast<size_t>(i)] == control) at = i;
    }
    for (int k = 1; k <= n; ++k) {
        int i = previous ? at - k : at + k;
        if (at < 0) i = previous ? n - k : k - 1;
        i = ((i % n) + n) % n;
        CWnd* w = children[static_cast<size_t>(i)];
        if (!(w->GetStyle() & WS_TABSTOP) || !CanTakeFocus(w)) continue;
        // Tabbing into a radio group lands on its checked button.
        if (IsRadio(w) && !w->SendMessage(BM_GETCHECK)) {
            for (CWnd* other : CControlSupport::Group(w)) {
                if (IsRadio(other) && other->SendMessage(BM_GETCHECK) && CanTakeFocus(other)) {
                    return other;
                }
            }
        }
        return w;
    }
    return nullptr;
}

CWnd* CDialog::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    if (!control) return nullptr;
    std::vector<CWnd*> group = CControlSupport::Group(control);
    auto at = std::find(group.begin(), group.end(), control);
    const int n = static_cast<int>(group.size());
    const int index = static_cast<int>(at - group.begin());
    for (int k = 1; k < n; ++k) {
        CWnd* w = group[static_cast<size_t>(((previous ? index - k : index + k) % n + n) % n)];
        if (CanTakeFocus(w)) return w;
    }
    return control;
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control || !control->IsWindow()) return;
    control->SetFocus();
}

void CDialog::NextDlgCtrl() {
    GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), FALSE));
}

void CDialog::PrevDlgCtrl() {
    GotoDlgCtrl(GetNextDlgTabItem(GetFocus(), TRUE));
}

void CDialog::SetDefID(UINT id) {
    CWnd* old = GetDlgItem(static_cast<int>(m_defId));
    if (old && IsButtonOfKind(old, BS_DEFPUSHBUTTON))
        old->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    m_defId = id;
    CWnd* now = GetDlgItem(static_cast<int>(id));
    if (now && IsButtonOfKind(now, BS_PUSHBUTTON))
        now->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

UINT CDialog::GetDefID() const {
    return m_defId ? m_defId : IDOK;
}

void CDialog::MapDialogRect(RECT* rect) const {
    m_units.MapRect(rect);
}

bool CDialog::ClickButton(int id, bool onlyUsable) {
    CWnd* button = GetDlgItem(id);
    if (onlyUsable && button && (!button->IsWindowEnabled() || !button->IsWindowVisible())) {
        return true;
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool CDialog::HandleKey(MSG* msg) {
    CWnd* focus = GetFocus();
    if (auto* combo = dynamic_cast<CComboBox*>(focus); combo && combo->GetDroppedState()) {
        return false;
    }
    const bool multiLineEdit = dynamic_cast<CEdit*>(focus) && (focus->GetStyle() & ES_MULTILINE);
    switch (msg->wParam) {
        case VK_ESCAPE:
            // Escape cancels even when the Cancel button is hidden.
            return ClickButton(IDCANCEL, false);
        case VK_RETURN:
            if (multiLineEdit && (focus->GetStyle() & ES_WANTRETURN)) return false;
            if (focus && focus->GetParent() == this && IsPushButton(focus)) {
                return ClickButton(static_cast<int>(focus->GetDlgCtrlID()), true);
            }
            return ClickButton(static_cast<int>(GetDefID()), true);
        case VK_TAB:
            GotoDlgCtrl(GetNextDlgTabItem(focus && focus->GetParent() == this ? focus : nullptr,
                                          GetKeyState(VK_SHIFT) < 0));
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (!focus || !IsRadio(focus)) return false;
            const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            CWnd* next = GetNextDlgGroupItem(focus, back ? TRUE : FALSE);
            if (next && next != focus && IsRadio(next)) {
                GotoDlgCtrl(next);
                if (IsButtonOfKind(next, BS_AUTORADIOBUTTON)) next->SendMessage(BM_CLICK);
            }
            return true;
        }
        default:
            return false;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (!msg || !IsWindow()) return FALSE;
    if (!CWindowList::IsAlive(msg->hwnd) || msg->hwnd->GetTopLevelParent() != this) return FALSE;
    if (msg->message == WM_KEYDOWN) return HandleKey(msg) ? TRUE : FALSE;
    // The characters of the keys handled above are not typed anywhere.
    if (msg->message == WM_CHAR && (msg->wParam == 27 || msg->wParam == 9)) return TRUE;
    if (msg->message == WM_CHAR && msg->wParam == 13) {
        CWnd* focus = GetFocus();
        return dynamic_cast<CEdit*>(focus) && (focus->GetStyle() & ES_WANTRETURN) ? FALSE : TRUE;
    }
    return FALSE;
}
