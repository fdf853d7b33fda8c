#pragma once
// The frame's answer to the execution of received orders: the frame's
// network calls, the order service's check and apply, and the log.

#include "shell/CmdSetTarget.h"

class CMainFrame;

class CFrameCmdSetTarget : public ICmdSetTarget {
public:
    explicit CFrameCmdSetTarget(CMainFrame& frame) : m_frame(frame) {}

    void SendCmdSet(const CCmdSet& order, int company) override;
    bool ApplyCmdSet(int company, const CCmdSet& order) override;
    int CheckProTeamPurchase(int company, const CCmdSet& order) override;
    void ProposeProTeamPurchase(int company, const CCmdSet& order, int result) override;
    void AddNetworkLog(const std::string& line) override;

private:
    CMainFrame& m_frame;
};
