#pragma once
// The judgment network's window: the participants with their step-done
// flags, the chat line with "Send" and "Select all", the send and receive
// lamp, the message pane and, on the server before the start, START. The
// bar between the list and the chat line is dragged with a line drawn over
// the window; the list keeps its size until the button is released.

#include <string>

#include "judge/DrawTextWnd.h"
#include "judge/InfoMesWnd.h"
#include "judge/NetworkListBox.h"
#include "judge/NetworkMessageEdit.h"
#include "judge/NetworkSRInfoWnd.h"
#include "judge/StartNetworkBtnWnd.h"
#include "platform/ui/Button.h"
#include "platform/ui/Wnd.h"

namespace judge {

class CJudgeNetwork;

class CNetworkWnd : public CWnd {
public:
    static constexpr UINT kHeaderId = 1000;
    static constexpr UINT kSelectAllId = 1001;
    static constexpr UINT kListId = 1002;
    static constexpr UINT kEditId = 1003;
    static constexpr UINT kSendId = 1004;
    static constexpr UINT kMessagesId = 1005;
    static constexpr UINT kLampId = 1006;
    static constexpr UINT kStartWndId = 1007;
    static constexpr const char* kHeaderText = "      No.     Name           Company name";

    void SetNetwork(CJudgeNetwork* network);
    // Layout, START placed again, the header written, the list refilled.
    void ResetWindow();
    // The participants or their flags changed; the title too.
    void RefreshList();
    void AddMessage(const std::string& text, int colour);

    // The list's share of the height and the bar's position in pixels.
    double GetRatio() const { return m_ratio; }
    int GetSplit() const;
    bool IsDragging() const { return m_dragging; }

    CNetworkListBox& GetList() { return m_list; }
    CNetworkMessageEdit& GetEdit() { return m_edit; }
    CInfoMesWnd& GetMessages() { return m_messages; }
    CNetworkSRInfoWnd& GetLamp() { return m_lamp; }
    CStartNetworkBtnWnd& GetStart() { return m_start; }

protected:
    int OnCreate(CREATESTRUCT* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnPaint() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void Layout();
    void SelectAll();
    void SendLine();
    // The drag line: drawn and erased by the same inverting pen.
    void InvertDragLine(int y);
    int Thickness() const;
    bool ShowsStart() const;

    CDrawTextWnd m_header;
    CButton m_selectAll;
    CNetworkListBox m_list;
    CNetworkMessageEdit m_edit;
    CButton m_send;
    CInfoMesWnd m_messages;
    CStartNetworkBtnWnd m_start;
    CNetworkSRInfoWnd m_lamp;
    CJudgeNetwork* m_network = nullptr;
    double m_ratio = 0.5;
    bool m_dragging = false;
    int m_dragStartY = 0;
    int m_dragSplit = 0;
    int m_dragLineY = -1;
};

}  // namespace judge
