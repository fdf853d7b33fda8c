#pragma once
// What the network session needs of the main frame: its message log, the
// send/receive lamp, the close request, the session state, message boxes,
// and the steps of the loss path that belong to the frame and the document.

#include <string>

class INetFrameService {
public:
    virtual ~INetFrameService() = default;

    // A line of the network message log.
    virtual void AddLogLine(const std::string& line) = 0;
    // Steps the send (0) or receive (1) lamp.
    virtual void StepTransferIndicator(int direction) = 0;
    // Set once the user closes the program inside a message-pumping wait;
    // from then on nothing is sent.
    virtual bool IsCloseRequested() = 0;
    // 0 new game before the start, 1 new game running, 2 founding schedules
    // complete, 3 resumed game before the start, 4 running with joiners,
    // 5 game ending.
    virtual int GetSessionState() = 0;
    virtual void ShowMessageBox(const std::string& text) = 0;
    // Private message 0x572: the network failed.
    virtual void PostNetworkFailure() = 0;
    // Sets the closing flag and posts the frame a system close command;
    // clearModified first clears the document's modified flag.
    virtual void CloseProgram(bool clearModified) = 0;

    // All twelve channels of this program are connected: the host binds its
    // own channels, a client sends its login.
    virtual void OnAllChannelsConnected() = 0;
    // A client lost its server: the network input dialog ends and the
    // session display goes off.
    virtual void OnServerLost() = 0;
    // A player left a new game that runs: its company goes back to the
    // computer.
    virtual void ReleaseCompany(int company) = 0;
    // A participant was removed: the others are told, the status line and
    // the list follow (refreshLists when its channel 0 was the lost one).
    virtual void OnParticipantRemoved(int playerNumber, bool refreshLists) = 0;
    // A participant became absent: its list entry goes to everyone.
    virtual void OnParticipantAbsent(int playerNumber, bool wasPresent) = 0;
    // A joining game lost a player: the turn no longer waits for it.
    virtual void OnJoinerLost(int playerNumber) = 0;
};
