#pragma once
// A recording stand-in for the main frame as the network session sees it:
// every call is logged as text, the log lines are kept, and the session
// state and the close request are set by the test.

#include <algorithm>
#include <string>
#include <vector>

#include "network/NetFrameService.h"

class CFakeNetFrame : public INetFrameService {
public:
    void AddLogLine(const std::string& line) override { log.push_back(line); }
    void StepTransferIndicator(int direction) override { ++steps[direction == 0 ? 0 : 1]; }
    bool IsCloseRequested() override { return closeRequested; }
    int GetSessionState() override { return sessionState; }
    void ShowMessageBox(const std::string& text) override { calls.push_back("Box:" + text); }
    void PostNetworkFailure() override { calls.push_back("NetworkFailure"); }
    void CloseProgram(bool clearModified) override {
        calls.push_back(clearModified ? "CloseProgram(clear)" : "CloseProgram");
    }
    void OnAllChannelsConnected() override { ++connected; }
    void OnServerLost() override { calls.push_back("ServerLost"); }
    void ReleaseCompany(int company) override {
        calls.push_back("ReleaseCompany(" + std::to_string(company) + ")");
    }
    void OnParticipantRemoved(int player, bool refreshLists) override {
        calls.push_back("Removed(" + std::to_string(player) + (refreshLists ? ",lists)" : ")"));
    }
    void OnParticipantAbsent(int player, bool wasPresent) override {
        calls.push_back("Absent(" + std::to_string(player) + (wasPresent ? ",present)" : ")"));
    }
    void OnJoinerLost(int player) override {
        calls.push_back("JoinerLost(" + std::to_string(player) + ")");
    }

    bool HasLine(const std::string& start) const {
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    }
    bool HasCall(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    bool closeRequested = false;
    int sessionState = 0;
    int connected = 0;
    int steps[2] = {0, 0};
    std::vector<std::string> log;
    std::vector<std::string> calls;
};
