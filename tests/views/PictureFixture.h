#pragma once
// The picture windows on a new game of the program folder's data files
// (the authored map), with the building blocks' host naming that game, a
// parent window for them and canvases to draw them on.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fakes/FakeBlockHost.h"
#include "game/GameFixture.h"
#include "platform/core/Clock.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/DC.h"
#include "platform/ui/MessageLoop.h"
#include "platform/ui/WndClassRegistry.h"

// A bitmap filled with one colour, with a context on it.
class CBlockCanvas {
public:
    static constexpr COLORREF kFill = RGB(255, 0, 255);
    CBlockCanvas(int width, int height) : m_width(width), m_height(height) {
        m_bitmap.CreateBitmap(width, height);
        m_dc.CreateCompatibleDC(nullptr);
        m_previous = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, kFill);
    }
    ~CBlockCanvas() { m_dc.SelectObject(m_previous); }
    CDC& DC() { return m_dc; }
    // Writes the picture to a PNG file.
    bool SaveToPng(const std::string& path) {
        m_dc.SelectObject(m_previous);
        const bool saved = m_bitmap.SaveToPng(path);
        m_previous = m_dc.SelectObject(&m_bitmap);
        return saved;
    }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // The smallest rectangle of the pixels drawn on; empty when none.
    CRect Drawn() const {
        CRect box(m_width, m_height, 0, 0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) != kFill) box.UnionRect(box, CRect(x, y, x + 1, y + 1));
        return box.IsRectEmpty() ? CRect(0, 0, 0, 0) : box;
    }

private:
    int m_width, m_height;
    CBitmap m_bitmap;
    CDC m_dc;
    CBitmap* m_previous = nullptr;
};

class PictureWndTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        CMessageLoop::Reset();
        CClock::SetTimeScale(0);
        CWndClassRegistry::Register({"VELMO_3DFaceWindow", 0, nullptr, COLOR_3DFACE + 1});
        ASSERT_TRUE(host.loaded);
        const char* home = std::getenv("MERCAVO_HOME");
        const std::string folder = home ? std::string(home) + "/" : std::string();
        CRuntimeRandom::Seed(11);
        doc.SetEnterpriseCount(4);
        ASSERT_EQ(doc.PrepareNewGameFrom(folder + "ORIGINAL.MQM", folder + "ORIGINAL.MQP"), 1);
        ASSERT_EQ(doc.SetPlayerCount(0, 1), 1);
        ASSERT_EQ(doc.SetupEnterprises(), 1);
        host.doc = &doc;
        ASSERT_TRUE(parent.CreateEx(0, "VELMO_3DFaceWindow", "pictures", WS_POPUP | WS_VISIBLE,
                                    CRect(0, 0, 400, 300), nullptr, 0));
    }
    void TearDown() override {
        if (parent.IsWindow()) parent.DestroyWindow();
        CMessageLoop::Reset();
        GameTest::TearDown();
    }
    void CreateChild(CWnd& child, const CRect& rect) {
        ASSERT_TRUE(child.CreateEx(0, "VELMO_3DFaceWindow", "", WS_CHILD | WS_VISIBLE, rect,
                                   &parent, 100));
    }
    // A director with a face, the oldest or the youngest.
    int DirectorByAge(bool oldest) {
        int best = -1;
        for (int p = 0; p < doc.GetDirectorTableSize(); ++p) {
            const CPersonData& person = *doc.GetDirector(p);
            if (!person.GetFace(person.GetFaceIndexForAge()).HasImage()) continue;
            if (best < 0) best = p;
            const int age = person.GetAge(false);
            const int bestAge = doc.GetDirector(best)->GetAge(false);
            if (oldest ? age > bestAge : age < bestAge) best = p;
        }
        return best;
    }

    CFakeBlockHost host;
    CWnd parent;
};
