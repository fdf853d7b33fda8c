#pragma once
// A map drawing window on a new game made from the program folder's data
// files (the authored map), in a parent window of its own, with a fake view
// that holds the shown area, zoom and map mode. Captures compare what the
// window shows pixel for pixel.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fakes/FakeViewHost.h"
#include "game/GameFixture.h"
#include "model/BD.h"
#include "model/Enterprise.h"
#include "model/MapData.h"
#include "model/MapDoc.h"
#include "platform/core/Clock.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ClientDC.h"
#include "platform/ui/DC.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Rect.h"
#include "platform/ui/Styles.h"
#include "platform/ui/WndClassRegistry.h"
#include "views/MapDrawWnd.h"

class MapWindowTest : public GameTest {
protected:
    static constexpr DWORD kMapStyle = 0x52300000;

    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELM_NormalWindow", 0, nullptr, COLOR_WINDOW + 1});
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        CWndClassRegistry::Register({"VELMO_SaveBitsWindow", 0, nullptr, COLOR_3DFACE + 1});
    }
    void TearDown() override {
        if (map.IsWindow()) map.DestroyWindow();
        if (parent.IsWindow()) parent.DestroyWindow();
        CMessageLoop::Reset();
        GameTest::TearDown();
    }

    static std::string Home() {
        const char* home = std::getenv("MERCAVO_HOME");
        return home ? std::string(home) + "/" : std::string();
    }

    // A new game of `companies` computer companies on the authored map.
    void NewAuthoredGame(int seed, int companies) {
        CRuntimeRandom::Seed(seed);
        doc.SetEnterpriseCount(companies);
        ASSERT_EQ(doc.PrepareNewGameFrom(Home() + "ORIGINAL.MQM", Home() + "ORIGINAL.MQP"), 1)
            << "the program folder's data files";
        ASSERT_EQ(doc.SetPlayerCount(0, 1), 1);
        ASSERT_EQ(doc.SetupEnterprises(), 1);
    }

    // The area with the most structure cells.
    int BusiestArea() {
        const CMapDoc& m = doc.GetMap();
        int best = 0, bestCount = -1;
        for (int a = 0; a < m.GetAreaCount(); ++a) {
            int count = 0;
            for (int32_t s : m.GetArea(a).Cells(CMapData::layerStructure)) count += s != 0;
            if (count > bestCount) {
                best = a;
                bestCount = count;
            }
        }
        return best;
    }

    // Opens the window with its client area of width x height on the area.
    void OpenWindow(int width, int height, int area) {
        host.area = area;
        ASSERT_TRUE(parent.CreateEx(0, "VELM_NormalWindow", "map", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, width, height), nullptr, 0));
        ASSERT_TRUE(map.CreateEx(0, "VELM_NormalWindow", nullptr, kMapStyle, CRect(0, 0, 0, 0),
                                 &parent, 1001));
        map.AttachDocument(&doc, &host);
        ASSERT_EQ(map.ResetCellTables(), 1);
        map.RebuildMap();
        map.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER);
        map.UpdateWindow();
    }

    // Resizes the window again, which sets the scroll bars for the zoom.
    void Relayout() {
        CRect r;
        map.GetWindowRect(&r);
        map.SetWindowPos(nullptr, 0, 0, r.Width(), r.Height() + 1, SWP_NOZORDER | SWP_NOMOVE);
        map.SetWindowPos(nullptr, 0, 0, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOMOVE);
        map.UpdateWindow();
    }

    // Scrolls both bars to the middle of their range.
    void ScrollToMiddle() {
        for (int bar : {SB_HORZ, SB_VERT}) {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            if (!map.GetScrollInfo(bar, &info, SIF_ALL)) continue;
            const int middle = (info.nMax - static_cast<int>(info.nPage) + 1) / 2;
            const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
            map.SendMessage(message, MAKEWPARAM(SB_THUMBPOSITION, middle), 0);
            map.SendMessage(message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        }
        map.UpdateWindow();
    }

    // Copies what the window's client area shows now into bitmap, which
    // memory holds afterwards.
    CRect CopyClient(CBitmap& bitmap, CDC& memory) {
        map.UpdateWindow();
        CRect client;
        map.GetClientRect(&client);
        EXPECT_TRUE(bitmap.CreateBitmap(client.Width(), client.Height()));
        memory.CreateCompatibleDC(nullptr);
        memory.SelectObject(&bitmap);
        CClientDC window(&map);
        memory.BitBlt(0, 0, client.Width(), client.Height(), &window, 0, 0, SRCCOPY);
        return client;
    }

    // What the window's client area shows now.
    std::string CaptureWindow(const std::string& name) {
        CBitmap bitmap;
        {
            CDC memory;
            CopyClient(bitmap, memory);
        }
        return Save(bitmap, name);
    }

    // The same as colours, row by row.
    std::vector<COLORREF> ClientPixels() {
        CBitmap bitmap;
        CDC memory;
        const CRect client = CopyClient(bitmap, memory);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x)
                pixels.push_back(memory.GetPixel(x, y) & 0xFFFFFF);
        return pixels;
    }

    // A full repaint from nothing, as a fresh window would show it.
    std::string CaptureFreshRepaint(const std::string& name) {
        map.ForgetPicture();
        map.Invalidate(FALSE);
        return CaptureWindow(name);
    }

    std::string Save(const CBitmap& bitmap, const std::string& name) {
        const std::string path = folder + name + ".png";
        EXPECT_TRUE(bitmap.SaveToPng(path));
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // A 1 x 1 structure type of the map whose next type is an overlay (a
    // construction that shows one), else any 1 x 1 type; -1 for none.
    int ConstructionType() const {
        const CMapDoc& m = doc.GetMap();
        int any = -1;
        for (int t = 0; t + 1 < m.GetStructureTypeCount(); ++t) {
            int w = 0, h = 0;
            m.GetStructureType(t)->GetSize(w, h);
            if (w != 1 || h != 1) continue;
            if (m.GetStructureType(t + 1)->GetTypeCode() == StructureCode::kCrossingPartner)
                return t;
            if (any < 0) any = t;
        }
        return any;
    }

    CFakeViewHost host;
    CWnd parent;
    CMapDrawWnd map;
};
