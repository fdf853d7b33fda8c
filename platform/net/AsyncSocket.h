#pragma once
// An asynchronous TCP socket driven by the message loop. Every call returns
// at once; what happens later is told through the virtual On... handlers,
// which run on the loop one notification at a time (inside any wait that
// dispatches messages):
//
//   OnAccept   a connection waits on a listening socket; again after each
//              Accept while more wait.
//   OnConnect  an asynchronous Connect finished: error 0, or why it failed
//              (WSAECONNREFUSED, WSAETIMEDOUT, ...).
//   OnReceive  data can be received; again after each Receive while data
//              is left.
//   OnSend     data can be sent: once when the connection is up, and again
//              after a Send that was cut short or would have blocked.
//   OnClose    the peer closed the connection (0) or it broke (an error);
//              data that arrived before is received first.
//
// Only the notifications named in the events of Create are delivered. A
// handler may delete its socket. Failing calls answer FALSE or SOCKET_ERROR
// and leave the reason in GetLastError. All calls belong to the
// user-interface thread.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/net/SocketDefs.h"
#include "platform/ui/WinDefs.h"

class CAsyncSocket {
public:
    enum { receives = 0, sends = 1, both = 2 };

    CAsyncSocket();
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    // Makes an IPv4 stream socket bound to `port` (0 = any free port) on
    // `address` (nullptr = every interface). Nagle's delay is off, so small
    // records go out at once.
    BOOL Create(UINT port = 0, int type = SOCK_STREAM, long events = FD_ALL_EVENTS,
                const char* address = nullptr);
    BOOL Listen(int backlog = 5);
    // Takes a waiting connection into `connected`, which must not be open;
    // it gets this socket's events and its OnSend once it is ready.
    virtual BOOL Accept(CAsyncSocket& connected, std::string* peerAddress = nullptr,
                        UINT* peerPort = nullptr);
    // Starts connecting to a dotted address or host name. Answers FALSE with
    // WSAEWOULDBLOCK while under way (OnConnect tells the outcome), or TRUE
    // when connected at once (OnConnect follows too); any other error means
    // no attempt was made.
    BOOL Connect(const char* host, UINT port);

    // Sends what the system takes now: the number of bytes, which may be
    // fewer than `length` (OnSend follows when more can go), or SOCKET_ERROR
    // (WSAEWOULDBLOCK when nothing could go now).
    int Send(const void* data, int length, int flags = 0);
    // Receives up to `length` bytes: their number, 0 when the peer has
    // closed, or SOCKET_ERROR (WSAEWOULDBLOCK when nothing is there).
    int Receive(void* data, int length, int flags = 0);
    BOOL ShutDown(int how = sends);
    virtual void Close();
    bool IsOpen() const;

    BOOL GetPeerName(std::string& address, UINT& port) const;
    BOOL GetSockName(std::string& address, UINT& port) const;

    // Socket options by the system's levels and names. SO_DONTROUTE and
    // SO_DEBUG are kept and read back but not given to the system: one would
    // keep every peer behind a router out, the other needs privileges and
    // changes nothing for the program.
    BOOL SetSockOpt(int option, const void* value, int length, int level = SOL_SOCKET);
    BOOL GetSockOpt(int option, void* value, int* length, int level = SOL_SOCKET) const;

    static int GetLastError();
    static void SetLastError(int error);
    // A short English description of an error number.
    static std::string GetErrorText(int error);

    // For the platform's own notification window.
    struct Impl;
    static void DeliverNotification(uint64_t serial, int kind);

protected:
    virtual void OnAccept(int error);
    virtual void OnConnect(int error);
    virtual void OnReceive(int error);
    virtual void OnSend(int error);
    virtual void OnClose(int error);

private:
    bool Open(int fd, long events);
    void CloseHandle();
    void ArmRead();
    void ArmWrite();
    void Notify(int kind);
    void DeliverRead();
    void DeliverWrite();
    void ReportClose(int error);

    std::unique_ptr<Impl> m_impl;
};
