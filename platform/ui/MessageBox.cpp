#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <algorithm>

#include "platform/ui/AutoAnswer.h"
#include "platform/ui/Brush.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/DC.h"
#include "platform/ui/Font.h"
#include "platform/ui/MainWindow.h"
#include "platform/ui/Pen.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/detail/UiSystem.h"
#include "platform/ui/detail/ControlSupport.h"

namespace {

constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;

CMessageBox*& Open() {
    static CMessageBox* open = nullptr;
    return open;
}

std::string& AppName() {
    static std::string name = "MERCAVO";
    return name;
}

const char* ButtonText(int id) {
    switch (id) {
        case IDOK:
            return "OK";
        case IDCANCEL:
            return "Cancel";
        case IDYES:
            return "&Yes";
        case IDNO:
            return "&No";
        default:
            return "";
    }
}

const char* AnswerName(int id) {
    switch (id) {
        case IDOK:
            return "OK";
        case IDCANCEL:
            return "Cancel";
        case IDYES:
            return "Yes";
        case IDNO:
            return "No";
        default:
            return "?";
    }
}

// The text's size in pixels with the dialog font, wrapped at `maxWidth`.
CSize MeasureText(const std::string& text, int maxWidth) {
    CFont font;
    font.CreatePointFont(80, "MS Sans Serif");
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    int width = 0, lines = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const int w = dc.GetTextExtent(text.substr(start, end - start)).cx;
        const int rows = std::max(1, (w + maxWidth - 1) / maxWidth);
        lines += rows;
        width = std::max(width, std::min(w, maxWidth));
        start = end + 1;
    }
    return CSize(width, lines * tm.tmHeight);
}

void DrawIcon(CDC& dc, const CRect& r, UINT icon) {
    COLORREF fill = RGB(0, 0, 192);
    const char* mark = "i";
    if (icon == MB_ICONHAND) {
        fill = RGB(192, 0, 0);
        mark = "X";
    } else if (icon == MB_ICONQUESTION) {
        mark = "?";
    } else if (icon == MB_ICONEXCLAMATION) {
        fill = RGB(224, 176, 0);
        mark = "!";
    }
    dc.FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
    CBrush brush(fill);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* oldBrush = dc.SelectObject(&brush);
    CPen* oldPen = dc.SelectObject(&pen);
    if (icon == MB_ICONEXCLAMATION) {
        const POINT triangle[3] = {
            {r.left + r.Width() / 2, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
        dc.Polygon(triangle, 3);
    } else {
        dc.Ellipse(r);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    CFont font;
    font.CreateFont(-r.Height() * 2 / 3, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                    "MS Sans Serif");
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(icon == MB_ICONEXCLAMATION ? RGB(0, 0, 0) : RGB(255, 255, 255));
    const CSize size = dc.GetTextExtent(mark);
    dc.TextOut(r.left + (r.Width() - size.cx) / 2, r.top + (r.Height() - size.cy) / 2 + 1, mark);
    dc.SelectObject(oldFont);
}

}  // namespace

CMessageBox::CMessageBox(CWnd* owner, const std::string& text, const std::string& caption,
                         UINT type)
    : CDialog(&m_dialog, owner), m_text(text), m_caption(caption), m_type(type) {
    BuildTemplate();
}

CMessageBox::~CMessageBox() {
    if (IsWindow()) DestroyWindow();
}

std::vector<int> CMessageBox::Buttons() const {
    switch (m_type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        default:
            return {IDOK};
    }
}

int CMessageBox::DefaultAnswer() const {
    const std::vector<int> buttons = Buttons();
    const size_t index = (m_type & MB_DEFMASK) >> 8;
    return buttons[std::min(index, buttons.size() - 1)];
}

void CMessageBox::BuildTemplate() {
    // Sizes are worked out in pixels of the 8-point dialog font and turned
    // into dialog units of the same font.
    const CDialogUnits units = [] {
        CFont font;
        font.CreatePointFont(80, "MS Sans Serif");
        return CDialogUnits::ForFont(&font);
    }();
    const auto toX = [&](int px) { return (px * 4 + units.BaseX() - 1) / units.BaseX(); };
    const auto toY = [&](int px) { return (px * 8 + units.BaseY() - 1) / units.BaseY(); };
    const bool icon = (m_type & MB_ICONMASK) != 0;
    const CSize text = MeasureText(m_text, 360);
    const std::vector<int> buttons = Buttons();
    const int buttonsWidth = static_cast<int>(buttons.size()) * 54 - 4;
    const int textLeft = icon ? 38 : 8;
    const int textWidth = toX(text.cx) + 4;
    const int textHeight = std::max(toY(text.cy), icon ? 20 : 8);
    const int width = std::max(textLeft + textWidth + 8, buttonsWidth + 16);
    const int height = 8 + textHeight + 8 + 14 + 7;

    m_dialog = DIALOGTEMPLATE{};
    m_dialog.caption = m_caption.c_str();
    m_dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    m_dialog.cx = width;
    m_dialog.cy = height;
    if (icon) {
        m_dialog.items.push_back({kIconId, DialogItemKind::Static, nullptr, "",
                                  WS_VISIBLE | SS_OWNERDRAW, 8, 8, 20, 20});
    }
    m_dialog.items.push_back({kTextId, DialogItemKind::Static, nullptr, m_text.c_str(),
                              WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textLeft, 8, textWidth,
                              textHeight});
    const int defaultAnswer = DefaultAnswer();
    int x = (width - buttonsWidth) / 2;
    for (int id : buttons) {
        const DWORD kind = id == defaultAnswer ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        m_dialog.items.push_back({id, DialogItemKind::Button, nullptr, ButtonText(id),
                                  WS_VISIBLE | WS_TABSTOP | kind, x, height - 21, 50, 14});
        x += 54;
    }
}

int CMessageBox::DoModal() {
    if (CAutoAnswer::IsAutoAnswer()) {
        const int answer = DefaultAnswer();
        CAutoAnswer::Log(m_caption, m_text, AnswerName(answer));
        return answer;
    }
    m_outer = Open();
    Open() = this;
    const int result = CDialog::DoModal();
    Open() = m_outer;
    return result;
}

CMessageBox* CMessageBox::GetOpen() {
    return Open();
}

void CMessageBox::SetApplicationName(const std::string& name) {
    AppName() = name;
}

const std::string& CMessageBox::GetApplicationName() {
    return AppName();
}

BOOL CMessageBox::OnInitDialog() {
    CDialog::OnInitDialog();
    if ((m_type & MB_TYPEMASK) == MB_YESNO) EnableSystemClose(FALSE);
    GotoDlgCtrl(GetDlgItem(DefaultAnswer()));
    return FALSE;
}

BOOL CMessageBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    if (id == IDOK || id == IDYES || id == IDNO) {
        EndDialog(id);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMessageBox::OnCancel() {
    const std::vector<int> buttons = Buttons();
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) {
        EndDialog(IDCANCEL);
    } else if (buttons.size() == 1) {
        EndDialog(IDOK);
    }
}

LRESULT CMessageBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == kIconId && lParam) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        DrawIcon(*dis->hDC, dis->rcItem, m_type & MB_ICONMASK);
        return TRUE;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) {
    CMessageBox box(owner, text, caption, type);
    return box.DoModal();
}

int AfxMessageBox(const std::string& text, UINT type) {
    return MessageBox(CMainWindow::Get(), text, CMessageBox::GetApplicationName(), type);
}

namespace {
int g_beeps = 0;
}  // namespace

int GetMessageBeepCount() {
    return g_beeps;
}

BOOL MessageBeep(UINT) {
    ++g_beeps;
    CUiSystem::Ensure();
    QApplication::beep();
    return TRUE;
}
