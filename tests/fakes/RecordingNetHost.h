#pragma once
// A stand-in for the judgment program around its network: it records what
// the network asked of it, and its waits dispatch messages.

#include <algorithm>
#include <string>
#include <vector>

#include "judge/JudgeNetworkHost.h"
#include "platform/ui/MessageLoop.h"

// What the network asked of its program.
class CRecordingNetHost : public judge::IJudgeNetworkHost {
public:
    void NetLog(const std::string& text, int) override { log.push_back(text); }
    void NetMessageBox(const std::string& text) override { boxes.push_back(text); }
    void NetCloseProgram() override { closed = true; }
    void NetPostStart() override { ++startsPosted; }
    void NetSetRetryTimer(int ms) override { retryMs = ms; }
    void NetKillRetryTimer() override { retryMs = 0; }
    void NetStartAnnouncement() override { ++announcementStarts; }
    bool NetNextPage() override {
        ++pages;
        return false;
    }
    void NetRefresh() override {}
    void NetShowWindow() override {}
    void NetIndicate(int) override {}
    void NetPollWait(int ms) override {
        CMessageLoop::WaitDispatching(std::max(ms, 1), [] { return false; });
    }
    bool NetIsRunning() override { return !closed; }

    bool Logged(const std::string& start) const {
        return std::any_of(log.begin(), log.end(),
                           [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    }

    std::vector<std::string> log;
    std::vector<std::string> boxes;
    bool closed = false;
    int startsPosted = 0;
    int retryMs = 0;
    int announcementStarts = 0;
    int pages = 0;
};

