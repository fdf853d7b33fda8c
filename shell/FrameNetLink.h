#pragma once
// What the network session asks of the main frame: its message log, message
// boxes, the close request, the session state, message 0x572 and the
// document's part of a lost player. The frame owns the session and this link.
//
// The handshake, the lobby and the network window answer the remaining calls
// once they exist; until then those calls change nothing.

#include "network/NetFrameService.h"

class CMainFrame;

class CFrameNetLink : public INetFrameService {
public:
    explicit CFrameNetLink(CMainFrame& frame) : m_frame(frame) {}

    void AddLogLine(const std::string& line) override;
    void StepTransferIndicator(int) override {}
    bool IsCloseRequested() override;
    int GetSessionState() override;
    void ShowMessageBox(const std::string& text) override;
    void PostNetworkFailure() override;
    void CloseProgram(bool clearModified) override;
    void OnAllChannelsConnected() override {}
    void OnServerLost() override {}
    void ReleaseCompany(int company) override;
    void OnParticipantRemoved(int, bool) override {}
    void OnParticipantAbsent(int, bool) override {}
    void OnJoinerLost(int) override {}

private:
    CMainFrame& m_frame;
};
