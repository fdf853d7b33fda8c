// The standard controls on their own: what they send their parent, owner
// drawing, and the reflection of notifications to the control itself.

#include "UiTestSupport.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DC.h"
#include "platform/ui/Edit.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"

namespace {

struct Notice {
    UINT message;
    UINT id;
    UINT code;
    int value;  // item, width or position, by kind
};

// A parent that writes down every notification it receives.
class CParentWnd : public CWnd {
public:
    std::vector<Notice> notices;
    std::vector<DRAWITEMSTRUCT> draws;
    int measureHeight = 0;

    BOOL CreateParent() {
        return CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr,
                        0);
    }
    std::vector<UINT> Codes(UINT message) const {
        std::vector<UINT> out;
        for (const Notice& n : notices) {
            if (n.message == message) out.push_back(n.code);
        }
        return out;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_COMMAND:
                if (lParam) notices.push_back({message, LOWORD(wParam), HIWORD(wParam), 0});
                break;
            case WM_NOTIFY: {
                const auto* head = reinterpret_cast<const NMHDR*>(lParam);
                int value = 0;
                if (head->code == HDN_ENDTRACK || head->code == HDN_TRACK ||
                    head->code == HDN_BEGINTRACK) {
                    value = reinterpret_cast<const NMHEADER*>(lParam)->pitem->cxy;
                }
                if (head->code == HDN_ITEMCLICK) {
                    value = reinterpret_cast<const NMHEADER*>(lParam)->iItem;
                }
                if (head->code == TCN_KEYDOWN) {
                    value = reinterpret_cast<const NMTCKEYDOWN*>(lParam)->wVKey;
                }
                notices.push_back({message, static_cast<UINT>(head->idFrom), head->code, value});
                return 0;
            }
            case WM_HSCROLL:
            case WM_VSCROLL:
                if (lParam) {
                    const auto* from = reinterpret_cast<CWnd*>(lParam);
                    notices.push_back({message, from->GetDlgCtrlID(), LOWORD(wParam),
                                       static_cast<int16_t>(HIWORD(wParam))});
                    return 0;
                }
                break;
            case WM_DRAWITEM:
                draws.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_MEASUREITEM:
                if (measureHeight) {
                    reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                        static_cast<UINT>(measureHeight);
                }
                return TRUE;
            default:
                break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void Click(CWnd& w, int x, int y) {
    w.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    w.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Key(CWnd& w, int vk) {
    w.PostMessage(WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
}

class ControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(parent.CreateParent());
    }
    CParentWnd parent;
};

TEST_F(ControlsTest, ListBoxChoicesNotifyWithTheirIdAndProgramChoicesDoNot) {
    CListBox list;
    ASSERT_TRUE(
        list.Create(WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, CRect(10, 10, 150, 100), &parent, 1201));
    for (const char* t : {"alpha", "beta", "gamma", "delta"}) list.AddString(t);
    const int h = list.GetItemHeight(0);
    ASSERT_GT(h, 0);
    list.SetCurSel(1);
    PumpPendingMessages();
    EXPECT_TRUE(parent.notices.empty());

    Click(list, 5, h * 2 + 1);  // gamma
    Key(list, VK_DOWN);         // delta
    Key(list, VK_DOWN);         // stays on delta: no change, no notice
    PumpPendingMessages();
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE}));
    for (const Notice& n : parent.notices) EXPECT_EQ(n.id, 1201u);
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(list.GetText(3), "delta");

    list.PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 1));
    PumpPendingMessages();
    EXPECT_EQ(parent.notices.back().code, LBN_DBLCLK);
}

TEST_F(ControlsTest, ListBoxItemsKeepTheirDataThroughInsertAndDelete) {
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1));
    EXPECT_EQ(list.AddString("a"), 0);
    EXPECT_EQ(list.AddString("c"), 1);
    EXPECT_EQ(list.InsertString(1, "b"), 1);
    EXPECT_EQ(list.InsertString(9, "x"), LB_ERR);
    list.SetItemData(0, 10);
    list.SetItemData(1, 11);
    list.SetItemData(2, 12);
    list.SetCurSel(2);
    EXPECT_EQ(list.DeleteString(0), 2);
    EXPECT_EQ(list.GetCurSel(), 1) << "the selection follows its item";
    EXPECT_EQ(list.GetItemData(0), 11u);
    EXPECT_EQ(list.DeleteString(5), LB_ERR);
    EXPECT_EQ(list.SetCurSel(7), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), -1);
    std::string text;
    EXPECT_EQ(list.SendMessage(LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&text)), 1);
    EXPECT_EQ(text, "c");
    EXPECT_EQ(list.FindString(-1, "C"), 1);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);

    CListBox sorted;
    ASSERT_TRUE(sorted.Create(WS_VISIBLE | LBS_SORT, CRect(0, 0, 100, 100), &parent, 2));
    for (const char* t : {"pear", "Apple", "fig"}) sorted.AddString(t);
    EXPECT_EQ(sorted.GetText(0), "Apple");
    EXPECT_EQ(sorted.GetText(2), "pear");
}

// An owner-drawn list that draws its own items (reflected WM_DRAWITEM).
class COwnList : public CListBox {
public:
    std::vector<UINT> drawn;

    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        drawn.push_back(dis->itemID);
        dis->hDC->FillSolidRect(dis->rcItem, RGB(1, 2, 3));
    }
};

TEST_F(ControlsTest, OwnerDrawnListsAskForEachVisibleItem) {
    parent.measureHeight = 20;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED, CRect(0, 0, 100, 50), &parent, 1300));
    for (int i = 0; i < 5; ++i) list.AddString("");
    EXPECT_EQ(list.GetItemHeight(0), 20) << "measured by the parent";
    list.SetCurSel(1);
    list.SetFocus();
    list.UpdateWindow();
    ASSERT_EQ(parent.draws.size(), 3u) << "50 pixels show items 0..2";
    for (size_t i = 0; i < 3; ++i) {
        const DRAWITEMSTRUCT& d = parent.draws[i];
        EXPECT_EQ(d.CtlType, ODT_LISTBOX);
        EXPECT_EQ(d.CtlID, 1300u);
        EXPECT_EQ(d.itemID, i);
        EXPECT_EQ(CRect(d.rcItem),
                  CRect(0, 20 * static_cast<int>(i), 100, 20 * static_cast<int>(i) + 20));
        EXPECT_EQ((d.itemState & ODS_SELECTED) != 0, i == 1);
        EXPECT_EQ((d.itemState & ODS_FOCUS) != 0, i == 1);
    }

    parent.draws.clear();
    COwnList own;
    ASSERT_TRUE(
        own.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE, CRect(0, 100, 100, 200), &parent, 1301));
    own.AddString("");
    own.AddString("");
    own.SetItemHeight(1, 33);
    own.UpdateWindow();
    EXPECT_EQ(own.drawn, (std::vector<UINT>{0, 1}));
    EXPECT_TRUE(parent.draws.empty()) << "the list drew its items itself";
    EXPECT_EQ(own.GetItemHeight(0), 20);
    EXPECT_EQ(own.GetItemHeight(1), 33);
    CDC* dc = own.GetDC();
    EXPECT_EQ(dc->GetPixel(5, 25), RGB(1, 2, 3));
    own.ReleaseDC(dc);
}

TEST_F(ControlsTest, ComboChoicesNotifyFromKeysAndFromTheDroppedList) {
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 150, 200), &parent, 1401));
    CRect box;
    combo.GetWindowRect(&box);
    EXPECT_LT(box.Height(), 40) << "the box is one item tall";
    for (const char* t : {"-", "1", "2", "3"}) combo.AddString(t);
    combo.SetCurSel(0);
    Key(combo, VK_DOWN);
    PumpPendingMessages();
    EXPECT_EQ(combo.GetCurSel(), 1);

    combo.ShowDropDown(TRUE);
    ASSERT_TRUE(combo.GetDroppedState());
    CWnd* list = CWnd::GetCapture();
    ASSERT_NE(list, nullptr);
    const int h = combo.GetItemHeight(0);
    Click(*list, 5, h * 3 + 2);  // "3"
    PumpPendingMessages();
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.GetCurSel(), 3);
    EXPECT_EQ(parent.Codes(WM_COMMAND),
              (std::vector<UINT>{CBN_SELCHANGE, CBN_DROPDOWN, CBN_CLOSEUP, CBN_SELCHANGE}));
    for (const Notice& n : parent.notices) EXPECT_EQ(n.id, 1401u);

    // A click outside the dropped list closes it without a choice.
    parent.notices.clear();
    combo.ShowDropDown(TRUE);
    list = CWnd::GetCapture();
    ASSERT_NE(list, nullptr);
    Click(*list, -50, -50);
    PumpPendingMessages();
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

// The company-colour combo's way: refuse a choice in CBN_SELCHANGE.
class CPickyCombo : public CComboBox {
public:
    int current = 0;
    std::vector<UINT> drawnStates;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
            if (GetCurSel() == 2) {
                SetCurSel(current);
            } else {
                current = GetCurSel();
            }
            return TRUE;
        }
        return CComboBox::OnChildNotify(message, wParam, lParam, result);
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override { drawnStates.push_back(dis->itemState); }
};

TEST_F(ControlsTest, ReflectedComboNotificationsStayWithTheCombo) {
    CPickyCombo combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                             CRect(0, 0, 100, 100), &parent, 1402));
    for (int i = 0; i < 4; ++i) combo.AddString("");
    Key(combo, VK_DOWN);
    Key(combo, VK_DOWN);
    PumpPendingMessages();
    EXPECT_EQ(combo.GetCurSel(), 1) << "colour 2 refused";
    EXPECT_TRUE(parent.Codes(WM_COMMAND).empty());
    combo.UpdateWindow();
    ASSERT_FALSE(combo.drawnStates.empty());
    EXPECT_NE(combo.drawnStates.back() & ODS_COMBOBOXEDIT, 0u);
    EXPECT_TRUE(parent.draws.empty());
}

TEST_F(ControlsTest, HeaderDragEndsWithEndTrackAndClicksNameTheColumn) {
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_VISIBLE | HDS_BUTTONS, CRect(0, 0, 300, 20), &parent, 1500));
    for (int i = 0; i < 3; ++i) {
        HDITEM item;
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
        item.cxy = 80;
        item.text = "Col";
        item.fmt = i == 1 ? HDF_RIGHT : HDF_LEFT;
        EXPECT_EQ(header.InsertItem(i, &item), i);
    }
    // Drag the first divider (x = 80) to 100.
    header.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 5));
    header.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 5));
    header.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 5));
    header.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
    PumpPendingMessages();
    EXPECT_EQ(parent.Codes(WM_NOTIFY), (std::vector<UINT>{HDN_BEGINTRACK, HDN_TRACK, HDN_TRACK,
                                                          HDN_ENDTRACK, HDN_ITEMCHANGED}));
    EXPECT_EQ(parent.notices[3].value, 100);
    EXPECT_EQ(parent.notices[3].id, 1500u);
    HDITEM got;
    got.mask = HDI_WIDTH | HDI_FORMAT;
    ASSERT_TRUE(header.GetItem(0, &got));
    EXPECT_EQ(got.cxy, 100);
    ASSERT_TRUE(header.GetItem(1, &got));
    EXPECT_EQ(got.fmt, HDF_RIGHT);

    // A drag that ends where it began still ends.
    parent.notices.clear();
    header.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, 5));
    header.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, 5));
    Click(header, 120, 5);  // the second title
    PumpPendingMessages();
    EXPECT_EQ(parent.Codes(WM_NOTIFY),
              (std::vector<UINT>{HDN_BEGINTRACK, HDN_ENDTRACK, HDN_ITEMCHANGED, HDN_ITEMCLICK}));
    EXPECT_EQ(parent.notices[1].value, 80);
    EXPECT_EQ(parent.notices[3].value, 1);
}

// The tab strip of the map buttons handles its keys itself.
class CKeyTabs : public CTabCtrl {
public:
    std::vector<WORD> keys;
    int changes = 0;

    BOOL OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override {
        if (message != WM_NOTIFY) return FALSE;
        const auto* head = reinterpret_cast<const NMHDR*>(lParam);
        if (head->code == TCN_KEYDOWN)
            keys.push_back(reinterpret_cast<const NMTCKEYDOWN*>(lParam)->wVKey);
        if (head->code == TCN_SELCHANGE) ++changes;
        if (result) *result = 0;
        return head->code == TCN_KEYDOWN || head->code == TCN_SELCHANGE;
    }
};

TEST_F(ControlsTest, TabsNotifySelectionAndKeys) {
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE | TCS_BUTTONS | TCS_RAGGEDRIGHT, CRect(0, 0, 300, 30),
                            &parent, 1600));
    tabs.InsertItem(0, "Land");
    tabs.InsertItem(1, "Buildings");
    tabs.InsertItem(2, "People");
    EXPECT_EQ(tabs.GetCurSel(), 0);
    CRect second;
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    Click(tabs, second.CenterPoint().x, second.CenterPoint().y);
    Key(tabs, VK_TAB);
    PumpPendingMessages();
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(parent.Codes(WM_NOTIFY),
              (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE, TCN_KEYDOWN}));
    EXPECT_EQ(parent.notices.back().value, VK_TAB);
    CRect first;
    tabs.GetItemRect(0, &first);
    EXPECT_LT(first.Width(), second.Width()) << "each tab as wide as its text";

    parent.notices.clear();
    CKeyTabs own;
    ASSERT_TRUE(own.Create(WS_VISIBLE, CRect(0, 40, 300, 70), &parent, 1601));
    own.InsertItem(0, "A");
    own.InsertItem(1, "B");
    Key(own, VK_TAB);
    Key(own, VK_RIGHT);
    PumpPendingMessages();
    EXPECT_EQ(own.keys, (std::vector<WORD>{VK_TAB, VK_RIGHT}));
    EXPECT_EQ(own.changes, 1);
    EXPECT_EQ(parent.Codes(WM_NOTIFY), (std::vector<UINT>{TCN_SELCHANGING}));
}

// The game's button scroll bar: it moves itself on the reflected message.
class CSelfScrollBar : public CScrollBar {
public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
        if (message != WM_VSCROLL) return FALSE;
        if (LOWORD(wParam) == SB_LINEDOWN) SetScrollPos(GetScrollPos() + 1);
        return TRUE;
    }
};

TEST_F(ControlsTest, ScrollBarsReportActionsAndMoveOnlyWhenSet) {
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 200), &parent, 1700));
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 9;
    si.nPage = 3;
    si.nPos = 8;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(bar.GetScrollPos(), 7) << "clamped to max - page + 1";
    Click(bar, 8, 195);  // the down arrow
    Click(bar, 8, 30);   // the track above the thumb
    PumpPendingMessages();
    ASSERT_EQ(parent.notices.size(), 4u);
    EXPECT_EQ(parent.notices[0].code, static_cast<UINT>(SB_LINEDOWN));
    EXPECT_EQ(parent.notices[1].code, static_cast<UINT>(SB_ENDSCROLL));
    EXPECT_EQ(parent.notices[2].code, static_cast<UINT>(SB_PAGEUP));
    EXPECT_EQ(parent.notices[0].id, 1700u);
    EXPECT_EQ(bar.GetScrollPos(), 7);

    parent.notices.clear();
    CSelfScrollBar own;
    ASSERT_TRUE(own.Create(WS_VISIBLE | SBS_VERT, CRect(20, 0, 36, 200), &parent, 1701));
    own.SetScrollRange(0, 5);
    Click(own, 8, 195);
    PumpPendingMessages();
    EXPECT_EQ(own.GetScrollPos(), 1);
    EXPECT_TRUE(parent.notices.empty());
}

TEST_F(ControlsTest, SlidersMoveThemselvesAndReportTheCode) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_HORZ, CRect(0, 0, 210, 30), &parent, 1093));
    slider.SetRange(1, 100);
    slider.SetLineSize(1);
    slider.SetPageSize(9);
    slider.SetPos(250);
    EXPECT_EQ(slider.GetPos(), 100);
    Key(slider, VK_LEFT);
    Click(slider, 2, 15);  // left of the thumb: a page
    PumpPendingMessages();
    EXPECT_EQ(slider.GetPos(), 90);
    ASSERT_EQ(parent.notices.size(), 4u);
    EXPECT_EQ(parent.notices[0].code, static_cast<UINT>(TB_LINEUP));
    EXPECT_EQ(parent.notices[0].value, 99);
    EXPECT_EQ(parent.notices[1].code, static_cast<UINT>(TB_ENDTRACK));
    EXPECT_EQ(parent.notices[2].code, static_cast<UINT>(TB_PAGEUP));
    EXPECT_EQ(parent.notices[2].message, static_cast<UINT>(WM_HSCROLL));
}

TEST_F(ControlsTest, EditFieldsFilterAndLimitWhatIsTyped) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_NUMBER, CRect(0, 0, 100, 20), &parent, 1141));
    edit.LimitText(3);
    edit.SetFocus();
    for (char c : std::string("1a2b34")) edit.PostMessage(WM_CHAR, static_cast<WPARAM>(c), 1);
    PumpPendingMessages();
    EXPECT_EQ(edit.GetWindowText(), "123");
    edit.PostMessage(WM_CHAR, VK_BACK, 1);
    PumpPendingMessages();
    EXPECT_EQ(edit.GetWindowText(), "12");
    const std::vector<UINT> codes = parent.Codes(WM_COMMAND);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 4);
    EXPECT_NE(std::find(codes.begin(), codes.end(), EN_MAXTEXT), codes.end());
    for (const Notice& n : parent.notices) EXPECT_EQ(n.id, 1141u);

    parent.notices.clear();
    edit.SetWindowText("250");
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>{EN_CHANGE}));

    CEdit text;
    ASSERT_TRUE(text.Create(WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                            CRect(0, 30, 120, 60), &parent, 1142));
    std::string many;
    for (int i = 0; i < 20; ++i) many += "line " + std::to_string(i) + "\n";
    text.SetWindowText(many);
    text.PostMessage(WM_CHAR, 'x', 1);
    PumpPendingMessages();
    EXPECT_EQ(text.GetWindowText(), many) << "read-only";
    EXPECT_EQ(text.GetLineCount(), 21);
    text.LineScroll(5);
    EXPECT_EQ(text.GetFirstVisibleLine(), 5);
    EXPECT_EQ(text.GetScrollPos(SB_VERT), 5);
    EXPECT_TRUE(text.GetStyle() & WS_VSCROLL) << "the bar shows when the text is longer";

    // A list shows its bar only while its items do not fit.
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_VSCROLL, CRect(200, 0, 300, 40), &parent, 1143));
    list.AddString("one");
    EXPECT_FALSE(list.GetStyle() & WS_VSCROLL);
    for (int i = 0; i < 10; ++i) list.AddString("more");
    EXPECT_TRUE(list.GetStyle() & WS_VSCROLL);
    list.SetCurSel(10);
    EXPECT_GT(list.GetTopIndex(), 0) << "the selection is scrolled into view";
    EXPECT_EQ(list.GetScrollPos(SB_VERT), list.GetTopIndex());
}

TEST_F(ControlsTest, AutoRadioButtonsClearTheirGroupOnly) {
    CButton a, b, c, other;
    ASSERT_TRUE(
        a.Create("A", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(0, 0, 80, 16), &parent, 1));
    ASSERT_TRUE(b.Create("B", WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(0, 20, 80, 36), &parent, 2));
    ASSERT_TRUE(other.Create("X", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(0, 40, 80, 56),
                             &parent, 3));
    ASSERT_TRUE(c.Create("Check", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 60, 80, 76), &parent, 4));
    a.SetCheck(BST_CHECKED);
    other.SetCheck(BST_CHECKED);
    Click(b, 3, 3);
    Click(c, 3, 3);
    Click(c, 3, 3);
    Click(c, 3, 3);
    PumpPendingMessages();
    EXPECT_EQ(a.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(b.GetCheck(), BST_CHECKED);
    EXPECT_EQ(other.GetCheck(), BST_CHECKED);
    EXPECT_EQ(c.GetCheck(), BST_CHECKED);
    EXPECT_EQ(parent.Codes(WM_COMMAND), (std::vector<UINT>(4, BN_CLICKED)));
    // A disabled button takes no clicks.
    c.EnableWindow(FALSE);
    c.Click();
    EXPECT_EQ(parent.notices.size(), 4u);
}

TEST_F(ControlsTest, SubclassingKeepsTheControlsContent) {
    CListBox* plain = new CListBox;
    ASSERT_TRUE(plain->Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 100), &parent, 1800));
    plain->AddString("kept");
    plain->SetCurSel(0);
    COwnList own;
    ASSERT_TRUE(own.SubclassDlgItem(1800, &parent));
    EXPECT_FALSE(plain->IsWindow());
    delete plain;  // the old object no longer owns a window
    EXPECT_EQ(parent.GetDlgItem(1800), &own);
    EXPECT_EQ(own.GetText(0), "kept");
    EXPECT_EQ(own.GetCurSel(), 0);
    own.DestroyWindow();
}

}  // namespace
