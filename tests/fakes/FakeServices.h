#pragma once
// Recording fakes of the services that the records and rules call above
// them. Each logs its calls and returns scripted answers.

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/services/Services.h"

class CFakeFrameService : public IFrameService {
public:
    void SetPumping(int flag) override;
    int CheckCloseRequest() override;
    bool PumpOneMessage(int maxWaitMs) override;
    bool WasKeyPressed(int key) override;
    int ShowMessageBox(const std::string& text, unsigned style) override;
    void Beep() override;

    // Scripting: a key counts as pressed from now on until queried.
    void PressKey(int key) { m_pressed.insert(key); }
    // Messages the pump dispatches, one per call, in order.
    std::deque<std::function<void()>> pendingMessages;
    bool closeRequested = false;
    // What ShowMessageBox answers (1 = OK).
    int messageBoxAnswer = 1;
    std::vector<std::string> messages;
    int beepCount = 0;

    std::vector<std::string> calls;
    int pumpCount = 0;

private:
    std::set<int> m_pressed;
};

class CFakeNetService : public INetService {
public:
    struct Sent {
        int player;
        std::string record;
    };
    void SendRecord(int player, const std::string& record) override {
        sent.push_back({player, record});
    }
    std::vector<Sent> sent;
};

class CFakeDocService : public IDocService {
public:
    int GetWaitTime() override { return waitTime; }
    int waitTime = 0;
    int GetCurrentMonthIndex() override { return currentMonthIndex; }
    int currentMonthIndex = 0;
};
