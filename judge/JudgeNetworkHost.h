#pragma once
// What the judgment network asks of the program around it: the main frame
// in the program, a recording fake in the tests.

#include <string>

namespace judge {

class IJudgeNetworkHost {
public:
    virtual ~IJudgeNetworkHost() = default;
    // A line of the network window's message log (colour -1: the default).
    virtual void NetLog(const std::string& text, int colour) = 0;
    virtual void NetMessageBox(const std::string& text) = 0;
    // Ends the program (the frame's close command).
    virtual void NetCloseProgram() = 0;
    // Posts the start of the network judgment again (the retry).
    virtual void NetPostStart() = 0;
    virtual void NetSetRetryTimer(int ms) = 0;
    virtual void NetKillRetryTimer() = 0;
    // The announcement starts (0x501).
    virtual void NetStartAnnouncement() = 0;
    // The announcement moves to its next page (or area) and its pending
    // step is posted; true when that step is the results.
    virtual bool NetNextPage() = 0;
    // The participants, their flags or the title changed.
    virtual void NetRefresh() = 0;
    virtual void NetShowWindow() = 0;
    // The send (0) or receive (1) lamp steps.
    virtual void NetIndicate(int direction) = 0;
    // A wait that dispatches messages for at least a real moment.
    virtual void NetPollWait(int ms) = 0;
    // False once the program is closing: no wait goes on then.
    virtual bool NetIsRunning() = 0;
};

}  // namespace judge
