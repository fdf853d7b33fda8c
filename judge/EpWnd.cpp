#include "judge/EpWnd.h"

#include "judge/ArboApp.h"

namespace judge {

namespace {

constexpr UINT kChildId = 1000;

}  // namespace

bool CEpWnd::CreateRow(CWnd* parent) {
    const CRect none(0, 0, 0, 0);
    return CreateEx(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, CArboApp::kFaceClass, "",
                    WS_CHILD | WS_VISIBLE, none, parent, 0) &&
           m_name.CreateEx(WS_EX_DLGMODALFRAME, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE,
                           none, this, kChildId) &&
           m_data.CreateEx(0, CArboApp::kFaceClass, "", WS_CHILD | WS_VISIBLE, none, this,
                           kChildId) &&
           m_data.CreateBar();
}

void CEpWnd::SetCompany(int company) {
    m_company = company;
    m_data.SetCompany(company);
}

void CEpWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    CArboApp* app = CArboApp::Get();
    const int nameWidth = app ? kNameWidthChars * app->GetCharSize().cx : 0;
    m_name.MoveWindow(0, 0, std::min(nameWidth, cx), cy, TRUE);
    if (cx > nameWidth) {
        m_data.MoveWindow(nameWidth, 0, cx - nameWidth, cy, TRUE);
        m_data.ShowWindow(SW_SHOW);
    } else {
        m_data.ShowWindow(SW_HIDE);
    }
}

}  // namespace judge
