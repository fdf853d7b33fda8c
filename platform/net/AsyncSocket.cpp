#include "platform/net/AsyncSocket.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <unordered_map>

#include "platform/net/SocketError.h"
#include "platform/net/SocketWnd.h"
#include "platform/ui/detail/UiSystem.h"

namespace {

enum Kind { kRead = 1, kWrite = 2 };
enum class Role { None, Listening, Connecting, Connected };

thread_local int t_lastError = 0;

std::unordered_map<uint64_t, CAsyncSocket*>& Sockets() {
    static std::unordered_map<uint64_t, CAsyncSocket*> sockets;
    return sockets;
}

uint64_t g_nextSerial = 1;

bool IsAlive(uint64_t serial) {
    return Sockets().count(serial) != 0;
}

BOOL Fail(int error) {
    t_lastError = error;
    return FALSE;
}

int FailCount(int error) {
    t_lastError = error;
    return SOCKET_ERROR;
}

void SetIntOption(int fd, int level, int option, int value) {
    setsockopt(fd, level, option, &value, sizeof value);
}

// A dotted address or a host name; 0 or the lookup's error.
int Resolve(const char* host, UINT port, sockaddr_in& address) {
    address = sockaddr_in{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host, &address.sin_addr) == 1) return 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = getaddrinfo(host, nullptr, &hints, &found);
    if (result != 0) return CSocketError::FromLookup(result);
    if (!found) return WSANO_DATA;
    address.sin_addr = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return 0;
}

BOOL NameOf(const sockaddr_in& address, std::string& text, UINT& port) {
    char buffer[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, buffer, sizeof buffer);
    text = buffer;
    port = ntohs(address.sin_port);
    return TRUE;
}

// Errors with which a connection attempt ends rather than fails to start.
bool EndsAttempt(int error) {
    return error == ECONNREFUSED || error == ENETUNREACH || error == EHOSTUNREACH ||
           error == ETIMEDOUT || error == ECONNRESET;
}

bool IsRecordedOption(int level, int option) {
    return level == SOL_SOCKET && (option == SO_DONTROUTE || option == SO_DEBUG);
}

}  // namespace

struct CAsyncSocket::Impl {
    int fd = -1;
    uint64_t serial = 0;
    long events = 0;
    Role role = Role::None;
    std::unique_ptr<QSocketNotifier> reader;
    std::unique_ptr<QSocketNotifier> writer;
    // A notification is queued (the watch is off until it is handled).
    bool readPosted = false;
    bool writePosted = false;
    bool closeReported = false;
    bool sendsShutDown = false;
    // A connect that ended at once, told by the next write notification.
    int connectError = -1;
    int dontRoute = 0;
    int debug = 0;
};

CAsyncSocket::CAsyncSocket() : m_impl(std::make_unique<Impl>()) {}

CAsyncSocket::~CAsyncSocket() {
    CloseHandle();
}

bool CAsyncSocket::Open(int fd, long events) {
    CUiSystem::Ensure();
    Impl& d = *m_impl;
    d.fd = fd;
    d.events = events;
    d.serial = g_nextSerial++;
    Sockets()[d.serial] = this;
    SetIntOption(fd, IPPROTO_TCP, TCP_NODELAY, 1);
    d.reader = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    d.writer = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    d.reader->setEnabled(false);
    d.writer->setEnabled(false);
    QObject::connect(d.reader.get(), &QSocketNotifier::activated, [this] {
        m_impl->reader->setEnabled(false);
        m_impl->readPosted = true;
        Notify(kRead);
    });
    QObject::connect(d.writer.get(), &QSocketNotifier::activated, [this] {
        m_impl->writer->setEnabled(false);
        m_impl->writePosted = true;
        Notify(kWrite);
    });
    return true;
}

void CAsyncSocket::CloseHandle() {
    Impl& d = *m_impl;
    // The watches go before the descriptor they watch.
    d.reader.reset();
    d.writer.reset();
    if (d.fd >= 0) ::close(d.fd);
    if (d.serial != 0) Sockets().erase(d.serial);
    *m_impl = Impl{};
}

BOOL CAsyncSocket::Create(UINT port, int type, long events, const char* address) {
    if (IsOpen()) return Fail(WSAEINVAL);
    if (type != SOCK_STREAM) return Fail(WSAESOCKTNOSUPPORT);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(static_cast<uint16_t>(port));
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (address && *address && inet_pton(AF_INET, address, &local.sin_addr) != 1) {
        return Fail(WSAEINVAL);
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return Fail(CSocketError::FromErrno(errno));
    // A listener on a fixed port must open again at once after a session
    // ended, while the old connections still linger in TIME_WAIT.
    SetIntOption(fd, SOL_SOCKET, SO_REUSEADDR, 1);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        const int error = errno;
        ::close(fd);
        return Fail(CSocketError::FromErrno(error));
    }
    return Open(fd, events);
}

BOOL CAsyncSocket::Listen(int backlog) {
    Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    if (d.role != Role::None && d.role != Role::Listening) return Fail(WSAEISCONN);
    if (::listen(d.fd, backlog) != 0) return Fail(CSocketError::FromErrno(errno));
    d.role = Role::Listening;
    ArmRead();
    return TRUE;
}

BOOL CAsyncSocket::Accept(CAsyncSocket& connected, std::string* peerAddress, UINT* peerPort) {
    Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    if (d.role != Role::Listening || connected.IsOpen() || &connected == this) {
        return Fail(WSAEINVAL);
    }
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd =
        ::accept4(d.fd, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    const int error = errno;
    // The next connection waiting is announced again.
    ArmRead();
    if (fd < 0) return Fail(CSocketError::FromErrno(error));
    connected.Open(fd, d.events);
    connected.m_impl->role = Role::Connected;
    connected.ArmRead();
    // Like a connect, an accepted connection announces that it can send.
    connected.ArmWrite();
    std::string address;
    UINT port = 0;
    NameOf(peer, address, port);
    if (peerAddress) *peerAddress = address;
    if (peerPort) *peerPort = port;
    return TRUE;
}

BOOL CAsyncSocket::Connect(const char* host, UINT port) {
    Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    if (!host) return Fail(WSAEFAULT);
    if (d.role == Role::Listening) return Fail(WSAEINVAL);
    if (d.role == Role::Connecting) return Fail(WSAEALREADY);
    if (d.role == Role::Connected) return Fail(WSAEISCONN);
    sockaddr_in remote{};
    if (const int error = Resolve(host, port, remote)) return Fail(error);
    const int result = ::connect(d.fd, reinterpret_cast<sockaddr*>(&remote), sizeof remote);
    const int error = errno;
    if (result == 0 || error == EINPROGRESS || error == EINTR) {
        d.role = Role::Connecting;
        ArmWrite();
        return result == 0 ? TRUE : Fail(WSAEWOULDBLOCK);
    }
    if (!EndsAttempt(error)) return Fail(CSocketError::FromErrno(error));
    // An attempt that ended at once is reported like any other.
    d.role = Role::Connecting;
    d.connectError = CSocketError::FromErrno(error);
    d.writePosted = true;
    Notify(kWrite);
    return Fail(WSAEWOULDBLOCK);
}

int CAsyncSocket::Send(const void* data, int length, int flags) {
    Impl& d = *m_impl;
    if (d.fd < 0) return FailCount(WSAENOTSOCK);
    if (length < 0 || (!data && length > 0)) return FailCount(WSAEFAULT);
    if (d.role != Role::Connected) return FailCount(WSAENOTCONN);
    const ssize_t sent =
        ::send(d.fd, data, static_cast<size_t>(length), flags | MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
        const int error = errno;
        if (error == EAGAIN || error == EWOULDBLOCK) ArmWrite();
        if (error == EPIPE && d.sendsShutDown) return FailCount(WSAESHUTDOWN);
        return FailCount(CSocketError::FromErrno(error));
    }
    if (sent < length) ArmWrite();
    return static_cast<int>(sent);
}

int CAsyncSocket::Receive(void* data, int length, int flags) {
    Impl& d = *m_impl;
    if (d.fd < 0) return FailCount(WSAENOTSOCK);
    if (length < 0 || (!data && length > 0)) return FailCount(WSAEFAULT);
    if (d.role != Role::Connected) return FailCount(WSAENOTCONN);
    const ssize_t received = ::recv(d.fd, data, static_cast<size_t>(length), flags | MSG_DONTWAIT);
    const int error = errno;
    // More data, or the peer's close, is announced again.
    ArmRead();
    if (received < 0) return FailCount(CSocketError::FromErrno(error));
    return static_cast<int>(received);
}

BOOL CAsyncSocket::ShutDown(int how) {
    Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    int mode = SHUT_WR;
    if (how == receives)
        mode = SHUT_RD;
    else if (how == both)
        mode = SHUT_RDWR;
    else if (how != sends)
        return Fail(WSAEINVAL);
    if (::shutdown(d.fd, mode) != 0) return Fail(CSocketError::FromErrno(errno));
    if (how != receives) d.sendsShutDown = true;
    return TRUE;
}

void CAsyncSocket::Close() {
    CloseHandle();
}

bool CAsyncSocket::IsOpen() const {
    return m_impl->fd >= 0;
}

BOOL CAsyncSocket::GetPeerName(std::string& address, UINT& port) const {
    if (m_impl->fd < 0) return Fail(WSAENOTSOCK);
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(m_impl->fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0) {
        return Fail(CSocketError::FromErrno(errno));
    }
    return NameOf(peer, address, port);
}

BOOL CAsyncSocket::GetSockName(std::string& address, UINT& port) const {
    if (m_impl->fd < 0) return Fail(WSAENOTSOCK);
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (::getsockname(m_impl->fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return Fail(CSocketError::FromErrno(errno));
    }
    return NameOf(local, address, port);
}

BOOL CAsyncSocket::SetSockOpt(int option, const void* value, int length, int level) {
    Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    if (!value || length <= 0) return Fail(WSAEFAULT);
    if (IsRecordedOption(level, option)) {
        if (length < static_cast<int>(sizeof(int))) return Fail(WSAEFAULT);
        int flag = 0;
        std::memcpy(&flag, value, sizeof flag);
        (option == SO_DONTROUTE ? d.dontRoute : d.debug) = flag != 0;
        return TRUE;
    }
    if (::setsockopt(d.fd, level, option, value, static_cast<socklen_t>(length)) != 0) {
        return Fail(CSocketError::FromErrno(errno));
    }
    return TRUE;
}

BOOL CAsyncSocket::GetSockOpt(int option, void* value, int* length, int level) const {
    const Impl& d = *m_impl;
    if (d.fd < 0) return Fail(WSAENOTSOCK);
    if (!value || !length || *length <= 0) return Fail(WSAEFAULT);
    if (IsRecordedOption(level, option)) {
        if (*length < static_cast<int>(sizeof(int))) return Fail(WSAEFAULT);
        const int flag = option == SO_DONTROUTE ? d.dontRoute : d.debug;
        std::memcpy(value, &flag, sizeof flag);
        *length = sizeof flag;
        return TRUE;
    }
    socklen_t size = static_cast<socklen_t>(*length);
    if (::getsockopt(d.fd, level, option, value, &size) != 0) {
        return Fail(CSocketError::FromErrno(errno));
    }
    *length = static_cast<int>(size);
    return TRUE;
}

int CAsyncSocket::GetLastError() {
    return t_lastError;
}

void CAsyncSocket::SetLastError(int error) {
    t_lastError = error;
}

std::string CAsyncSocket::GetErrorText(int error) {
    return CSocketError::Text(error);
}

void CAsyncSocket::OnAccept(int) {}
void CAsyncSocket::OnConnect(int) {}
void CAsyncSocket::OnReceive(int) {}
void CAsyncSocket::OnSend(int) {}
void CAsyncSocket::OnClose(int) {}

void CAsyncSocket::ArmRead() {
    Impl& d = *m_impl;
    if (d.fd < 0 || d.readPosted || d.closeReported || !d.reader) return;
    const bool wanted = d.role == Role::Listening   ? (d.events & FD_ACCEPT) != 0
                        : d.role == Role::Connected ? (d.events & (FD_READ | FD_CLOSE)) != 0
                                                    : false;
    if (wanted) d.reader->setEnabled(true);
}

void CAsyncSocket::ArmWrite() {
    Impl& d = *m_impl;
    if (d.fd >= 0 && !d.writePosted && d.writer) d.writer->setEnabled(true);
}

void CAsyncSocket::Notify(int kind) {
    CSocketWnd::Post(m_impl->serial, kind);
}

void CAsyncSocket::DeliverNotification(uint64_t serial, int kind) {
    auto it = Sockets().find(serial);
    if (it == Sockets().end()) return;
    CAsyncSocket* socket = it->second;
    if (kind == kRead) {
        socket->m_impl->readPosted = false;
        socket->DeliverRead();
    } else if (kind == kWrite) {
        socket->m_impl->writePosted = false;
        socket->DeliverWrite();
    }
}

void CAsyncSocket::DeliverRead() {
    Impl& d = *m_impl;
    if (d.role == Role::Listening) {
        // Accept watches again.
        OnAccept(0);
        return;
    }
    if (d.role != Role::Connected || d.closeReported) return;
    char byte = 0;
    const ssize_t peeked = ::recv(d.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    const int error = errno;
    if (peeked > 0) {
        // Receive watches again; a socket that does not want the data keeps
        // quiet until it receives.
        if (d.events & FD_READ) OnReceive(0);
    } else if (peeked == 0) {
        ReportClose(0);
    } else if (error == EAGAIN || error == EWOULDBLOCK || error == EINTR) {
        ArmRead();
    } else {
        ReportClose(CSocketError::FromErrno(error));
    }
}

void CAsyncSocket::ReportClose(int error) {
    Impl& d = *m_impl;
    d.closeReported = true;
    if (d.events & FD_CLOSE) OnClose(error);
}

void CAsyncSocket::DeliverWrite() {
    Impl& d = *m_impl;
    const uint64_t serial = d.serial;
    if (d.role == Role::Connecting) {
        int error = d.connectError;
        d.connectError = -1;
        if (error < 0) {
            int pending = 0;
            socklen_t length = sizeof pending;
            getsockopt(d.fd, SOL_SOCKET, SO_ERROR, &pending, &length);
            error = pending ? CSocketError::FromErrno(pending) : 0;
        }
        d.role = error == 0 ? Role::Connected : Role::None;
        if (error == 0) ArmRead();
        if (d.events & FD_CONNECT) OnConnect(error);
        // Once connected, the socket can also send.
        if (error != 0 || !IsAlive(serial) || m_impl->role != Role::Connected) return;
    }
    if (d.role == Role::Connected && (d.events & FD_WRITE)) OnSend(0);
}
