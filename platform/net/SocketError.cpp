#include "platform/net/SocketError.h"

#include <netdb.h>

#include <cerrno>
#include <utility>

#include "platform/net/SocketDefs.h"

namespace {

constexpr std::pair<int, int> kErrnoMap[] = {
    {EINTR, WSAEINTR},
    {EBADF, WSAEBADF},
    {EACCES, WSAEACCES},
    {EPERM, WSAEACCES},
    {EFAULT, WSAEFAULT},
    {EINVAL, WSAEINVAL},
    {EMFILE, WSAEMFILE},
    {ENFILE, WSAEMFILE},
    {EAGAIN, WSAEWOULDBLOCK},
    {EINPROGRESS, WSAEINPROGRESS},
    {EALREADY, WSAEALREADY},
    {ENOTSOCK, WSAENOTSOCK},
    {EMSGSIZE, WSAEMSGSIZE},
    {ENOPROTOOPT, WSAENOPROTOOPT},
    {ESOCKTNOSUPPORT, WSAESOCKTNOSUPPORT},
    {EOPNOTSUPP, WSAEOPNOTSUPP},
    {EAFNOSUPPORT, WSAEAFNOSUPPORT},
    {EADDRINUSE, WSAEADDRINUSE},
    {EADDRNOTAVAIL, WSAEADDRNOTAVAIL},
    {ENETDOWN, WSAENETDOWN},
    {ENETUNREACH, WSAENETUNREACH},
    {ENETRESET, WSAENETRESET},
    {ECONNABORTED, WSAECONNABORTED},
    {ECONNRESET, WSAECONNRESET},
    {EPIPE, WSAECONNRESET},
    {ENOBUFS, WSAENOBUFS},
    {ENOMEM, WSAENOBUFS},
    {EISCONN, WSAEISCONN},
    {ENOTCONN, WSAENOTCONN},
    {ESHUTDOWN, WSAESHUTDOWN},
    {ETIMEDOUT, WSAETIMEDOUT},
    {ECONNREFUSED, WSAECONNREFUSED},
    {EHOSTUNREACH, WSAEHOSTUNREACH},
    {EHOSTDOWN, WSAEHOSTUNREACH},
};

constexpr std::pair<int, const char*> kTexts[] = {
    {0, "No error."},
    {WSAEINTR, "The call was interrupted."},
    {WSAEBADF, "The socket handle is not valid."},
    {WSAEACCES, "Permission denied."},
    {WSAEFAULT, "A buffer or its length is not valid."},
    {WSAEINVAL, "An argument is not valid for this socket."},
    {WSAEMFILE, "Too many open sockets."},
    {WSAEWOULDBLOCK, "The operation would block."},
    {WSAEINPROGRESS, "An operation is already in progress."},
    {WSAEALREADY, "A connection attempt is already under way."},
    {WSAENOTSOCK, "The socket is not open."},
    {WSAEMSGSIZE, "The message is too long."},
    {WSAENOPROTOOPT, "The option is not supported."},
    {WSAESOCKTNOSUPPORT, "The socket type is not supported."},
    {WSAEOPNOTSUPP, "The operation is not supported."},
    {WSAEAFNOSUPPORT, "The address family is not supported."},
    {WSAEADDRINUSE, "The address is already in use."},
    {WSAEADDRNOTAVAIL, "The address is not available on this machine."},
    {WSAENETDOWN, "The network is down."},
    {WSAENETUNREACH, "The network cannot be reached."},
    {WSAENETRESET, "The network dropped the connection."},
    {WSAECONNABORTED, "The connection was aborted."},
    {WSAECONNRESET, "The connection was reset by the peer."},
    {WSAENOBUFS, "No buffer space is available."},
    {WSAEISCONN, "The socket is already connected."},
    {WSAENOTCONN, "The socket is not connected."},
    {WSAESHUTDOWN, "The socket has been shut down."},
    {WSAETIMEDOUT, "The connection timed out."},
    {WSAECONNREFUSED, "The connection was refused."},
    {WSAEHOSTUNREACH, "The host cannot be reached."},
    {WSAHOST_NOT_FOUND, "The host is unknown."},
    {WSATRY_AGAIN, "The host name could not be looked up now."},
    {WSANO_RECOVERY, "The host name lookup failed."},
    {WSANO_DATA, "The host name has no address."},
};

}  // namespace

int CSocketError::FromErrno(int error) {
    if (error == EWOULDBLOCK) return WSAEWOULDBLOCK;
    for (const auto& [system, socket] : kErrnoMap) {
        if (system == error) return socket;
    }
    return WSAEINVAL;
}

int CSocketError::FromLookup(int result) {
    switch (result) {
        case 0:
            return 0;
        case EAI_NONAME:
            return WSAHOST_NOT_FOUND;
        case EAI_AGAIN:
            return WSATRY_AGAIN;
#ifdef EAI_NODATA
        case EAI_NODATA:
            return WSANO_DATA;
#endif
        case EAI_MEMORY:
            return WSAENOBUFS;
        default:
            return WSANO_RECOVERY;
    }
}

std::string CSocketError::Text(int error) {
    for (const auto& [code, text] : kTexts) {
        if (code == error) return text;
    }
    return "Socket error " + std::to_string(error) + ".";
}
