// The report box (template 360): its layout in pixels for each kind of
// picture, its answers to buttons, keys and the close box, and its advice
// lines that show their place on the map.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/DialogBench.h"
#include "model/MapData.h"
#include "model/MapDoc.h"

namespace {

class MessageDlgTest : public DialogBench {
protected:
    // What the box looked like once it had opened, in its client
    // coordinates, next to the template's rectangles laid out in pixels.
    struct SLayout {
        CRect text, panel, face, picture, ok, cancel;
        CRect templateText, templateOk;
        CSize client, templateClient;
        int textClientHeight = 0;
        int neededHeight = 0;
        bool verticalBar = false;
        bool panelShown = false, faceShown = false, pictureShown = false;
    };
    static CRect ItemRect(CDialog& d, int id) {
        CRect r;
        d.GetDlgItem(id)->GetWindowRect(&r);
        d.ScreenToClient(&r);
        return r;
    }
    static bool Shown(CDialog& d, int id) {
        return (d.GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0;
    }
    SLayout Open(CMyMessageDlg& box) {
        SLayout l;
        OnOpen([&](CDialog& d) {
            const CDialogUnits& units = d.GetDialogUnits();
            l.text = ItemRect(d, CMyMessageDlg::kTextId);
            l.panel = ItemRect(d, CMyMessageDlg::kPanelId);
            l.face = ItemRect(d, CMyMessageDlg::kFaceId);
            l.picture = ItemRect(d, CMyMessageDlg::kPictureId);
            l.ok = ItemRect(d, IDOK);
            l.cancel = ItemRect(d, IDCANCEL);
            l.templateText = units.Map(3, 3, 313, 136);
            l.templateOk = units.Map(317, 3, 40, 14);
            l.templateClient = units.Map(0, 0, 360, 142).Size();
            CRect client;
            d.GetClientRect(&client);
            l.client = client.Size();
            box.GetTextWnd().GetClientRect(&client);
            l.textClientHeight = client.Height();
            l.neededHeight = box.GetTextWnd().GetTextHeight(1);
            // The bar takes its width off the client area.
            l.verticalBar = l.text.Width() - client.Width() >= GetSystemMetrics(SM_CXVSCROLL);
            l.panelShown = Shown(d, CMyMessageDlg::kPanelId);
            l.faceShown = Shown(d, CMyMessageDlg::kFaceId);
            l.pictureShown = Shown(d, CMyMessageDlg::kPictureId);
            d.PostMessage(WM_COMMAND, IDOK);
        });
        EXPECT_EQ(box.DoModal(), IDOK);
        return l;
    }
    void TwoLines(CMyMessageDlg& box) {
        AddLine(box, 1, "The construction has been completed.");
        AddLine(box, 2, "It opens next month.");
    }
    // A structure type with a picture.
    int AnyStructure() {
        for (int t = 0; t < doc.GetMap().GetStructureTypeCount(); ++t)
            if (doc.GetMap().GetStructureType(t)) return t;
        return -1;
    }
    int Director(int company) {
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p)
            if (doc.GetDirector(p)->GetEmployerNo() == company + 1) return p;
        return HireDirector(company);
    }
};

TEST_F(MessageDlgTest, TheBoxIsLaidOutAroundItsPictures) {
    SmallGame(1);
    const int kGap = CMyMessageDlg::kGap;
    struct SCase {
        const char* name;
        std::function<void(CMyMessageDlg&)> fill;
        std::function<void(const SLayout&)> check;
    };
    const SCase cases[] = {
        {"two short lines without pictures", [&](CMyMessageDlg& b) { TwoLines(b); },
         [](const SLayout& l) {
             const int q = l.templateText.Width() / 4;
             EXPECT_EQ(l.text.left, l.templateText.left);
             EXPECT_EQ(l.text.top, l.templateText.top);
             EXPECT_EQ(l.text.Width(), l.templateText.Width() - q);
             EXPECT_EQ(l.textClientHeight, l.neededHeight);
             EXPECT_EQ(l.client.cx, l.templateClient.cx - q);
             const int d = l.templateText.Height() - l.text.Height();
             EXPECT_GT(d, 0);
             EXPECT_EQ(l.client.cy, l.templateClient.cy - d);
             EXPECT_EQ(l.ok.left, l.templateOk.left - q);
             EXPECT_EQ(l.cancel.left, l.templateOk.left - q);
             EXPECT_FALSE(l.verticalBar);
         }},
        {"a long text",
         [&](CMyMessageDlg& b) {
             for (int line = 1; line <= 40; ++line)
                 AddLine(b, line, "Line " + std::to_string(line) + " of a long report.");
         },
         [](const SLayout& l) {
             // A quarter narrower, but the whole height, and it scrolls.
             EXPECT_EQ(l.text.Height(), l.templateText.Height());
             EXPECT_EQ(l.client.cy, l.templateClient.cy);
             EXPECT_TRUE(l.verticalBar);
         }},
        {"company and person",
         [&](CMyMessageDlg& b) {
             TwoLines(b);
             b.SetEnterprise(0);
             b.SetPerson(Director(0));
         },
         [kGap](const SLayout& l) {
             EXPECT_TRUE(l.panelShown && l.faceShown);
             EXPECT_FALSE(l.pictureShown);
             EXPECT_EQ(l.panel.left, l.face.right + kGap);
             EXPECT_EQ(l.text.left, l.face.right + kGap);
             EXPECT_EQ(l.text.top, l.panel.bottom + kGap);
             EXPECT_EQ(l.text.bottom, l.templateText.bottom);
             EXPECT_EQ(l.client, l.templateClient);
         }},
        {"a structure alone",
         [&](CMyMessageDlg& b) {
             TwoLines(b);
             b.SetStructure(AnyStructure());
         },
         [kGap](const SLayout& l) {
             EXPECT_TRUE(l.pictureShown);
             EXPECT_FALSE(l.panelShown || l.faceShown);
             EXPECT_EQ(l.text.left, l.picture.right + kGap);
             EXPECT_EQ(l.text.top, l.templateText.top);
             EXPECT_EQ(l.client, l.templateClient);
         }},
        {"the fixed picture without a structure",
         [&](CMyMessageDlg& b) {
             TwoLines(b);
             b.SetBitmap(1);
         },
         [kGap](const SLayout& l) {
             EXPECT_TRUE(l.pictureShown);
             EXPECT_EQ(l.text.left, l.picture.right + kGap);
             EXPECT_EQ(l.text.top, l.templateText.top);
         }},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CMyMessageDlg box;
        c.fill(box);
        c.check(Open(box));
    }
}

TEST_F(MessageDlgTest, AnswersToButtonsKeysAndTheCloseBox) {
    SmallGame(1);
    struct SCase {
        const char* name;
        bool question;
        int commandInput;
        std::function<void(CDialog&)> script;
        int result;
    };
    using dialog_script::PressKey;
    auto click = [](int id) {
        return [id](CDialog& d) { dialog_script::Click(*d.GetDlgItem(id)); };
    };
    const SCase cases[] = {
        {"Yes", true, 1, click(IDOK), IDOK},
        {"No", true, 1, click(IDCANCEL), IDCANCEL},
        {"Escape on a question", true, 1, [](CDialog& d) { PressKey(d, VK_ESCAPE); }, IDCANCEL},
        {"the close box on a question", true, 1,
         [](CDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL},
        {"Enter", false, 0, [](CDialog& d) { PressKey(d, VK_RETURN); }, IDOK},
        {"Tab to No, then Enter", true, 0,
         [](CDialog& d) {
             PressKey(d, VK_TAB);
             PressKey(d, VK_RETURN);
         },
         IDCANCEL},
        // A report during the orders stays until OK.
        {"Escape and the close box during the orders", false, 1,
         [&](CDialog& d) {
             PressKey(d, VK_ESCAPE);
             d.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
             d.PostMessage(WM_CLOSE);
             click(IDOK)(d);
         },
         IDOK},
        {"Escape outside the orders", false, 0, [](CDialog& d) { PressKey(d, VK_ESCAPE); },
         IDCANCEL},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        host.commandInput = c.commandInput;
        CMyMessageDlg box;
        AddLine(box, 1, "Will you sell?");
        box.SetYesNoMode(c.question ? 1 : 0);
        box.SetCancelShown(c.question ? 1 : 0);
        std::string labels;
        OnOpen([&](CDialog& d) {
            labels = d.GetDlgItemText(IDOK) + "/" + d.GetDlgItemText(IDCANCEL);
            c.script(d);
        });
        EXPECT_EQ(box.DoModal(), c.result);
        EXPECT_EQ(labels, c.question ? "Yes/No" : "OK/Cancel");
    }
}

TEST_F(MessageDlgTest, AReportThatClosesItselfEndsDuringTheOrdersToo) {
    SmallGame(1);
    host.commandInput = 1;
    host.networkGame = 1;
    CMyMessageDlg box;
    AddLine(box, 1, "Strike Occurring.");
    box.SetAutoClose(3000);
    // The close box cannot end it, and must leave its time-out running.
    OnOpen([](CDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); });
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_EQ(box.GetArmedTimeout(), 3000);
}

TEST_F(MessageDlgTest, AdviceLinesShowTheirPlaceOnTheMap) {
    GameInProgress();
    if (IsSkipped()) return;
    // A building of 2 x 2 cells somewhere on the map.
    CMapDoc& map = doc.GetMap();
    int area = -1;
    CCellPoint cell(-1, -1), anchor, first;
    for (int a = 0; a < map.GetAreaCount() && area < 0; ++a) {
        int width = 0, height = 0;
        doc.GetAreaSize(a, width, height);
        for (int y = 0; y < height && area < 0; ++y)
            for (int x = 0; x < width && area < 0; ++x)
                if (map.GetStructureExtent(a, x, y, anchor, first) && anchor.x - first.x == 1 &&
                    anchor.y - first.y == 1) {
                    area = a;
                    cell = CCellPoint(x, y);
                }
    }
    ASSERT_GE(area, 0) << "the game has no building of 2 x 2 cells";
    const int otherArea = (area + 1) % map.GetAreaCount();

    CMyMessageDlg box;
    box.SetCaption("Advice");
    box.EnableAdviceList(1);
    AddLine(box, 0, "We should recruit new employees.");
    box.AddAdviceItem(-1, -1, -1);
    AddLine(box, 1, "I endorse advertising in the other area.");
    box.AddAdviceItem(otherArea, -1, -1);
    AddLine(box, 2, "I encourage reinforcing the building.");
    box.AddAdviceItem(area, cell.x, cell.y);
    // Tags come from stored or received advice: a place off the map
    // points nowhere.
    int areaWidth = 0, areaHeight = 0;
    doc.GetAreaSize(area, areaWidth, areaHeight);
    AddLine(box, 3, "Advice on an area the map does not have.");
    box.AddAdviceItem(map.GetAreaCount(), 0, 0);
    AddLine(box, 4, "Advice on a cell outside its area.");
    box.AddAdviceItem(area, areaWidth, 0);
    AddLine(box, 5, "An untagged line.");

    std::vector<std::vector<std::string>> perClick;
    OnOpen([&](CDialog&) {
        CDrawTextWnd& text = box.GetTextWnd();
        int top = 0;
        for (int height : text.GetLineHeights()) {
            dialog_script::ClickAt(text, 10, top + height / 2);
            top += height;
        }
    });
    // The clicks come first: the box closes once nothing else is queued.
    box.SetAutoClose(1);
    // Each click's calls, cut at the flush that starts a handled click.
    frame.calls.clear();
    EXPECT_EQ(box.DoModal(), IDOK);
    const std::string flush = "FlushChangedCells(1)";
    const std::string mark = "MarkCellRect(" + std::to_string(anchor.x) + "," +
                             std::to_string(anchor.y) + "," + std::to_string(first.x) + "," +
                             std::to_string(first.y) + ",180)";
    EXPECT_EQ(frame.calls,
              (std::vector<std::string>{
                  flush,                                                          // no area
                  flush, "SelectAreaButton(" + std::to_string(otherArea) + ")",   // area only
                  flush, "SelectAreaButton(" + std::to_string(area) + ")", mark,  // building
                  flush,                                                          // no such area
                  flush, "SelectAreaButton(" + std::to_string(area) + ")",        // no such cell
                  // the untagged line does nothing; closing ends the highlight
                  flush}));
}

TEST_F(MessageDlgTest, UnattendedTheBoxLogsAndTakesOk) {
    SmallGame(1);
    CAutoAnswer::Set(true);
    host.networkGame = 1;
    CMyMessageDlg box;
    box.SetReshowNetworkWindow();
    AddLine(box, 1, "Administer company.operations.");
    testing::internal::CaptureStderr();
    EXPECT_EQ(box.DoModal(), IDOK);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("[auto-answer] Report: Administer company.operations. -> OK"),
              std::string::npos)
        << log;
    EXPECT_EQ(host.networkWindow, (std::vector<std::array<int, 3>>{{0, 1, 0}}));
}

}  // namespace
